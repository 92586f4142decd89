// Thumbnails drawn into a list view.
#include "platform/core/image_list_ctrl.h"

#include "platform/core/paths.h"
#include "platform/win/list_view.h"

#include <algorithm>

namespace {

int thumbSide(int side) {
    return side < 1 ? 64 : std::min(side, 1024);
}

// `over` laid on `under` by its alpha.
win::Rgba blend(win::Rgba over, win::Rgba under) {
    auto mix = [&](int a, int b) {
        return static_cast<std::uint8_t>((a * over.a + b * (255 - over.a)) / 255);
    };
    return {mix(over.r, under.r), mix(over.g, under.g), mix(over.b, under.b), 255};
}

} // namespace

bool CImageListCtrl::SubclassDlgItem(int id, win::Window* parent) {
    view_ = parent ? dynamic_cast<win::ListView*>(parent->child(id)) : nullptr;
    return view_ != nullptr;
}

void CImageListCtrl::Initialize(const ImageListData& data) {
    look_ = data;
    placeholders_ = 0;
    drawn_.setLogicalLength(0);
    if (!view_) return;
    view_->deleteAllItems();
    view_->clearImages();
}

win::Bitmap CImageListCtrl::thumbnail(const win::Bitmap* picture, int width, int height,
                                      const ImageListData& look) {
    width = thumbSide(width);
    height = thumbSide(height);
    win::Bitmap thumb(width, height, look.background);
    const win::Rect all{0, 0, width, height};
    thumb.frameRect(all, look.frame);
    if (!picture || picture->isNull()) {
        thumb.line({0, 0}, {width - 1, height - 1}, look.frame);
        thumb.line({width - 1, 0}, {0, height - 1}, look.frame);
        return thumb;
    }
    // Inside the frame, scaled down by one factor for both sides.
    const int roomW = std::max(width - 2, 1), roomH = std::max(height - 2, 1);
    const double scale = std::min({1.0, static_cast<double>(roomW) / picture->width(),
                                   static_cast<double>(roomH) / picture->height()});
    const int w = std::max(1, static_cast<int>(picture->width() * scale));
    const int h = std::max(1, static_cast<int>(picture->height() * scale));
    const int left = 1 + (roomW - w) / 2, top = 1 + (roomH - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const win::Rgba p =
                picture->pixel(static_cast<int>(x / scale), static_cast<int>(y / scale));
            thumb.setPixel(left + x, top + y, blend(p, look.background));
        }
    return thumb;
}

int CImageListCtrl::DrawThumbnails() {
    if (!view_) return 0;
    const Zrl_String selected = GetSelectionName();
    view_->deleteAllItems();
    view_->clearImages();
    placeholders_ = 0;
    drawn_ = files;
    for (int i = 0; i < files.length(); ++i) {
        const Zrl_String& file = files[i];
        const auto picture = win::Bitmap::load(pathToText(resolvePath(file)).str());
        if (!picture) ++placeholders_;
        const int image =
            view_->addImage(thumbnail(picture ? &*picture : nullptr, width, height, look_));
        const Zrl_String label =
            i < labels.length() ? labels[i] : removeExtension(getFileName(file));
        const int item = view_->insertItem(i, label.str(), image);
        view_->setItemData(item, static_cast<std::uintptr_t>(i));
        if (!selected.isEmpty() && file == selected) view_->setSelected(item, true);
    }
    return files.length();
}

Zrl_String CImageListCtrl::GetSelectionName() const {
    if (!view_) return {};
    const int item = view_->getNextSelected(-1);
    if (item < 0) return {};
    const auto index = static_cast<int>(view_->getItemData(item));
    return index < drawn_.length() ? drawn_[index] : Zrl_String();
}
