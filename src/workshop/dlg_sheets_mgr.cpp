// The sheets manager and its docking bar.
#include "workshop/dlg_sheets_mgr.h"

#include "frame/export.h"
#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "frame/single_modeless.h"
#include "platform/core/dialog_sizes.h"
#include "platform/host/command_line.h"
#include "platform/win/tab_control.h"
#include "workshop/settings_ids.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgSheetsMgr::dialogTemplate());
});

zrlss::SingleModeless<CSheetsMgrBar>& sheetsMgrBar() {
    static zrlss::SingleModeless<CSheetsMgrBar> bar;
    return bar;
}

// The upper grid's command that asks the core for another sheet format.
constexpr int kChangeFormatItem = 9;
// Width of the grids' first column (the check column), in pixels.
constexpr int kFirstColumnWidth = 20;

Zrl_StringArray cellsOf(const Zrl_String& text) {
    return {L"0", text, L"", L"", L""};
}

} // namespace

CDlgSheetsMgr::CDlgSheetsMgr() : Dialog(IDD_SHEETS_MGR) {}

CDlgSheetsMgr::~CDlgSheetsMgr() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgSheetsMgr::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_SHEETS_MGR;
    t.width = 240;
    t.height = 300;
    t.caption = kCaption;
    t.style = win::WS_CHILD | win::WS_VISIBLE;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST;
    t.controls = {
        {IDC_SM_FILTER_LABEL, ControlKind::Static, {7, 9, 70, 19}, 0, L"Current Filter : "},
        {IDC_SM_FILTER1, ControlKind::ComboBox, {72, 7, 150, 80}, list, L""},
        {IDC_SM_FILTER2, ControlKind::ComboBox, {155, 7, 233, 80}, list, L""},
        {IDC_SM_APPLY_FILTER, ControlKind::Button, {7, 24, 77, 36}, tab, L"Apply Filter"},
        {IDC_SM_MANUAL_SELECT, ControlKind::Button, {81, 24, 151, 36}, tab, L"Manual select"},
        {IDC_SM_RESET, ControlKind::Button, {155, 24, 233, 36}, tab, L"Reset"},
        {IDC_SM_UPPER, ControlKind::Placeholder, {7, 41, 233, 150}, 0, L""},
        {IDC_SM_TAB, ControlKind::TabControl, {7, 155, 233, 255}, tab, L""},
        {IDC_SM_LOWER, ControlKind::Placeholder, {12, 170, 228, 250}, 0, L""},
        {IDC_SM_PREVIOUS, ControlKind::Button, {7, 260, 57, 272}, tab, L"Previous"},
        {IDC_SM_NEXT, ControlKind::Button, {61, 260, 111, 272}, tab, L"Next"},
        {IDC_SM_REVIEW, ControlKind::Button, {115, 260, 165, 272}, tab, L"Review"},
        {IDC_SM_HIDE_SHOW, ControlKind::Button, {169, 260, 233, 272}, tab, L"Hide/Show"},
        {IDC_SM_OUTPUT, ControlKind::Button, {7, 279, 107, 293}, tab, L"Generate Output..."},
    };
    return t;
}

void CDlgSheetsMgr::fillGrid(VkTreeSpread& grid) {
    if (!grid.setupTree(2, 2)) return;
    for (int i = 0; i < data_.length(); ++i) {
        const VkSheetEntry entry = data_.getAt(i);
        const int row = grid.addTopRow(cellsOf(entry.name));
        if (row <= 0) continue;
        for (const Zrl_String& part : entry.parts)
            grid.addChildRow(row, cellsOf(part));
    }
    grid.finishTree();
    grid.setColWidthInPixels(1, kFirstColumnWidth);
}

