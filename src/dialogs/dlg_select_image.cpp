#include "dialogs/dlg_select_image.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/macro_langs.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/win/bitmap.h"

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgSelectImage>);

// The section of the language table that holds the names of pictures.
constexpr const wchar_t* kLabelSection = L"";

} // namespace

CDlgSelectImage::CDlgSelectImage(win::Window* parent) : win::Dialog(IDD_DLG_SELECT_IMAGE, parent) {}

CDlgSelectImage::~CDlgSelectImage() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgSelectImage::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_SELECT_IMAGE, 300, 200, L"", true);
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_SELECT_IMAGE_LIST,
         ControlKind::ListView,
         {7, 7, 293, 172},
         tab | win::WS_BORDER | win::LVS_ICON | win::LVS_SINGLESEL,
         L""},
        {win::IDOK, ControlKind::Button, {187, 179, 237, 193}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {243, 179, 293, 193}, tab, L"Cancel"},
    };
    return t;
}

Zrl_String CDlgSelectImage::imageLabel(const Zrl_String& file) {
    const Zrl_String name = removeExtension(getFileName(file));
    const Zrl_String translated = gMacroLangs.GetString(kLabelSection, name);
    return translated.isEmpty() ? name : translated;
}

bool CDlgSelectImage::onInitDialog() {
    getDlgSize(this, minWidth_, minHeight_);
    using R = CResizer;
    resizer_.init(this, {R::rule(IDC_SELECT_IMAGE_LIST, R::kNear, R::kNear, R::kFar, R::kFar),
                         R::rule(win::IDOK, R::kFar, R::kFar, R::kFar, R::kFar),
                         R::rule(win::IDCANCEL, R::kFar, R::kFar, R::kFar, R::kFar)});
    ChangeDlgSize(this, IDD_DLG_SELECT_IMAGE, minWidth_, minHeight_);
    setText(data_.caption.str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());

    gallery_.SubclassDlgItem(IDC_SELECT_IMAGE_LIST, this);
    gallery_.Initialize(ImageListData());
    // The thumbnails take the size of the first picture that can be read.
    gallery_.width = kDefaultWidth;
    gallery_.height = kDefaultHeight;
    for (int i = 0; i < data_.imageFiles.length(); ++i) {
        const auto picture = win::Bitmap::load(pathToText(resolvePath(data_.imageFiles[i])).str());
        if (!picture || picture->isNull()) continue;
        gallery_.width = picture->width();
        gallery_.height = picture->height();
        break;
    }
    gallery_.files = data_.imageFiles;
    gallery_.labels.setLogicalLength(0);
    for (int i = 0; i < data_.imageFiles.length(); ++i)
        gallery_.labels.append(imageLabel(data_.imageFiles[i]));
    gallery_.DrawThumbnails();
    return true;
}

void CDlgSelectImage::onOK() {
    const Zrl_String chosen = gallery_.GetSelectionName();
    if (chosen.isEmpty()) return;
    data_.chosenName = chosen;
    win::Dialog::onOK();
}

void CDlgSelectImage::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized() || keepMinimumSize(this, minWidth_, minHeight_)) return;
    resizer_.move();
}

void CDlgSelectImage::onDestroy() {
    WriteDlgSize(this, IDD_DLG_SELECT_IMAGE);
    win::Dialog::onDestroy();
}

bool StartDlgSelectImage(VkSelectImageDlgData& data) {
    return zrlss::runModalStarter<CDlgSelectImage>(data);
}
