// Pictures in a drop-down list.
#include "platform/core/bitmap_picker_combo.h"

#include "platform/core/combo_replace.h"

#include <algorithm>

bool CBitmapPickerCombo::SubclassDlgItem(int id, win::Window* parent) {
    return replaceCombo(*this, id, parent);
}

int CBitmapPickerCombo::AddBitmap(const win::Bitmap& picture, const Zrl_String& text) {
    return InsertBitmap(-1, picture, text);
}

int CBitmapPickerCombo::InsertBitmap(int index, const win::Bitmap& picture,
                                     const Zrl_String& text) {
    if (picture.isNull()) return win::CB_ERR;
    const int at = index < 0 ? addString(text.str()) : insertString(index, text.str());
    if (at < 0) return win::CB_ERR;
    pictures_.push_back(picture);
    setItemData(at, pictures_.size() - 1);
    invalidate();
    return at;
}

const win::Bitmap* CBitmapPickerCombo::GetBitmap(int index) const {
    if (index < 0 || index >= getCount()) return nullptr;
    const std::uintptr_t picture = getItemData(index);
    return picture < pictures_.size() ? &pictures_[picture] : nullptr;
}

int CBitmapPickerCombo::ItemHeight() const {
    int height = 0;
    for (int i = 0; i < getCount(); ++i)
        if (const win::Bitmap* b = GetBitmap(i)) height = std::max(height, b->height());
    return height;
}