bool CDlgSheetsMgr::onInitDialog() {
    upperItems_ = {L"New sheet",         L"Edit sheet",         L"Copy sheet",  L"Delete sheet",
                   L"Export sheet",      L"Highlight all in 3D", L"Zoom in 3D", L"Generate DXF/DSTV",
                   L"Set checked status", L"Change format",     L"Properties..."};
    lowerItems_ = {L"Show all sheets of this part", L"Properties..."};
    outputItems_ = {L"Print", L"Generate .dwg files", L"Generate .dxf files", L"Generate NC files"};

    if (win::TabControl* tabs = tab(IDC_SM_TAB)) tabs->insertItem(0, L"Parts");
    upper_.createInPlaceOf(this, IDC_SM_UPPER, true);
    fillGrid(upper_);
    upper_.setPopupActions(upperItems_);
    lower_.createInPlaceOf(this, IDC_SM_LOWER, true);
    fillGrid(lower_);
    lower_.setPopupActions(lowerItems_);

    int width = kStartWidth;
    int height = kStartHeight;
    getSafeDlgSize(width, height);
    startSize_ = {width, height};
    using R = CResizer;
    resizer_.init(this, {R::rule(IDC_SM_UPPER, R::kNear, R::kNear, R::kFar, R::kProportional),
                         R::rule(IDC_SM_TAB, R::kNear, R::kProportional, R::kFar, R::kFar),
                         R::rule(IDC_SM_LOWER, R::kNear, R::kProportional, R::kFar, R::kFar),
                         R::rule(IDC_SM_PREVIOUS, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(IDC_SM_NEXT, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(IDC_SM_REVIEW, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(IDC_SM_HIDE_SHOW, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(IDC_SM_OUTPUT, R::kNear, R::kFar, R::kNear, R::kFar)});
    outputMenu_.clear();
    for (const Zrl_String& item : outputItems_)
        outputMenu_.addEntry(1, item);
    return true;
}

void CDlgSheetsMgr::menuItemChosen(const Zrl_StringArray& items, int position) {
    if (position < 0 || position >= items.length()) return;
    acutPrintf(L"\nMenu item \"%ls\" pressed.", items[position].c_str());
}

win::LRESULT CDlgSheetsMgr::windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // A grid's popup action: the grid's id with the action's index.
    if (msg == win::WM_COMMAND && (wParam == static_cast<win::WPARAM>(IDC_SM_UPPER) ||
                                   wParam == static_cast<win::WPARAM>(IDC_SM_LOWER))) {
        const bool upper = wParam == static_cast<win::WPARAM>(IDC_SM_UPPER);
        const int position = static_cast<int>(lParam);
        menuItemChosen(upper ? upperItems_ : lowerItems_, position);
        if (upper && position == kChangeFormatItem) data_.changeFormatCmd(L"A4");
        return 0;
    }
    return win::Dialog::windowProc(msg, wParam, lParam);
}

bool CDlgSheetsMgr::onCommand(int id, int notifyCode) {
    if (id == IDC_SM_OUTPUT && notifyCode == win::BN_CLICKED) {
        win::Window* button = item(IDC_SM_OUTPUT);
        if (!button) return true;
        // The menu opens right below the button.
        const win::Rect r = button->rect();
        menuItemChosen(outputItems_, dynMenu::positionOf(outputMenu_.show(
                                         clientToScreen({r.left, r.bottom}), nullptr)));
        return true;
    }
    return false;
}

bool CDlgSheetsMgr::preTranslateMessage(const win::Message& msg) {
    // Escape would close the docked window.
    if (msg.message == win::WM_KEYDOWN && msg.wParam == static_cast<win::WPARAM>(win::VK_ESCAPE))
        return true;
    return win::Dialog::preTranslateMessage(msg);
}

void CDlgSheetsMgr::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (resizer_.isInitialized()) resizer_.move();
}

win::LRESULT CSheetsMgrBar::windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_CLOSE && sheetsMgrBar().get() == this) {
        EndModelessDlgSheetsMgr();
        return 0;
    }
    return CVkDockControlBar::windowProc(msg, wParam, lParam);
}

ZRLSS_EXPORT bool StartModelessDlgSheetsMgr(const VkSheetsMgrDlgData& data) {
    try {
        zrlss::ResourceScope resources;
        return zrlss::startDockedSingle<CSheetsMgrBar>(
            sheetsMgrBar(), [&]() -> std::unique_ptr<CSheetsMgrBar> {
                auto dlg = std::make_unique<CDlgSheetsMgr>();
                dlg->record() = data;
                auto bar = std::make_unique<CSheetsMgrBar>(std::move(dlg), IDD_SHEETS_MGR);
                // A bar that failed is not kept: the next start makes a new one.
                if (!bar->createDocked(CDlgSheetsMgr::kCaption, CDlgSheetsMgr::kToolId))
                    return nullptr;
                return bar;
            });
    } catch (...) {
        return false;
    }
}

ZRLSS_EXPORT bool EndModelessDlgSheetsMgr() {
    try {
        return zrlss::endDockedSingle(sheetsMgrBar());
    } catch (...) {
        return false;
    }
}

CDlgSheetsMgr* openSheetsMgr() {
    CSheetsMgrBar* bar = sheetsMgrBar().get();
    return bar ? dynamic_cast<CDlgSheetsMgr*>(bar->dialog()) : nullptr;
}
