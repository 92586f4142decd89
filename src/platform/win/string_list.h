// The item list that combo boxes and list boxes share: texts with a number
// of data each, kept sorted without case when asked to.
//
// Searches (find, findExact) start after `start` and wrap around, so that
// start -1 searches the whole list from the top; they compare without case.
// `find` matches a prefix, `findExact` the whole text.
#pragma once

#include "platform/win/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace win {

class ZRLWIN_API StringList {
public:
    explicit StringList(bool sorted = false) : sorted_(sorted) {}
    void setSorted(bool sorted) { sorted_ = sorted; }

    int count() const { return static_cast<int>(items_.size()); }
    // Index of the new item: at its sorted place, else at the end.
    int add(const std::wstring& text);
    // Inserts at `index` (-1 = at the end; never sorted). -1 when index is
    // beyond the end.
    int insert(int index, const std::wstring& text);
    // Count left, -1 for a bad index.
    int remove(int index);
    void clear() { items_.clear(); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    // Empty for a bad index.
    std::wstring text(int index) const;
    bool setText(int index, const std::wstring& text);
    std::uintptr_t data(int index) const;
    bool setData(int index, std::uintptr_t data);
    int find(int start, const std::wstring& prefix) const;
    int findExact(int start, const std::wstring& text) const;

private:
    struct Item {
        std::wstring text;
        std::uintptr_t data = 0;
    };
    int search(int start, const std::wstring& what, bool exact) const;

    bool sorted_;
    std::vector<Item> items_;
};

} // namespace win
