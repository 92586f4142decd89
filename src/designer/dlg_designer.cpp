#include "designer/dlg_designer.h"

#include "designer/designer_files.h"
#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/files.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"
#include "platform/win/resources.h"

namespace {

constexpr const wchar_t* kSizeName = L"DLG_DLGDESIGNER";
constexpr int kIconDesigner = 148;
constexpr int kBitmapCopy = 223;

// The bitmap buttons and their pictures, in the order of the button row.
constexpr struct {
    int id;
    int bitmap;
} kBitmapButtons[8] = {
    {IDC_DESIGNER_OPEN, 232},  {IDC_DESIGNER_SAVE_AS, 233}, {IDC_DESIGNER_ADD, 212},
    {IDC_DESIGNER_REMOVE, 206}, {IDC_DESIGNER_IMAGE, 231},  {IDC_DESIGNER_WIDTH, 235},
    {IDC_DESIGNER_HEIGHT, 236}, {IDC_DESIGNER_COPY, kBitmapCopy},
};

// The picture of Copy: two overlapping sheets.
win::Bitmap drawCopyPicture() {
    win::Bitmap b(16, 16, win::rgb(192, 192, 192));
    b.fillRect({1, 1, 10, 11}, win::rgb(255, 255, 255));
    b.frameRect({1, 1, 10, 11}, win::rgb(0, 0, 0));
    b.fillRect({6, 5, 15, 15}, win::rgb(255, 255, 255));
    b.frameRect({6, 5, 15, 15}, win::rgb(0, 0, 0));
    return b;
}

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgDesigner::dialogTemplate());
    win::registerBitmapResource(module, win::ResourceId(kBitmapCopy), drawCopyPicture());
});

std::vector<CResizer::Rule> resizeRules() {
    using R = CResizer;
    const auto afterType = R::follow(IDC_DESIGNER_TYPE_GROUP, R::kRight);
    const auto beforeList = R::follow(IDC_DESIGNER_LIST_GROUP, R::kLeft);
    std::vector<R::Rule> rules = {
        R::rule(IDC_DESIGNER_TYPE_GROUP, R::kNear, R::kFar, R::kNear, R::kFar),
        R::rule(IDC_DESIGNER_TYPE_LIST, R::kNear, R::kFar, R::kNear, R::kFar),
        R::rule(IDC_DESIGNER_LIST_GROUP, R::kProportional, R::kFar, R::kFar, R::kFar),
        {IDC_DESIGNER_LIST, R::follow(IDC_DESIGNER_LIST_GROUP, R::kLeft), {R::kFar},
         R::follow(IDC_DESIGNER_LIST_GROUP, R::kRight), {R::kFar}},
        {IDC_DESIGNER_CONTENTS_GROUP, afterType, {R::kFar}, beforeList, {R::kFar}},
        {IDC_DESIGNER_CONTENTS, R::follow(IDC_DESIGNER_CONTENTS_GROUP, R::kLeft), {R::kFar},
         R::follow(IDC_DESIGNER_CONTENTS_GROUP, R::kRight), {R::kFar}},
        R::rule(win::IDOK, R::kFar, R::kFar, R::kFar, R::kFar),
    };
    for (int id = IDC_DESIGNER_OPEN; id <= IDC_DESIGNER_PLACE_RIGHT; ++id)
        rules.push_back(R::rule(id, R::kNear, R::kFar, R::kNear, R::kFar));
    return rules;
}

} // namespace

CDlgDesigner::CDlgDesigner(win::Window* parent) : win::Dialog(IDD_DLG_DESIGNER, parent) {}

