// Zrl_DlgCSP2: the cutting-stock dialog and its starter.
#include "cuttingstock/dlg_csp2.h"

#include "cuttingstock/stock_files.h"
#include "cuttingstock/stock_lists.h"
#include "frame/dlg_prompt_string.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/file_time_text.h"
#include "platform/core/files.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/file_dialog.h"
#include "platform/win/message_box.h"
#include "platform/win/resources.h"

#include <algorithm>

namespace {

constexpr int kIconAddRow = 212;
constexpr int kIconDeleteRow = 206;
constexpr int kIconLoad = 232;
constexpr int kIconSave = 233;
constexpr int kRuleLength = 116;
constexpr const wchar_t* kTimeFormat = L"%d %B, %Y (%H:%M)";

// The controls of one list.
struct Pane {
    int group, grid, add, del, load, save;
    int caption;           // the group's text, also the file dialogs' file type
    const wchar_t* extension; // of its stock files; null for the pieces
};
constexpr Pane kPanes[3] = {
    {IDC_CSP2_PIECES_GROUP, IDC_CSP2_PIECES_GRID, IDC_CSP2_PIECES_ADD, IDC_CSP2_PIECES_DELETE, 0,
     0, 625, nullptr},
    {IDC_CSP2_SHOP_GROUP, IDC_CSP2_SHOP_GRID, IDC_CSP2_SHOP_ADD, IDC_CSP2_SHOP_DELETE,
     IDC_CSP2_SHOP_LOAD, IDC_CSP2_SHOP_SAVE, 626, stock::kShopExtension},
    {IDC_CSP2_BUY_GROUP, IDC_CSP2_BUY_GRID, IDC_CSP2_BUY_ADD, IDC_CSP2_BUY_DELETE,
     IDC_CSP2_BUY_LOAD, IDC_CSP2_BUY_SAVE, 627, stock::kPurchaseExtension},
};

// The ten icon buttons: id, icon and tooltip text.
struct IconButton {
    int id, icon, tip;
};
constexpr IconButton kIcons[10] = {
    {IDC_CSP2_PIECES_ADD, kIconAddRow, 616}, {IDC_CSP2_PIECES_DELETE, kIconDeleteRow, 617},
    {IDC_CSP2_SHOP_ADD, kIconAddRow, 616},   {IDC_CSP2_SHOP_DELETE, kIconDeleteRow, 617},
    {IDC_CSP2_SHOP_LOAD, kIconLoad, 618},    {IDC_CSP2_SHOP_SAVE, kIconSave, 619},
    {IDC_CSP2_BUY_ADD, kIconAddRow, 616},    {IDC_CSP2_BUY_DELETE, kIconDeleteRow, 617},
    {IDC_CSP2_BUY_LOAD, kIconLoad, 618},     {IDC_CSP2_BUY_SAVE, kIconSave, 619},
};

// What result mode leaves untouchable: the profiles' buttons, the pieces
// and the purchase lists.
constexpr int kResultModeDisabled[] = {
    IDC_CSP2_ADD_PROFILE, IDC_CSP2_REMOVE_PROFILE, IDC_CSP2_FRAME,       IDC_CSP2_PIECES_GROUP,
    IDC_CSP2_PIECES_GRID, IDC_CSP2_PIECES_ADD,     IDC_CSP2_PIECES_DELETE, IDC_CSP2_BUY_GROUP,
    IDC_CSP2_BUY_GRID,    IDC_CSP2_BUY_ADD,        IDC_CSP2_BUY_DELETE,  IDC_CSP2_BUY_LOAD,
    IDC_CSP2_BUY_SAVE,
};

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, Zrl_DlgCSP2::dialogTemplate());
});

