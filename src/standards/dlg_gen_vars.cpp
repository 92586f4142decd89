#include "standards/dlg_gen_vars.h"

#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/win/resources.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kSizeName = L"DLG_GENVARS";
constexpr int kIconUp = 257;
constexpr int kIconDown = 258;
// Columns of the two grids: the data columns and the "..." button column.
constexpr int kDwgCols = 4;
constexpr int kStdCols = 5;

void addTemplate(win::ModuleHandle module) {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DLG_GENVARS;
    t.width = 400;
    t.height = 300;
    t.caption = L"General variables";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_THICKFRAME;
    const std::uint32_t group = win::BS_GROUPBOX;
    const std::uint32_t push = win::BS_PUSHBUTTON;
    const std::uint32_t icon = win::BS_PUSHBUTTON | win::BS_ICON;
    t.controls = {
        {IDC_GENVARS_DWG_GROUP, ControlKind::Button, {7, 7, 393, 140}, group, L"Drawing"},
        {IDC_GENVARS_DWG_GRID, ControlKind::Placeholder, {14, 20, 350, 115}, 0, L""},
        {IDC_GENVARS_DWG_ADD, ControlKind::Button, {276, 119, 311, 133}, push, L"Add"},
        {IDC_GENVARS_DWG_REMOVE, ControlKind::Button, {315, 119, 350, 133}, push, L"Remove"},
        {IDC_GENVARS_DWG_UP, ControlKind::Button, {356, 20, 386, 36}, icon, L""},
        {IDC_GENVARS_DWG_DOWN, ControlKind::Button, {356, 40, 386, 56}, icon, L""},
        {IDC_GENVARS_STD_GROUP, ControlKind::Button, {7, 144, 393, 270}, group, L"Standard"},
        {IDC_GENVARS_STD_GRID, ControlKind::Placeholder, {14, 157, 350, 245}, 0, L""},
        {IDC_GENVARS_STD_ADD, ControlKind::Button, {276, 249, 311, 263}, push, L"Add"},
        {IDC_GENVARS_STD_REMOVE, ControlKind::Button, {315, 249, 350, 263}, push, L"Remove"},
        {IDC_GENVARS_STD_UP, ControlKind::Button, {356, 157, 386, 173}, icon, L""},
        {IDC_GENVARS_STD_DOWN, ControlKind::Button, {356, 177, 386, 193}, icon, L""},
        {win::IDOK, ControlKind::Button, {7, 278, 57, 292}, win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {61, 278, 111, 292}, push, L"Cancel"},
    };
    win::registerTemplate(module, std::move(t));
}

const zrlss::ResourceRegistrar registrar(addTemplate);

// The 14 resizing rules: the top group stretches in width and takes a fixed
// share of the height; the bottom group fills the rest; each grid fills its
// group; the row buttons keep their distance to the right edge and stay with
// their grid; OK and Cancel stay at the bottom left.
std::vector<CResizer::Rule> resizeRules() {
    using R = CResizer;
    const auto belowTop = R::follow(IDC_GENVARS_DWG_GROUP, R::kBottom);
    const auto belowStdTop = R::follow(IDC_GENVARS_STD_GROUP, R::kTop);
    std::vector<R::Rule> rules = {
        R::rule(IDC_GENVARS_DWG_GROUP, R::kNear, R::kNear, R::kFar, R::kProportional),
        {IDC_GENVARS_DWG_GRID, {R::kNear}, {R::kNear}, {R::kFar}, belowTop},
        {IDC_GENVARS_DWG_ADD, {R::kFar}, belowTop, {R::kFar}, belowTop},
        {IDC_GENVARS_DWG_REMOVE, {R::kFar}, belowTop, {R::kFar}, belowTop},
        R::rule(IDC_GENVARS_DWG_UP, R::kFar, R::kNear, R::kFar, R::kNear),
        R::rule(IDC_GENVARS_DWG_DOWN, R::kFar, R::kNear, R::kFar, R::kNear),
        {IDC_GENVARS_STD_GROUP, {R::kNear}, belowTop, {R::kFar}, {R::kFar}},
        {IDC_GENVARS_STD_GRID, {R::kNear}, belowStdTop, {R::kFar}, {R::kFar}},
        R::rule(IDC_GENVARS_STD_ADD, R::kFar, R::kFar, R::kFar, R::kFar),
        R::rule(IDC_GENVARS_STD_REMOVE, R::kFar, R::kFar, R::kFar, R::kFar),
        {IDC_GENVARS_STD_UP, {R::kFar}, belowStdTop, {R::kFar}, belowStdTop},
        {IDC_GENVARS_STD_DOWN, {R::kFar}, belowStdTop, {R::kFar}, belowStdTop},
        R::rule(win::IDOK, R::kNear, R::kFar, R::kNear, R::kFar),
        R::rule(win::IDCANCEL, R::kNear, R::kFar, R::kNear, R::kFar),
    };
    return rules;
}

