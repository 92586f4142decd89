// Thumbnails drawn into a list view.
#include "platform/core/image_list_ctrl.h"

#include "platform/core/paths.h"
#include "platform/win/list_view.h"

#include <algorithm>
#include <filesystem>
#include <vector>

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

struct CachedThumb {
    win::Bitmap thumb;
    bool placeholder = false;
};
// Past this many thumbnails the cache starts afresh, so that a long session
// does not hold every picture it ever showed.
constexpr size_t kThumbCacheLimit = 4096;

std::unordered_map<std::wstring, CachedThumb>& thumbCache() {
    static std::unordered_map<std::wstring, CachedThumb> cache;
    return cache;
}

// The file with its change time (a missing file has none), the size and
// the look: a thumbnail is drawn again only when one of them changed.
std::wstring thumbKey(const std::wstring& path, int width, int height, const ImageListData& look) {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(std::filesystem::path(path), ec);
    const long long stamp = ec ? -1 : static_cast<long long>(time.time_since_epoch().count());
    auto colour = [](win::Rgba c) {
        return std::to_wstring((c.r << 24) | (c.g << 16) | (c.b << 8) | c.a);
    };
    return path + L"|" + std::to_wstring(stamp) + L"|" + std::to_wstring(width) + L"x" +
           std::to_wstring(height) + L"|" + colour(look.background) + L"|" + colour(look.frame);
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
    images_.clear();
    if (!view_) return;
    view_->deleteAllItems();
    view_->clearImages();
}

int CImageListCtrl::imageFor(const Zrl_String& file, int w, int h, bool& placeholder) {
    const std::wstring path = pathToText(resolvePath(file)).str();
    const std::wstring key = thumbKey(path, thumbSide(w), thumbSide(h), look_);
    if (const auto it = images_.find(key); it != images_.end()) {
        placeholder = it->second.second;
        return it->second.first;
    }
    auto& cache = thumbCache();
    auto cached = cache.find(key);
    if (cached == cache.end()) {
        if (cache.size() >= kThumbCacheLimit) cache.clear();
        const auto picture = win::Bitmap::load(path);
        CachedThumb made{thumbnail(picture ? &*picture : nullptr, w, h, look_), !picture};
        cached = cache.emplace(key, std::move(made)).first;
    }
    placeholder = cached->second.placeholder;
    const int image = view_->addImage(cached->second.thumb);
    images_.emplace(key, std::make_pair(image, placeholder));
    return image;
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
    // The source column of each thumbnail column, worked out once; the
    // source pixels are read straight from the picture's rows.
    const int pw = picture->width(), ph = picture->height();
    std::vector<int> sourceX(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        sourceX[static_cast<size_t>(x)] = std::min(static_cast<int>(x / scale), pw - 1);
    const std::vector<std::uint8_t>& pixels = picture->pixels();
    for (int y = 0; y < h; ++y) {
        const size_t row = static_cast<size_t>(std::min(static_cast<int>(y / scale), ph - 1)) *
                           static_cast<size_t>(pw);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p =
                &pixels[(row + static_cast<size_t>(sourceX[static_cast<size_t>(x)])) * 4];
            const win::Rgba colour{p[0], p[1], p[2], p[3]};
            thumb.setPixel(left + x, top + y,
                           colour.a == 255 ? colour : blend(colour, look.background));
        }
    }
    return thumb;
}

int CImageListCtrl::DrawThumbnails() {
    if (!view_) return 0;
    const Zrl_String selected = GetSelectionName();
    view_->deleteAllItems();
    // The images stay for the next redraw, unless someone else cleared them
    // or they have grown well beyond what is shown (changed files).
    if (view_->imageCount() != static_cast<int>(images_.size()) ||
        view_->imageCount() > 2 * files.length() + 64) {
        view_->clearImages();
        images_.clear();
    }
    placeholders_ = 0;
    drawn_ = files;
    for (int i = 0; i < files.length(); ++i) {
        const Zrl_String& file = files[i];
        bool placeholder = false;
        const int image = imageFor(file, width, height, placeholder);
        if (placeholder) ++placeholders_;
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
