// CDlgEditLibSections: the tab control and its pages.
#include "sections/dlg_edit_lib_sections.h"

#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/resources.h"
#include "platform/win/tab_control.h"

namespace {

constexpr const wchar_t* kSizeName = L"DLG_EDIT_SECTIONLIB";
constexpr int kValuesPage = 2;

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgEditLibSections::dialogTemplate());
});

} // namespace

CDlgEditLibSections::CDlgEditLibSections(win::Window* parent)
    : Dialog(IDD_EDIT_SECTIONLIB, parent) {}

CDlgEditLibSections::~CDlgEditLibSections() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgEditLibSections::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_EDIT_SECTIONLIB;
    t.width = 460;
    t.height = 310;
    t.caption = L"Section library";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_LIB_TAB, ControlKind::TabControl, {5, 5, 455, 285}, tab, L""},
        {win::IDOK, ControlKind::Button, {5, 290, 55, 304}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {60, 290, 110, 304}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgEditLibSections::onInitDialog() {
    minWidth_ = rect().width();
    minHeight_ = rect().height();
    setText(dialString(754).str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    data.GetAvailableFiles();
    if (win::TabControl* tabs = tab(IDC_LIB_TAB)) {
        for (int text : {755, 756, 757})
            tabs->insertItem(tabs->getItemCount(), dialString(text).str());
    }
    groups_.create(IDD_EDITLIB_GROUPS, this);
    types_.create(IDD_EDITLIB_TYPES, this);
    values_.create(IDD_EDITLIB_VALUES, this);
    for (win::Dialog* page : std::initializer_list<win::Dialog*>{&groups_, &types_, &values_}) {
        const win::Rect r = item(IDC_LIB_TAB)->rect();
        page->setRect({r.left + 4, r.top + 24, r.right - 4, r.bottom - 4});
    }
    const bool openTable = !open_.isEmpty() && values_.openTable(open_);
    showPage(openTable ? kValuesPage : 0);

    resizer_.init(this, {CResizer::rule(IDC_LIB_TAB, CResizer::kNear, CResizer::kNear,
                                        CResizer::kFar, CResizer::kFar),
                         CResizer::rule(win::IDOK, CResizer::kNear, CResizer::kFar,
                                        CResizer::kNear, CResizer::kFar),
                         CResizer::rule(win::IDCANCEL, CResizer::kNear, CResizer::kFar,
                                        CResizer::kNear, CResizer::kFar)});
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);
    return true;
}

void CDlgEditLibSections::showPage(int page) {
    if (page == 1) {
        groups_.storeCurrent();
        types_.fillTables();
        types_.refresh();
    }
    page_ = page;
    if (win::TabControl* tabs = tab(IDC_LIB_TAB)) tabs->setCurSel(page);
    groups_.show(page == 0);
    types_.show(page == 1);
    values_.show(page == kValuesPage);
}

bool CDlgEditLibSections::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    if (id == IDC_LIB_TAB && hdr.code == win::TCN_SELCHANGE) {
        if (const win::TabControl* tabs = tab(IDC_LIB_TAB)) showPage(tabs->getCurSel());
        result = 0;
        return true;
    }
    return win::Dialog::onNotify(id, hdr, result);
}

void CDlgEditLibSections::onOK() {
    if (!values_.askSave()) return;
    groups_.storeCurrent();
    types_.storeCurrent();
    win::Dialog::onOK();
}

void CDlgEditLibSections::onCancel() {
    // A changed table is not dropped without a word.
    if (!values_.askSave()) return;
    win::Dialog::onCancel();
}

void CDlgEditLibSections::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized()) return;
    resizer_.move();
    if (const win::Window* tabs = item(IDC_LIB_TAB)) {
        const win::Rect r = tabs->rect();
        for (win::Dialog* page : std::initializer_list<win::Dialog*>{&groups_, &types_, &values_})
            if (page->isCreated()) page->setRect({r.left + 4, r.top + 24, r.right - 4, r.bottom - 4});
    }
}

void CDlgEditLibSections::onDestroy() {
    WriteDlgSize(this, kSizeName);
    win::Dialog::onDestroy();
}

bool StartDlgEditLibSections(DlgEditLibData& data, const Zrl_String& tableName) {
    return zrlss::runModalStarter<CDlgEditLibSections>(data, tableName);
}