// The resizing rules: the three groups share the width in thirds and
// stretch in height; each grid fills its group; the row buttons stay under
// their grid, the add and delete buttons at its left edge, load and save at
// its right; OK and Cancel at the bottom left, the bottom command and the
// check box at the bottom right.
std::vector<CResizer::Rule> resizeRules() {
    using R = CResizer;
    std::vector<R::Rule> rules = {
        R::rule(IDC_CSP2_PROFILE_LABEL, R::kNear, R::kNear, R::kNear, R::kNear),
        R::rule(IDC_CSP2_PROFILE, R::kNear, R::kNear, R::kFar, R::kNear),
        R::rule(IDC_CSP2_ADD_PROFILE, R::kFar, R::kNear, R::kFar, R::kNear),
        R::rule(IDC_CSP2_REMOVE_PROFILE, R::kFar, R::kNear, R::kFar, R::kNear),
        R::rule(IDC_CSP2_FRAME, R::kNear, R::kNear, R::kFar, R::kFar),
        R::rule(IDC_CSP2_PIECES_GROUP, R::kNear, R::kNear, R::kProportional, R::kFar),
        R::rule(IDC_CSP2_SHOP_GROUP, R::kProportional, R::kNear, R::kProportional, R::kFar),
        R::rule(IDC_CSP2_BUY_GROUP, R::kProportional, R::kNear, R::kFar, R::kFar),
    };
    for (const Pane& p : kPanes) {
        rules.push_back({p.grid, R::follow(p.group, R::kLeft), R::follow(p.group, R::kTop),
                         R::follow(p.group, R::kRight), R::follow(p.group, R::kBottom)});
        for (int id : {p.add, p.del})
            rules.push_back({id, R::follow(p.grid, R::kLeft), {R::kFar}, R::follow(p.grid, R::kLeft),
                             {R::kFar}});
        for (int id : {p.load, p.save})
            if (id != 0)
                rules.push_back({id, R::follow(p.grid, R::kRight), {R::kFar},
                                 R::follow(p.grid, R::kRight), {R::kFar}});
    }
    for (int id : {win::IDOK, win::IDCANCEL})
        rules.push_back(R::rule(id, R::kNear, R::kFar, R::kNear, R::kFar));
    for (int id : {IDC_CSP2_ALL, IDC_CSP2_ASK_FILES})
        rules.push_back(R::rule(id, R::kFar, R::kFar, R::kFar, R::kFar));
    return rules;
}

Zrl_String quoted(const Zrl_String& text) {
    return L"\"" + text + L"\"";
}

} // namespace

Zrl_DlgCSP2::Zrl_DlgCSP2(win::Window* parent) : win::Dialog(IDD_OPTIMIZECSP2, parent) {}

Zrl_DlgCSP2::~Zrl_DlgCSP2() {
    if (isCreated()) destroy();
}

win::DialogTemplate Zrl_DlgCSP2::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_OPTIMIZECSP2;
    t.width = 560;
    t.height = 300;
    t.caption = L"Cutting stock";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t push = tab | win::BS_PUSHBUTTON;
    const std::uint32_t icon = tab | win::BS_PUSHBUTTON | win::BS_ICON;
    const std::uint32_t group = win::BS_GROUPBOX;
    t.controls = {
        {IDC_CSP2_PROFILE_LABEL, ControlKind::Static, {7, 9, 42, 19}, 0, L"Profile:"},
        {IDC_CSP2_PROFILE,
         ControlKind::ComboBox,
         {46, 7, 400, 100},
         tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL,
         L""},
        {IDC_CSP2_ADD_PROFILE, ControlKind::Button, {406, 6, 470, 20}, push, L"Add"},
        {IDC_CSP2_REMOVE_PROFILE, ControlKind::Button, {474, 6, 553, 20}, push, L"Remove"},
        {IDC_CSP2_FRAME, ControlKind::Button, {7, 26, 553, 270}, group, L""},
    };
    const int lefts[3] = {12, 190, 374};
    const int rights[3] = {186, 370, 548};
    for (int i = 0; i < 3; ++i) {
        const Pane& p = kPanes[i];
        const int l = lefts[i], r = rights[i];
        t.controls.push_back({p.group, ControlKind::Button, {l, 36, r, 264}, group, L""});
        t.controls.push_back({p.grid, ControlKind::Placeholder, {l + 6, 48, r - 6, 236}, 0, L""});
        t.controls.push_back({p.add, ControlKind::Button, {l + 6, 242, l + 22, 258}, icon, L""});
        t.controls.push_back({p.del, ControlKind::Button, {l + 26, 242, l + 42, 258}, icon, L""});
        if (p.load != 0) {
            t.controls.push_back(
                {p.load, ControlKind::Button, {r - 46, 242, r - 30, 258}, icon, L""});
            t.controls.push_back(
                {p.save, ControlKind::Button, {r - 26, 242, r - 6, 258}, icon, L""});
        }
    }
    t.controls.push_back(
        {win::IDOK, ControlKind::Button, {7, 278, 57, 292}, tab | win::BS_DEFPUSHBUTTON, L"OK"});
    t.controls.push_back({win::IDCANCEL, ControlKind::Button, {61, 278, 111, 292}, push, L"Cancel"});
    t.controls.push_back({IDC_CSP2_ASK_FILES,
                          ControlKind::Button,
                          {200, 280, 398, 292},
                          tab | win::BS_AUTOCHECKBOX,
                          L""});
    t.controls.push_back({IDC_CSP2_ALL, ControlKind::Button, {403, 278, 553, 292}, push, L""});
    return t;
}

