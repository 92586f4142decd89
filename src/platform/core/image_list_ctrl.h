// CImageListCtrl: a gallery of thumbnails over a dialog's list view (the
// macro and image selection dialogs).
//
// The dialog attaches it to its list view, sets the thumbnail size, the
// picture files and their labels, and draws:
//
//   gallery.SubclassDlgItem(IDC_GALLERY, this);
//   gallery.width = 96; gallery.height = 72;
//   gallery.Initialize(ImageListData());
//   gallery.files = paths; gallery.labels = names;
//   gallery.DrawThumbnails();
//   ... later: Zrl_String chosen = gallery.GetSelectionName();
//
// Each file becomes one item of the list view with its thumbnail: the
// picture scaled down into the thumbnail (proportions kept, centred, never
// enlarged) inside a one-pixel frame. A file that cannot be read as a
// picture gets a placeholder (the frame crossed from corner to corner), so
// a missing preview never shifts the other thumbnails.
//
// A picture is decoded and scaled once per file, change time, size and
// look (a cache shared by every gallery of the process), and a redraw of
// the same gallery reuses the list view's images: narrowing a gallery of a
// thousand pictures costs no decoding.
#pragma once

#include "platform/core/zrl_stringarray.h"
#include "platform/win/bitmap.h"

#include <string>
#include <unordered_map>

namespace win {
class ListView;
class Window;
} // namespace win

// How the thumbnails look; a fresh one gives the usual look.
struct ImageListData {
    win::Rgba background = win::rgb(255, 255, 255);
    win::Rgba frame = win::rgb(160, 160, 160);
};

class CImageListCtrl {
public:
    CImageListCtrl() = default;
    virtual ~CImageListCtrl() = default;
    CImageListCtrl(const CImageListCtrl&) = delete;
    CImageListCtrl& operator=(const CImageListCtrl&) = delete;

    // Thumbnail size in pixels; sizes below 1 count as 64, above 1024 as 1024.
    int width = 64;
    int height = 64;
    // The pictures, one thumbnail each, and their labels (a missing or extra
    // label: the file's name without folder and extension).
    Zrl_StringArray files;
    Zrl_StringArray labels;

    // Takes over the list view `id` of `parent`; false when there is none.
    bool SubclassDlgItem(int id, win::Window* parent);
    // Starts the gallery afresh with this look: no thumbnails.
    void Initialize(const ImageListData& data);
    // Shows one thumbnail per file (replacing what was shown); the file that
    // was selected stays selected when it is still listed. Answers the
    // number of thumbnails, 0 when not attached.
    int DrawThumbnails();
    // The file of the selected thumbnail (as it was when drawn); empty when
    // none is selected.
    Zrl_String GetSelectionName() const;

    // How many of the drawn thumbnails are placeholders.
    int placeholderCount() const { return placeholders_; }
    win::ListView* listView() const { return view_; }

    // One thumbnail of `picture` (nullptr: the placeholder).
    static win::Bitmap thumbnail(const win::Bitmap* picture, int width, int height,
                                 const ImageListData& look);

private:
    win::ListView* view_ = nullptr;
    ImageListData look_;
    // The list view's image of a file's thumbnail (drawn or taken from the
    // cache), with whether it is a placeholder; kept by the cache's key.
    int imageFor(const Zrl_String& file, int width, int height, bool& placeholder);
    std::unordered_map<std::wstring, std::pair<int, bool>> images_;
    Zrl_StringArray drawn_; // the files of the thumbnails shown
    int placeholders_ = 0;
};
