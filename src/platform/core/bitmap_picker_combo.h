// CBitmapPickerCombo: a drop-down list of pictures, each with an optional
// text (line styles, hatch patterns, weld symbols).
//
// It takes the place of a combo box of the dialog template (same id,
// rectangle and style, as a drop-down list). Items are chosen as in any
// combo box (by index or by their text); the item data holds the index of
// the item's picture.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/win/bitmap.h"
#include "platform/win/combo_box.h"

#include <vector>

class CBitmapPickerCombo : public win::ComboBox {
public:
    // Replaces the combo box `id` of `parent`; false when there is none.
    bool SubclassDlgItem(int id, win::Window* parent);

    // Adds (or inserts before `index`, -1 at the end) a picture; answers its
    // item index, CB_ERR when refused (a null picture or a bad index).
    int AddBitmap(const win::Bitmap& picture, const Zrl_String& text = Zrl_String());
    int InsertBitmap(int index, const win::Bitmap& picture, const Zrl_String& text = Zrl_String());
    // The picture of an item; nullptr for a bad index.
    const win::Bitmap* GetBitmap(int index) const;
    // The tallest picture's height: the height the items need.
    int ItemHeight() const;

private:
    std::vector<win::Bitmap> pictures_;
};