void setHeaders(Zrl_Spread& grid, std::initializer_list<int> texts) {
    int col = 1;
    for (int n : texts)
        grid.setCellData(col++, Zrl_Spread::kHeader, dialString(n));
}

} // namespace

CDlgGenVars::CDlgGenVars(win::Window* parent) : win::Dialog(IDD_DLG_GENVARS, parent) {}

CDlgGenVars::~CDlgGenVars() = default;

Zrl_String CDlgGenVars::filterFolder() {
    return Zrl_Settings::libDir() + L"Macros\\";
}

bool CDlgGenVars::onInitDialog() {
    minWidth_ = rect().width();
    minHeight_ = rect().height();

    dwgGrid_.createInPlaceOf(this, IDC_GENVARS_DWG_GRID, true);
    stdGrid_.createInPlaceOf(this, IDC_GENVARS_STD_GRID, true);
    for (Zrl_Spread* grid : {&dwgGrid_, &stdGrid_}) {
        grid->setLook(1);
        grid->setLayout(1);
    }
    dwgGrid_.setMaxCols(kDwgCols);
    stdGrid_.setMaxCols(kStdCols);
    setHeaders(dwgGrid_, {1543, 86, 347});
    setHeaders(stdGrid_, {1543, 86, 1765, 347});

    resizer_.init(this, resizeRules());
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);

    const struct {
        CButtonST* button;
        int id, icon, tip;
    } arrows[] = {{&dwgUp_, IDC_GENVARS_DWG_UP, kIconUp, 173},
                  {&dwgDown_, IDC_GENVARS_DWG_DOWN, kIconDown, 174},
                  {&stdUp_, IDC_GENVARS_STD_UP, kIconUp, 173},
                  {&stdDown_, IDC_GENVARS_STD_DOWN, kIconDown, 174}};
    for (const auto& a : arrows) {
        a.button->SubclassDlgItem(a.id, this);
        a.button->SetIcon(a.icon);
        a.button->SetTooltipText(dialString(a.tip));
    }
    setText(dialString(1764).str());
    setItemText(IDC_GENVARS_DWG_GROUP, dialString(1762).str());
    setItemText(IDC_GENVARS_STD_GROUP, dialString(1763).str());
    for (int id : {IDC_GENVARS_DWG_ADD, IDC_GENVARS_STD_ADD})
        setItemText(id, dialString(606).str());
    for (int id : {IDC_GENVARS_DWG_REMOVE, IDC_GENVARS_STD_REMOVE})
        setItemText(id, dialString(607).str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());

    const Zrl_StringArray* dwg[] = {&data.dwgGenVars(), &data.dwgGenValues(),
                                    &data.dwgGenFilters()};
    fillGrid(dwgGrid_, dwg, 3);
    const Zrl_StringArray* stdLists[] = {&data.stdGenVars(), &data.stdGenValues(),
                                         &data.stdGenOverrides(), &data.stdGenFilters()};
    fillGrid(stdGrid_, stdLists, 4);
    return true;
}

void CDlgGenVars::fillGrid(Zrl_Spread& grid, const Zrl_StringArray* const* lists, int count) {
    grid.setMaxRows(std::max(lists[0]->length(), 1));
    for (int i = 0; i < count; ++i)
        grid.setColumnTexts(i + 1, *lists[i], false);
    formatGrid(grid);
}