const CButtonST& Zrl_DlgCSP2::iconButton(int id) const {
    for (size_t i = 0; i < icons_.size(); ++i)
        if (kIcons[i].id == id) return icons_[i];
    return icons_.front();
}

DlgCSP2List& Zrl_DlgCSP2::list(ListKind kind) {
    return kind == kPieces ? data.pieces : kind == kShop ? data.shop : data.purchase;
}

bool Zrl_DlgCSP2::onInitDialog() {
    // The template's size is the smallest; the stored size is where the
    // dialog opens.
    minWidth_ = rect().width();
    minHeight_ = rect().height();

    // Profiles without a partner entry (ids and names of unequal length)
    // cannot be shown or chosen: the arrays are cut to their pairs.
    const int profiles = stock::profileCount(data);
    data.profileIds.setLogicalLength(profiles);
    data.profileNames.setLogicalLength(profiles);

    for (int i = 0; i < 3; ++i) {
        grids_[i].createInPlaceOf(this, kPanes[i].grid, true);
        grids_[i].setLook(0);
        grids_[i].setLayout(1);
    }
    for (size_t i = 0; i < icons_.size(); ++i) {
        icons_[i].SubclassDlgItem(kIcons[i].id, this);
        icons_[i].SetIcon(kIcons[i].icon);
        icons_[i].SetTooltipText(dialString(kIcons[i].tip));
    }

    setText(dialString(620).str());
    const struct {
        int id, text;
    } texts[] = {{IDC_CSP2_PROFILE_LABEL, 621}, {IDC_CSP2_ADD_PROFILE, 622},
                 {IDC_CSP2_REMOVE_PROFILE, 623}, {IDC_CSP2_FRAME, 624},
                 {IDC_CSP2_PIECES_GROUP, 625},  {IDC_CSP2_SHOP_GROUP, 626},
                 {IDC_CSP2_BUY_GROUP, 627},     {IDC_CSP2_ALL, data.resultMode ? 628 : 629},
                 {IDC_CSP2_ASK_FILES, 630},     {win::IDOK, 1},
                 {win::IDCANCEL, 2}};
    for (const auto& t : texts)
        setItemText(t.id, dialString(t.text).str());

    FillCombo(this, IDC_CSP2_PROFILE, data.profileNames);
    if (profiles > 0) {
        combo(IDC_CSP2_PROFILE)->setCurSel(0);
        current_ = data.profileIds[0];
    }
    fillGrids();

    if (data.resultMode) {
        for (int id : kResultModeDisabled)
            EnDisCtrl(this, id, false);
    } else {
        ShowOrHideCtrl(this, IDC_CSP2_ASK_FILES, false);
    }

    resizer_.init(this, resizeRules());
    ChangeDlgSize(this, IDD_OPTIMIZECSP2, minWidth_, minHeight_);
    return true;
}

void Zrl_DlgCSP2::fillGrids() {
    for (ListKind kind : {kPieces, kShop, kPurchase})
        fillGrid(kind);
}

