#include "platform/win/string_list.h"

#include "platform/text/fold.h"

#include <algorithm>

namespace win {

int StringList::add(const std::wstring& text) {
    size_t pos = items_.size();
    // After the items equal to it, found by halving: long sorted lists fill
    // in n log n comparisons.
    if (sorted_)
        pos = static_cast<size_t>(std::upper_bound(items_.begin(), items_.end(), text,
                                                   [](const std::wstring& t, const Item& item) {
                                                       return zrltext::compareNoCase(t, item.text) <
                                                              0;
                                                   }) -
                                  items_.begin());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), Item{text, 0});
    return static_cast<int>(pos);
}

int StringList::insert(int index, const std::wstring& text) {
    if (index == -1) index = count();
    if (index < 0 || index > count()) return -1;
    items_.insert(items_.begin() + index, Item{text, 0});
    return index;
}

int StringList::remove(int index) {
    if (!valid(index)) return -1;
    items_.erase(items_.begin() + index);
    return count();
}

std::wstring StringList::text(int index) const {
    return valid(index) ? items_[static_cast<size_t>(index)].text : std::wstring();
}

bool StringList::setText(int index, const std::wstring& text) {
    if (!valid(index)) return false;
    items_[static_cast<size_t>(index)].text = text;
    return true;
}

std::uintptr_t StringList::data(int index) const {
    return valid(index) ? items_[static_cast<size_t>(index)].data : 0;
}

bool StringList::setData(int index, std::uintptr_t data) {
    if (!valid(index)) return false;
    items_[static_cast<size_t>(index)].data = data;
    return true;
}

int StringList::find(int start, const std::wstring& prefix) const {
    return search(start, prefix, false);
}

int StringList::findExact(int start, const std::wstring& text) const {
    return search(start, text, true);
}

int StringList::search(int start, const std::wstring& what, bool exact) const {
    const int n = count();
    if (n == 0) return -1;
    if (start < -1 || start >= n) start = -1;
    for (int k = 1; k <= n; ++k) {
        const int i = (start + k) % n;
        const std::wstring& t = items_[static_cast<size_t>(i)].text;
        if (exact ? zrltext::equalNoCase(t, what) : zrltext::startsWithNoCase(t, what)) return i;
    }
    return -1;
}

} // namespace win