void CDlgGenVars::readGrid(Zrl_Spread& grid, Zrl_StringArray* const* lists, int count) {
    for (int i = 0; i < count; ++i)
        grid.getColumnValues(i + 1, *lists[i]);
}

void CDlgGenVars::formatGrid(Zrl_Spread& grid) {
    grid.removeAllSpans();
    grid.spanEqualRuns(1);
    const int last = grid.getMaxCols();
    const int rows = grid.getMaxRows();
    if (rows > 0) grid.setButtonType(last, 1, last, rows, L"...");
}

void CDlgGenVars::chooseFilterPaths(Zrl_Spread& grid) {
    const Zrl_String folder = filterFolder();
    Zrl_StringArray chosen;
    if (!DlgOpenMulti(true, L"dwg", L"CAD Drawing",
                      L"Select the drawings and folders that apply to this general variable",
                      folder, chosen, this))
        return;
    const int row = grid.activeRow();
    const int filterCol = grid.getMaxCols() - 1;
    Zrl_String current;
    if (!grid.getCellText(filterCol, row, current, Zrl_Spread::kText)) return;
    Zrl_StringArray paths;
    strToArr(current, paths, L';');
    for (int i = 0; i < chosen.length(); ++i)
        if (chosen[i].startsWith(folder, false))
            paths.append(chosen[i].getSubStringAt(folder.length()));
    grid.setCellData(filterCol, row, arrToStr(paths, L';'));
}

bool CDlgGenVars::rowCommand(int id) {
    const bool top = id < IDC_GENVARS_STD_GROUP;
    Zrl_Spread& grid = top ? dwgGrid_ : stdGrid_;
    switch (top ? id : id - (IDC_GENVARS_STD_GROUP - IDC_GENVARS_DWG_GROUP)) {
    case IDC_GENVARS_DWG_ADD:
        grid.insertRow(std::max(grid.activeRow(), 1), false, true);
        break;
    case IDC_GENVARS_DWG_REMOVE:
        grid.deleteActiveRow();
        break;
    case IDC_GENVARS_DWG_UP:
        grid.moveActiveRowUp();
        break;
    case IDC_GENVARS_DWG_DOWN:
        grid.moveActiveRowDown();
        break;
    default:
        return false;
    }
    formatGrid(grid);
    return true;
}

bool CDlgGenVars::onCommand(int id, int notifyCode) {
    if (id == IDC_GENVARS_DWG_GRID || id == IDC_GENVARS_STD_GRID) {
        Zrl_Spread& grid = id == IDC_GENVARS_DWG_GRID ? dwgGrid_ : stdGrid_;
        if (notifyCode == Zrl_Spread::kNotifyClick && grid.activeCol() == grid.getMaxCols())
            chooseFilterPaths(grid);
        return true;
    }
    if (notifyCode == win::BN_CLICKED && rowCommand(id)) return true;
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgGenVars::onOK() {
    Zrl_StringArray* dwg[] = {&data.dwgGenVars(), &data.dwgGenValues(), &data.dwgGenFilters()};
    readGrid(dwgGrid_, dwg, 3);
    Zrl_StringArray* stdLists[] = {&data.stdGenVars(), &data.stdGenValues(),
                                   &data.stdGenOverrides(), &data.stdGenFilters()};
    readGrid(stdGrid_, stdLists, 4);
    win::Dialog::onOK();
}

void CDlgGenVars::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    const win::Rect r = rect();
    if (resizer_.isInitialized() && (r.width() < minWidth_ || r.height() < minHeight_)) {
        setRect({r.left, r.top, r.left + std::max(r.width(), minWidth_),
                 r.top + std::max(r.height(), minHeight_)});
        return;
    }
    if (resizer_.isInitialized()) resizer_.move();
}

void CDlgGenVars::onDestroy() {
    WriteDlgSize(this, kSizeName);
    win::Dialog::onDestroy();
}

bool StartDlgGenVars(VkAutoStandardsData& data) {
    return zrlss::runModalStarter<CDlgGenVars>(data);
}