void Zrl_DlgCSP2::fillGrid(ListKind kind) {
    Zrl_Spread& grid = grids_[kind];
    grid.setMaxRows(0);
    if (current_ == -1 || combo(IDC_CSP2_PROFILE)->getCount() == 0) return;
    const DlgCSP2List& rowsOf = list(kind);
    const Zrl_StringArrayArray rows = stock::profileRows(rowsOf, current_);
    // As many columns as titles, or more for a longer row, so that no cell
    // is dropped; at least one, so that an empty row can be shown.
    int cols = std::max(rowsOf.titles.length(), 1);
    for (const Zrl_StringArray& row : rows)
        cols = std::max(cols, row.length());
    grid.setMaxCols(cols);
    for (int c = 1; c <= cols; ++c)
        grid.setCellData(c, Zrl_Spread::kHeader,
                         c <= rowsOf.titles.length() ? rowsOf.titles[c - 1] : Zrl_String());
    grid.setMaxRows(rows.length());
    for (int r = 0; r < rows.length(); ++r)
        grid.setRowTexts(r + 1, rows[r]);
    grid.applyLayout();
}

void Zrl_DlgCSP2::storeGrids() {
    if (current_ == -1) return;
    for (ListKind kind : {kPieces, kShop, kPurchase}) {
        const Zrl_Spread& grid = grids_[kind];
        Zrl_StringArrayArray rows;
        const int count = std::max(grid.getMaxRows(), 0);
        rows.setPhysicalLength(count);
        Zrl_StringArray cells;
        for (int r = 1; r <= count; ++r) {
            grid.getRowTexts(r, cells, Zrl_Spread::kText);
            rows.append(cells);
        }
        stock::replaceProfileRows(list(kind), current_, std::move(rows));
    }
}

void Zrl_DlgCSP2::switchTo(int comboIndex) {
    if (comboIndex < 0 || comboIndex >= data.profileIds.length()) return;
    if (current_ != -1) storeGrids();
    current_ = data.profileIds[comboIndex];
    fillGrids();
}

void Zrl_DlgCSP2::addProfile() {
    Zrl_DlgPromptString dlg(dialString(631), dialString(632), dialString(171), dialString(1),
                            dialString(2), this);
    const auto name = promptStringUntil(dlg, [this](const Zrl_String& text) {
        if (stock::isValidProfileName(text)) return true;
        if (!warnInvalidFileName(text, this))
            win::messageBox(this, (quoted(text) + L"\n" + dialString(2544)).str(),
                            dialString(620).str(), win::MB_OK | win::MB_ICONEXCLAMATION);
        return false;
    });
    if (!name) return;
    data.profileIds.append(stock::nextProfileId(data.profileIds));
    data.profileNames.append(*name);
    win::ComboBox* box = combo(IDC_CSP2_PROFILE);
    box->addString(name->str());
    box->setCurSel(box->getCount() - 1);
    switchTo(box->getCount() - 1);
}

void Zrl_DlgCSP2::removeProfile() {
    win::ComboBox* box = combo(IDC_CSP2_PROFILE);
    const int index = box->getCurSel();
    if (index < 0 || index >= data.profileIds.length()) return;
    const int id = data.profileIds[index];
    for (ListKind kind : {kPieces, kShop, kPurchase})
        stock::removeProfileRows(list(kind), id);
    box->deleteString(index);
    data.profileIds.removeAt(index);
    data.profileNames.removeAt(index);
    const int left = data.profileIds.length();
    current_ = -1;
    if (left > 0) {
        const int next = std::min(index, left - 1);
        box->setCurSel(next);
        current_ = data.profileIds[next];
    }
    fillGrids();
}

void Zrl_DlgCSP2::rowCommand(ListKind kind, bool add) {
    if (current_ == -1) return;
    Zrl_Spread& grid = grids_[kind];
    const int rows = grid.getMaxRows();
    if (!add) {
        grid.deleteActiveRow();
        return;
    }
    // Below the active row; the first row of an empty grid.
    grid.insertRow(rows <= 0 ? 1 : std::clamp(grid.activeRow(), 1, rows) + 1, false, true);
}

namespace {

// The file dialog of a load or save button: the group's text as the file
// type, only files of the list's extension.
bool askStockFile(win::Window* parent, bool open, int caption, const Zrl_String& extension,
                  const Zrl_String& folder, Zrl_String& path) {
    win::FileDialogRequest r;
    r.save = !open;
    r.fileMustExist = open;
    r.parent = parent;
    r.title = dialString(open ? 618 : 619).str();
    r.filter = (dialString(caption) + L" (*." + extension + L")|*." + extension + L"||").str();
    r.defaultExt = extension.str();
    r.initialDir = folder.str();
    r.fileName = path.str();
    const win::FileDialogResult answer = win::fileDialog(r);
    if (!answer.ok || answer.path().empty()) return false;
    path = Zrl_String(answer.path());
    return true;
}

} // namespace

