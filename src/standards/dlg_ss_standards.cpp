#include "standards/dlg_ss_standards.h"

#include "frame/module_resources.h"
#include "platform/win/resources.h"

namespace {

void addTemplate(win::ModuleHandle module) {
    win::DialogTemplate t;
    t.id = IDD_DLG_SS_STANDARDS;
    t.width = 320;
    t.height = 200;
    t.caption = L"Standards";
    t.style = win::WS_POPUP | win::WS_CAPTION;
    t.controls = {
        {win::IDOK, win::ControlKind::Button, {209, 179, 259, 193}, win::BS_PUSHBUTTON, L"OK"},
        {win::IDCANCEL,
         win::ControlKind::Button,
         {263, 179, 313, 193},
         win::BS_PUSHBUTTON,
         L"Cancel"},
        {IDC_SS_STANDARDS_SHEET, win::ControlKind::Placeholder, {7, 7, 313, 172}, 0, L""},
    };
    win::registerTemplate(module, std::move(t));
}

const zrlss::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgSSStandards::CDlgSSStandards(win::Window* parent)
    : win::Dialog(IDD_DLG_SS_STANDARDS, parent), parent_(parent) {}

CDlgSSStandards::~CDlgSSStandards() = default;

bool CDlgSSStandards::onInitDialog() {
    sheet.createInPlaceOf(this, IDC_SS_STANDARDS_SHEET, true);
    return true;
}

bool CDlgSSStandards::createHidden() {
    if (!create(IDD_DLG_SS_STANDARDS, parent_)) return false;
    show(false);
    if (sheet.isCreated()) return true;
    destroy();
    return false;
}