CDlgDesigner::~CDlgDesigner() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgDesigner::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DLG_DESIGNER;
    t.width = 420;
    t.height = 320;
    t.caption = L"";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t group = win::BS_GROUPBOX;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t icon = tab | win::BS_PUSHBUTTON | win::BS_ICON;
    t.controls = {
        {IDC_DESIGNER_TYPE_GROUP, ControlKind::Button, {7, 246, 120, 276}, group, L""},
        {IDC_DESIGNER_TYPE_LIST,
         ControlKind::ComboBox,
         {13, 257, 114, 357},
         tab | win::WS_VSCROLL | win::CBS_DROPDOWNLIST,
         L""},
        {IDC_DESIGNER_CONTENTS_GROUP, ControlKind::Button, {124, 246, 264, 276}, group, L""},
        {IDC_DESIGNER_CONTENTS,
         ControlKind::Edit,
         {130, 257, 258, 269},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL,
         L""},
        {IDC_DESIGNER_LIST_GROUP, ControlKind::Button, {268, 246, 413, 276}, group, L""},
        {IDC_DESIGNER_LIST,
         ControlKind::Edit,
         {274, 257, 407, 269},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL,
         L""},
        {IDC_DESIGNER_OPEN, ControlKind::Button, {7, 283, 27, 299}, icon, L""},
        {IDC_DESIGNER_SAVE_AS, ControlKind::Button, {29, 283, 49, 299}, icon, L""},
        {IDC_DESIGNER_ADD, ControlKind::Button, {55, 283, 75, 299}, icon, L""},
        {IDC_DESIGNER_REMOVE, ControlKind::Button, {77, 283, 97, 299}, icon, L""},
        {IDC_DESIGNER_IMAGE, ControlKind::Button, {103, 283, 123, 299}, icon, L""},
        {IDC_DESIGNER_WIDTH, ControlKind::Button, {129, 283, 149, 299}, icon, L""},
        {IDC_DESIGNER_HEIGHT, ControlKind::Button, {151, 283, 171, 299}, icon, L""},
        {IDC_DESIGNER_COPY, ControlKind::Button, {173, 283, 193, 299}, icon, L""},
        {IDC_DESIGNER_ALIGN_BOTTOMS, ControlKind::Button, {199, 283, 219, 299}, tab, L"_ _"},
        {IDC_DESIGNER_PLACE_RIGHT, ControlKind::Button, {221, 283, 241, 299}, tab, L"| |"},
        {win::IDOK, ControlKind::Button, {363, 283, 413, 299}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {309, 283, 359, 299}, tab, L"Cancel", true},
    };
    return t;
}

bool CDlgDesigner::onInitDialog() {
    data_.initialize(this, IDC_DESIGNED_FIRST, IDC_DESIGNED_LAST, IDC_DESIGNER_TYPE_LIST,
                     IDC_DESIGNER_CONTENTS_GROUP, IDC_DESIGNER_CONTENTS, IDC_DESIGNER_LIST_GROUP,
                     IDC_DESIGNER_LIST, true);
    (void)kIconDesigner; // the window icon: no icons on this platform's dialogs
    for (int i = 0; i < 8; ++i) {
        buttons_[i].SubclassDlgItem(kBitmapButtons[i].id, this);
        buttons_[i].SetIcon(kBitmapButtons[i].bitmap);
    }
    canvasTarget_.create(this, IDC_DESIGNER_CANVAS);
    setItemText(IDC_DESIGNER_TYPE_GROUP, dialString(836).str());
    setItemText(win::IDOK, dialString(285).str());
    updateTitle();

    getDlgSize(this, minWidth_, minHeight_);
    resizer_.init(this, resizeRules());
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);

    modified_ = false;
    if (!templatePath_.isEmpty() && fileExists(templatePath_)) loadTemplate(templatePath_);
    return true;
}

void CDlgDesigner::onDestroy() {
    WriteDlgSize(this, kSizeName);
    win::Dialog::onDestroy();
}

void CDlgDesigner::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (resizer_.isInitialized()) resizer_.move();
}

void CDlgDesigner::updateTitle() {
    Zrl_String title = dialString(843);
    if (!data_.name.isEmpty()) title += L" - <" + data_.name + L">";
    setText(title.str());
}

void CDlgDesigner::warn(int text) {
    win::messageBox(this, dialString(text).str(), dialString(843).str(),
                    win::MB_OK | win::MB_ICONWARNING);
}

bool CDlgDesigner::needPicture() {
    if (data_.hasImage()) return true;
    warn(870);
    return false;
}

Zrl_String CDlgDesigner::templateFolder() const {
    if (data_.name.isEmpty()) return getDesignerRootFolder();
    return getPath(getDesignerRootFolder() + data_.name);
}

void CDlgDesigner::loadTemplate(const Zrl_String& path) {
    Zrl_String name;
    data_.removeAllDrawnCtrls();
    if (!data_.getNameFromFile(path, name) || !data_.readFromFile(path, true)) {
        if (data_.getNameFromFile(path, name)) warn(871);
        data_.redrawAllControls(); // the controls shown before stay
        invalidate();
        return;
    }
    data_.redrawAllControls();
    invalidate();
    modified_ = false;
    updateTitle();
    data_.updatePropsOfCurSel();
}

bool CDlgDesigner::save(const Zrl_String& path) {
    if (!data_.writeToFile(path)) {
        warn(872);
        return false;
    }
    modified_ = false;
    updateTitle();
    return true;
}