Zrl_DlgCSP2::StockOp Zrl_DlgCSP2::loadStock(int index, ListKind kind, bool fileDialog) {
    const Pane& pane = kPanes[kind];
    const Zrl_String extension = pane.extension ? pane.extension : L"";
    if (index < 0 || index >= data.profileIds.length() || !stock::isStockExtension(extension))
        return {};
    const Zrl_String& name = data.profileNames[index];
    // A name that cannot be a folder name touches no file.
    if (!stock::isValidProfileName(name)) return {StockOutcome::Unreadable, name};
    // The file dialog starts in the folder, so it is made; without one there
    // is nothing to read in a folder that does not exist.
    if (fileDialog) stock::ensureStockFolder(name);
    const Zrl_String folder = stock::stockFolder(name);
    Zrl_String path;
    const bool found = stock::latestStockFile(folder, extension, path);
    if (fileDialog) {
        if (!found) path = folder + L"*." + extension;
        if (!askStockFile(this, true, pane.caption, extension, folder, path)) return {};
        path = stock::chosenStockPath(path, extension);
    } else if (!found) {
        return {StockOutcome::Missing, Zrl_String()};
    }
    Zrl_StringArrayArray rows;
    if (!stock::readStockFile(path, rows)) return {StockOutcome::Unreadable, path};
    stock::replaceProfileRows(list(kind), data.profileIds[index], std::move(rows));
    return {StockOutcome::Done, path};
}

Zrl_DlgCSP2::StockOp Zrl_DlgCSP2::saveStock(int index, ListKind kind, bool fileDialog) {
    const Pane& pane = kPanes[kind];
    const Zrl_String extension = pane.extension ? pane.extension : L"";
    if (index < 0 || index >= data.profileIds.length() || !stock::isStockExtension(extension))
        return {};
    const Zrl_String& name = data.profileNames[index];
    if (!stock::isValidProfileName(name)) return {StockOutcome::Unwritable, name};
    const Zrl_StringArrayArray rows = stock::profileRows(list(kind), data.profileIds[index]);
    // Refused before anything is asked: such a list cannot be saved at all.
    const int bad = stock::firstUnsavableRow(rows);
    if (bad >= 0) return {StockOutcome::Unsavable, name, bad};
    stock::ensureStockFolder(name);
    const Zrl_String folder = stock::stockFolder(name);
    Zrl_String path = stock::nextStockPath(folder, extension);
    if (fileDialog && !askStockFile(this, false, pane.caption, extension, folder, path)) return {};
    path = stock::chosenStockPath(path, extension);
    if (stock::writeStockFile(path, rows) != stock::WriteResult::Written)
        return {StockOutcome::Unwritable, path};
    return {StockOutcome::Done, path};
}

Zrl_String Zrl_DlgCSP2::failureText(const StockOp& op) const {
    switch (op.outcome) {
    case StockOutcome::Unreadable:
        return dialString(2541) + L"\n" + op.path;
    case StockOutcome::Unwritable:
        return dialString(2542) + L"\n" + op.path;
    case StockOutcome::Unsavable:
        return quoted(op.path) + L": " + dialString(2543) + L" " + Zrl_String(op.badRow + 1);
    default:
        return {};
    }
}

void Zrl_DlgCSP2::loadSaveButton(ListKind kind, bool load) {
    const int index = combo(IDC_CSP2_PROFILE)->getCurSel();
    if (index < 0 || current_ == -1) return;
    storeGrids();
    const StockOp op = load ? loadStock(index, kind, true) : saveStock(index, kind, true);
    if (op.outcome == StockOutcome::Done && load) fillGrid(kind);
    const Zrl_String failure = failureText(op);
    if (!failure.isEmpty())
        win::messageBox(this, failure.str(), dialString(620).str(),
                        win::MB_OK | win::MB_ICONEXCLAMATION);
}

