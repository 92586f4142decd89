// List view: items with a text, an image (index into the view's image list,
// the thumbnails of a gallery) and a number of data; report views
// (LVS_REPORT) also have columns and texts per column (sub-items).
// LVS_SINGLESEL allows one selected item.
//
// The program's operations are quiet. The user's `choose` takes the focus,
// selects the item (only it) and sends LVN_ITEMCHANGED and NM_CLICK;
// `doubleClick` also sends NM_DBLCLK and LVN_ITEMACTIVATE; `rightClick`
// sends NM_RCLICK. Notifications carry a ListViewNotify.
#pragma once

#include "platform/win/bitmap.h"
#include "platform/win/control.h"

#include <string>
#include <vector>

namespace win {

struct ListViewNotify {
    NotifyHeader hdr;
    int item = -1;
    int subItem = 0;
    UINT newState = 0;
    UINT oldState = 0;
    Point point; // client coordinates, for clicks
};

class ZRLWIN_API ListView : public Control {
public:
    ListView() : Control(ControlKind::ListView) {}

    // Image list: answers the index of the added image.
    int addImage(const Bitmap& image);
    void clearImages() { images_.clear(); }
    int imageCount() const { return static_cast<int>(images_.size()); }
    // nullptr for a bad index.
    const Bitmap* image(int index) const;

    int insertColumn(int index, const std::wstring& heading, int width);
    int columnCount() const { return static_cast<int>(columns_.size()); }
    // A column's heading and width in pixels; empty and 0 for a bad index.
    std::wstring columnHeading(int index) const;
    int columnWidth(int index) const;

    // Inserts at `index` (clamped to the end); answers the new index.
    int insertItem(int index, const std::wstring& text, int image = -1);
    bool deleteItem(int index);
    void deleteAllItems();
    int getItemCount() const { return static_cast<int>(items_.size()); }
    std::wstring getItemText(int index, int subItem = 0) const;
    bool setItemText(int index, int subItem, const std::wstring& text);
    int getItemImage(int index) const;
    bool setItemImage(int index, int image);
    std::uintptr_t getItemData(int index) const;
    bool setItemData(int index, std::uintptr_t data);

    bool isSelected(int index) const;
    // Quietly selects or deselects; in a single-selection view selecting an
    // item deselects the others.
    bool setSelected(int index, bool selected);
    // First selected item after `start` (-1 = from the top), or -1.
    int getNextSelected(int start = -1) const;
    int getSelectedCount() const;
    bool ensureVisible(int index) const { return index >= 0 && index < getItemCount(); }

    // The user's operations.
    bool choose(int index);
    bool doubleClick(int index);
    bool rightClick(int index);

private:
    struct Item {
        std::vector<std::wstring> texts;
        int image = -1;
        std::uintptr_t data = 0;
        bool selected = false;
    };
    struct Column {
        std::wstring heading;
        int width = 0;
    };
    void notify(UINT code, int item, UINT newState, UINT oldState);

    std::vector<Bitmap> images_;
    std::vector<Column> columns_;
    std::vector<Item> items_;
};

} // namespace win
