// CDlgSelectImage: the modal choice of one picture among image files,
// shown as thumbnails labelled by their names (translated when the language
// table has a translation). OK with a picture selected hands back its file.
#pragma once

#include "dialogs/dialog_records.h"
#include "dialogs/dlg_select_image_ids.h"
#include "platform/core/image_list_ctrl.h"
#include "platform/core/resizer.h"
#include "platform/win/dialog.h"

class CDlgSelectImage : public win::Dialog {
public:
    // The thumbnail size when no file can be read.
    static constexpr int kDefaultWidth = 96;
    static constexpr int kDefaultHeight = 72;

    explicit CDlgSelectImage(win::Window* parent = nullptr);
    ~CDlgSelectImage() override;

    static win::DialogTemplate dialogTemplate();
    VkSelectImageDlgData& record() { return data_; }
    CImageListCtrl& gallery() { return gallery_; }
    int minWidth() const { return minWidth_; }
    int minHeight() const { return minHeight_; }

    // The label of an image file: its name without folder and extension, or
    // that name's translation into the current language.
    static Zrl_String imageLabel(const Zrl_String& file);

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    VkSelectImageDlgData data_;
    CImageListCtrl gallery_;
    CResizer resizer_;
    int minWidth_ = 50;
    int minHeight_ = 50;
};

// Runs the dialog on a copy of `data`; on OK the chosen file goes into
// data.chosenName and the result is true, otherwise `data` is unchanged.
ZRLSS_EXPORT bool StartDlgSelectImage(VkSelectImageDlgData& data);