void Zrl_DlgCSP2::loadLatestAll() {
    storeGrids();
    const Zrl_String rule(L'-', kRuleLength);
    report_ = DlgInfoData();
    report_.title = dialString(652);
    report_.subtitle = dialString(285);
    report_.lines.append(rule);
    const struct {
        ListKind kind;
        int missing, loaded;
    } kinds[] = {{kShop, 633, 635}, {kPurchase, 637, 638}};
    for (int i = 0; i < data.profileIds.length(); ++i) {
        const Zrl_String forProfile = dialString(634) + L" " + quoted(data.profileNames[i]);
        for (const auto& k : kinds) {
            if (k.kind == kPurchase) report_.lines.append(Zrl_String());
            const StockOp op = loadStock(i, k.kind, false);
            Zrl_String line;
            if (op.outcome == StockOutcome::Done) {
                std::int64_t time = 0;
                Zrl_String when;
                if (ObjectExportGetFileTime(op.path, time)) when = formatFileTime(time, kTimeFormat);
                line = dialString(k.loaded) + L" " + quoted(getFileName(op.path)) + L" " +
                       forProfile + L" " + dialString(636) + L" " + when;
            } else if (op.outcome == StockOutcome::Unreadable) {
                line = dialString(2541) + L" " + quoted(getFileName(op.path)) + L" " + forProfile +
                       L".";
            } else {
                line = dialString(k.missing) + L" " + forProfile + L".";
            }
            report_.lines.append(line);
        }
        report_.lines.append(rule);
    }
    fillGrid(kShop);
    fillGrid(kPurchase);
    ExportStartDlgInfo(report_, this);
}

void Zrl_DlgCSP2::saveAllShops() {
    storeGrids();
    const bool ask = isChecked(IDC_CSP2_ASK_FILES) == win::BST_CHECKED;
    Zrl_StringArray failures;
    for (int i = 0; i < data.profileIds.length(); ++i) {
        const Zrl_String failure = failureText(saveStock(i, kShop, ask));
        if (!failure.isEmpty()) failures.append(failure);
    }
    if (!failures.isEmpty())
        win::messageBox(this, arrToStr(failures, L'\n').str(), dialString(620).str(),
                        win::MB_OK | win::MB_ICONEXCLAMATION);
}

bool Zrl_DlgCSP2::onCommand(int id, int notifyCode) {
    if (id == IDC_CSP2_PROFILE) {
        if (notifyCode == win::CBN_SELCHANGE) switchTo(combo(IDC_CSP2_PROFILE)->getCurSel());
        return true;
    }
    if (notifyCode != win::BN_CLICKED) return win::Dialog::onCommand(id, notifyCode);
    for (ListKind kind : {kPieces, kShop, kPurchase}) {
        const Pane& p = kPanes[kind];
        if (id == p.add || id == p.del) {
            rowCommand(kind, id == p.add);
            return true;
        }
        if (p.load != 0 && (id == p.load || id == p.save)) {
            loadSaveButton(kind, id == p.load);
            return true;
        }
    }
    switch (id) {
    case IDC_CSP2_ADD_PROFILE:
        addProfile();
        return true;
    case IDC_CSP2_REMOVE_PROFILE:
        removeProfile();
        return true;
    case IDC_CSP2_ALL:
        if (data.resultMode)
            saveAllShops();
        else
            loadLatestAll();
        return true;
    default:
        return win::Dialog::onCommand(id, notifyCode);
    }
}

void Zrl_DlgCSP2::onOK() {
    storeGrids();
    win::Dialog::onOK();
}

void Zrl_DlgCSP2::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized()) return;
    const win::Rect r = rect();
    if (r.width() < minWidth_ || r.height() < minHeight_) {
        setRect({r.left, r.top, r.left + std::max(r.width(), minWidth_),
                 r.top + std::max(r.height(), minHeight_)});
        return;
    }
    resizer_.move();
}

void Zrl_DlgCSP2::onDestroy() {
    WriteDlgSize(this, IDD_OPTIMIZECSP2);
    win::Dialog::onDestroy();
}

bool StartDlgCSP2(DlgCSP2Data& data) {
    return zrlss::runModalStarter<Zrl_DlgCSP2>(data);
}