bool CDlgDesigner::saveAs() {
    Zrl_String path = data_.name.isEmpty() ? Zrl_String() : getFileName(data_.name) + L".txt";
    if (!DlgOpenSave(false, L"txt", dialString(840), dialString(842), templateFolder(), path, this))
        return false;
    return save(path);
}

bool CDlgDesigner::askSave() {
    if (!modified_) return true;
    const Zrl_String text = dialString(838) + L"\n<" + data_.name + L">";
    const int answer = win::messageBox(this, text.str(), dialString(837).str(),
                                       win::MB_YESNOCANCEL | win::MB_ICONQUESTION);
    if (answer == win::IDCANCEL) return false;
    if (answer != win::IDYES) return true;
    if (data_.name.isEmpty()) return saveAs();
    return save(getDesignerRootFolder() + data_.name + L".txt");
}

void CDlgDesigner::chooseImage() {
    Zrl_String path;
    if (!DlgOpenSave(true, L"bmp", dialString(839), dialString(841), getDesignerRootFolder(), path,
                     this))
        return;
    const auto picture = win::Bitmap::load(resolvePath(path).wstring());
    if (!picture || picture->isNull()) {
        warn(873);
        return;
    }
    if (data_.name.isEmpty() && !saveAs()) return;
    const Zrl_String target = getDesignerRootFolder() + data_.name + L".bmp";
    const bool same = resolvePath(path) == resolvePath(target);
    if (!same && !copyFile(path, target)) {
        warn(873);
        return;
    }
    data_.getSizeFromAllControls();
    data_.attachBitmap(target);
    data_.redrawAllControls();
    invalidate();
    modified_ = true;
}

bool CDlgDesigner::onCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_DESIGNER_OPEN: {
        if (!askSave()) return true;
        Zrl_String path;
        if (DlgOpenSave(true, L"txt", dialString(840), dialString(841), templateFolder(), path,
                        this))
            loadTemplate(path);
        return true;
    }
    case IDC_DESIGNER_SAVE_AS: saveAs(); return true;
    case IDC_DESIGNER_ADD:
        if (needPicture()) changed(data_.addNewControl(ctEdit));
        return true;
    case IDC_DESIGNER_REMOVE: {
        AcArray<int> selected;
        data_.getCurSelIds(selected);
        data_.removeCurControls();
        data_.updatePropsOfCurSel();
        invalidate();
        changed(!selected.isEmpty());
        return true;
    }
    case IDC_DESIGNER_IMAGE: chooseImage(); return true;
    case IDC_DESIGNER_WIDTH:
    case IDC_DESIGNER_HEIGHT:
        if (needPicture()) changed(data_.changeCtrlSize(id == IDC_DESIGNER_WIDTH));
        return true;
    case IDC_DESIGNER_COPY:
        if (needPicture()) changed(data_.copyCurCtrls());
        return true;
    case IDC_DESIGNER_ALIGN_BOTTOMS:
        if (needPicture()) changed(data_.outlineCurCtrls());
        return true;
    case IDC_DESIGNER_PLACE_RIGHT:
        if (needPicture()) changed(data_.stickRightCurCtrls());
        return true;
    case IDC_DESIGNER_TYPE_LIST:
        if (notifyCode != win::CBN_SELCHANGE) return false;
        changed(data_.propsOfCurSelUpdated());
        data_.updatePropsOfCurSel();
        return true;
    case IDC_DESIGNER_CONTENTS:
    case IDC_DESIGNER_LIST:
        if (notifyCode != win::EN_CHANGE) return false;
        changed(data_.propsOfCurSelUpdated());
        return true;
    default: return false;
    }
}

void CDlgDesigner::onLButtonDown(win::WPARAM flags, win::Point p) {
    data_.OnLButtonDown(flags, p);
    data_.updatePropsOfCurSel();
    modified_ = true;
}

void CDlgDesigner::onOK() {
    if (askSave()) win::Dialog::onOK();
}

void CDlgDesigner::onCancel() {
    if (askSave()) win::Dialog::onCancel();
}

void CDlgDesigner::render(win::Bitmap& canvas) const {
    data_.OnEraseBkgnd(canvas);
    for (const Zrl_DesignerControl& c : data_.controls)
        canvas.frameRect(data_.pixelRect(c), win::rgb(0, 0, 255));
    data_.OnPaint(canvas);
}

bool StartDlgDesigner(const Zrl_String& pathOrName) {
    try {
        zrlss::ResourceScope resources;
        CDlgDesigner dlg;
        dlg.setTemplatePath(templatePathOf(pathOrName));
        return dlg.doModal() == win::IDOK;
    } catch (...) {
        return false;
    }
}
