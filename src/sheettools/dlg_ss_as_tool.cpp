// The hidden bill-sheet window.
#include "sheettools/dlg_ss_as_tool.h"

#include "frame/module_resources.h"
#include "platform/host/host_windows.h"

namespace {

// The picture shown in the first column of a part-picture row: a small
// camera-like frame.
win::Bitmap drawPictureRowMark() {
    win::Bitmap mark(16, 16, win::rgb(255, 255, 255));
    mark.frameRect({1, 4, 15, 14}, win::rgb(64, 64, 64));
    mark.fillRect({5, 2, 11, 4}, win::rgb(64, 64, 64));
    mark.frameRect({5, 6, 11, 12}, win::rgb(0, 0, 160));
    return mark;
}

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgSSAsTool::dialogTemplate());
    win::registerBitmapResource(module, win::ResourceId(251), drawPictureRowMark());
});

} // namespace

CDlgSSAsTool::CDlgSSAsTool(win::Window* parent) : Dialog(kTemplateName, parent) {}

CDlgSSAsTool::~CDlgSSAsTool() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgSSAsTool::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = kTemplateName;
    t.width = 186;
    t.height = 95;
    t.caption = L"Spreadsheet";
    // No WS_VISIBLE: the window stays hidden.
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    t.controls = {
        {win::IDOK, ControlKind::Button, {129, 7, 179, 21}, win::WS_TABSTOP, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {129, 24, 179, 38}, win::WS_TABSTOP, L"Cancel"},
        {kGridId, ControlKind::Placeholder, {7, 7, 120, 88}, 0, L""},
    };
    return t;
}

bool CDlgSSAsTool::onInitDialog() {
    spread_.createInPlaceOf(this, kGridId, true);
    return true;
}

DlgSSAsTool::~DlgSSAsTool() {
    if (dlg_ && dlg_->isCreated()) dlg_->destroy();
    dlg_.reset();
}

bool DlgSSAsTool::create() {
    if (created_) return true;
    win::Window* mainWnd = adsw_acadMainWnd();
    auto dlg = std::make_unique<CDlgSSAsTool>(mainWnd);
    if (!dlg->create(CDlgSSAsTool::kTemplateName, mainWnd)) return false;
    if (mainWnd) mainWnd->setFocus();
    dlg_ = std::move(dlg);
    created_ = true;
    return true;
}

Zrl_Spread* DlgSSAsTool::sheet() {
    if (!created_ || !dlg_ || !dlg_->spread().isCreated()) return nullptr;
    return &dlg_->spread();
}
