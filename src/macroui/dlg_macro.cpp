// CDlgMacro: opening, pages, commands, property lists, closing.
#include "macroui/dlg_macro.h"

#include "dialogs/dlg_open_save.h"
#include "frame/control_scale.h"
#include "frame/minimum_size.h"
#include "frame/module_resources.h"
#include "macroui/macro_starters.h"
#include "macroui/macro_tab_general.h"
#include "macroui/macro_tab_prof.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/macro_drawing.h"
#include "platform/core/numbered_texts.h"
#include "platform/host/command_line.h"
#include "platform/win/combo_box.h"
#include "platform/win/message_box.h"
#include "platform/win/tab_control.h"

#include <algorithm>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgMacro::dialogTemplate());
});

// The icon buttons: id, icon, tooltip (a numbered text, or the text itself).
struct IconButton {
    int id;
    int icon;
    int tip;
    const wchar_t* tipText;
};
constexpr IconButton kIconButtons[] = {
    {IDC_MACRO_SELECT, 217, 973, nullptr},   {IDC_MACRO_VIEW3, 218, 974, nullptr},
    {IDC_MACRO_VIEW0, 220, 975, nullptr},    {IDC_MACRO_VIEW1, 222, 976, nullptr},
    {IDC_MACRO_VIEW2, 221, 977, nullptr},    {IDC_MACRO_CLASH, 237, 980, nullptr},
    {IDC_MACRO_STANDARDS, 259, 0, L"Load from standards"},
    {IDC_MACRO_LOAD_LIST, 232, 978, nullptr}, {IDC_MACRO_SAVE_LIST, 233, 979, nullptr},
};

// View buttons and their directions.
constexpr std::pair<int, int> kViews[] = {
    {IDC_MACRO_VIEW3, 3}, {IDC_MACRO_VIEW0, 0}, {IDC_MACRO_VIEW1, 1}, {IDC_MACRO_VIEW2, 2}};

// The height of the tab row inside the tab control.
int tabRowHeight() {
    return win::dialogUnitsToPixelsY(14);
}

void postCancel() {
    acedPostCommand(L"CANCELCMD");
}

} // namespace

CDlgMacro::CDlgMacro(win::Window* parent, int tableIndex)
    : Dialog(IDD_DLG_MACRO, parent), index_(tableIndex) {}

CDlgMacro::~CDlgMacro() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgMacro::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DLG_MACRO;
    t.width = 320;
    t.height = 262;
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST | win::WS_VSCROLL;
    auto icon = [&](int id, int left) {
        return win::ControlTemplate{id, ControlKind::Button, {left, 232, left + 20, 252}, tab, L""};
    };
    t.controls = {
        {IDC_MACRO_TABS, ControlKind::TabControl, {5, 5, 315, 200}, tab, L""},
        {IDC_MACRO_FILTER1_GROUP, ControlKind::Button, {5, 202, 158, 227}, win::BS_GROUPBOX, L""},
        {IDC_MACRO_FILTER1, ControlKind::ComboBox, {10, 211, 153, 290}, list, L""},
        {IDC_MACRO_FILTER2_GROUP, ControlKind::Button, {162, 202, 315, 227}, win::BS_GROUPBOX, L""},
        {IDC_MACRO_FILTER2, ControlKind::ComboBox, {167, 211, 310, 290}, list, L""},
        icon(IDC_MACRO_SELECT, 5),
        icon(IDC_MACRO_VIEW3, 27),
        icon(IDC_MACRO_VIEW0, 49),
        icon(IDC_MACRO_VIEW1, 71),
        icon(IDC_MACRO_VIEW2, 93),
        {IDC_MACRO_CLASH,
         ControlKind::Button,
         {115, 232, 135, 252},
         tab | win::BS_AUTOCHECKBOX | win::BS_PUSHLIKE,
         L""},
        icon(IDC_MACRO_STANDARDS, 137),
        {IDC_MACRO_REAPPLY, ControlKind::Button, {160, 235, 215, 249}, tab, L""},
        icon(IDC_MACRO_LOAD_LIST, 225),
        icon(IDC_MACRO_SAVE_LIST, 247),
        {win::IDOK, ControlKind::Button, {272, 235, 315, 249}, tab | win::BS_DEFPUSHBUTTON, L""},
    };
    return t;
}

Zrl_String CDlgMacro::sizeKey() const {
    Zrl_String key = L"DLG_MACRO_EDITVARS_";
    const int count = record_.objectIds.length();
    if (count == 1) return key + macroNameOf(record_);
    const Zrl_MacroFilter& f = record_.firstFilter;
    if (f.selection > 0 && f.selection < f.items.length())
        return key + L"GROUP_" + f.items[f.selection];
    return key + Zrl_String(count) + L"_MACROS";
}

CMacroPage* CDlgMacro::page(int index) const {
    if (index < 0 || index >= pageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)].get();
}

int CDlgMacro::currentTab() const {
    const win::TabControl* tabs = tab(IDC_MACRO_TABS);
    return tabs ? tabs->getCurSel() : -1;
}

void CDlgMacro::setUpButtons() {
    setItemText(win::IDOK, dialString(285).str());
    for (const IconButton& b : kIconButtons) {
        auto button = std::make_unique<CButtonST>();
        button->SubclassDlgItem(b.id, this);
        button->SetIcon(b.icon);
        button->SetTooltipText(b.tipText ? Zrl_String(b.tipText) : dialString(b.tip));
        iconButtons_.push_back(std::move(button));
    }
    setItemText(IDC_MACRO_FILTER1_GROUP, dialString(755).str());
    setItemText(IDC_MACRO_FILTER2_GROUP, dialString(981).str());
    setItemText(IDC_MACRO_REAPPLY, dialString(982).str());
}

bool CDlgMacro::onInitDialog() {
    if (const win::Window* standard = item(IDC_MACRO_REAPPLY))
        zrlss::setControlScale(standard->rect().height() / 20.0);
    setUpButtons();
    setText(record_.caption.str());

    initialWidth_ = rect().width();
    initialHeight_ = rect().height();
    using R = CResizer;
    std::vector<R::Rule> rules = {R::rule(IDC_MACRO_TABS, R::kNear, R::kNear, R::kFar, R::kFar)};
    for (int id : {IDC_MACRO_SELECT, IDC_MACRO_VIEW3, IDC_MACRO_VIEW0, IDC_MACRO_VIEW1,
                   IDC_MACRO_VIEW2, IDC_MACRO_CLASH, IDC_MACRO_STANDARDS, IDC_MACRO_REAPPLY})
        rules.push_back(R::rule(id, R::kNear, R::kFar, R::kNear, R::kFar));
    for (int id : {IDC_MACRO_LOAD_LIST, IDC_MACRO_SAVE_LIST, static_cast<int>(win::IDOK)})
        rules.push_back(R::rule(id, R::kFar, R::kFar, R::kFar, R::kFar));
    for (int id : {IDC_MACRO_FILTER1_GROUP, IDC_MACRO_FILTER1})
        rules.push_back(R::rule(id, R::kNear, R::kFar, R::kProportional, R::kFar));
    for (int id : {IDC_MACRO_FILTER2_GROUP, IDC_MACRO_FILTER2})
        rules.push_back(R::rule(id, R::kProportional, R::kFar, R::kFar, R::kFar));
    resizer_.init(this, rules);

    buildPages();
    const int shown = currentTab();
    auto* prof = dynamic_cast<CMacroTabProf*>(page(shown));
    if (record_.startWithAdvanced && prof) prof->openAdvanced();

    fillFilters();
    ChangeDlgSize(this, sizeKey());
    // The platform's first size message arrives while the window is made;
    // from here on the dialog counts as sized.
    sizedOnce_ = true;
    fitToPages();

    clashInitDlgStarted();
    clashResetInfo();
    check(IDC_MACRO_CLASH, clashGetStatus() ? win::BST_CHECKED : win::BST_UNCHECKED);
    clashcheck();
    return false;
}

void CDlgMacro::destroyPages() {
    for (auto& p : pages_) {
        if (p && p->isCreated()) p->destroy();
    }
    pages_.clear();
    kinds_.clear();
}

void CDlgMacro::buildPages() {
    win::TabControl* tabs = tab(IDC_MACRO_TABS);
    if (!tabs) return;
    // The tab shown is found again by its name; the first time by the record's.
    Zrl_String selected = record_.currentTab;
    const int sel = tabs->getCurSel();
    if (!pages_.empty() || tabs->getItemCount() > 0)
        selected = sel >= 0 ? Zrl_String(tabs->getItemText(sel)) : Zrl_String();
    saveFocusOfShown();
    destroyPages();
    tabs->deleteAllItems();
    // The old index would name a page of the old list.
    lastShown_ = -1;

    for (int t = 0; t < record_.tabs.length(); ++t) {
        const MacroTabData& data = record_.tabs[t];
        std::unique_ptr<CMacroPage> made;
        if (data.kind == kMacroTabProfiles) {
            auto prof = std::make_unique<CMacroTabProf>(*this, t);
            if (record_.singleProfile && record_.objectIds.length() == 1)
                prof->setSingleObject(record_.objectIds[0]);
            made = std::move(prof);
        } else if (data.kind == kMacroTabGeneral || data.kind == kMacroTabBolts ||
                   data.kind == kMacroTabOther) {
            made = std::make_unique<CMacroTabGeneral>(*this, t);
        }
        tabs->insertItem(t, data.name.str());
        // A page that cannot be made is left out; its tab stays empty.
        if (made && !made->create(made->templateId(), tabs)) made.reset();
        pages_.push_back(std::move(made));
        kinds_.push_back(data.kind);
    }
    layoutPages();
    int index = 0;
    if (!record_.findTab(selected, index)) index = 0;
    if (record_.tabs.length() > 0) {
        tabs->setCurSel(index);
        showPage(index);
    }
    EnDisCtrl(this, IDC_MACRO_LOAD_LIST, record_.propListAllowed());
    EnDisCtrl(this, IDC_MACRO_SAVE_LIST, record_.propListAllowed());
}

void CDlgMacro::layoutPages() {
    const win::TabControl* tabs = tab(IDC_MACRO_TABS);
    if (!tabs) return;
    const win::Rect client = tabs->clientRect();
    const win::Rect area{client.left, client.top + tabRowHeight(),
                         std::max(client.left, client.right - 3),
                         std::max(client.top + tabRowHeight(), client.bottom - 2)};
    for (auto& p : pages_) {
        if (p) p->setRect(area);
    }
}

void CDlgMacro::saveFocusOfShown() {
    CMacroPage* shown = page(lastShown_);
    if (!shown) return;
    focus_.tab(shown->pageTab().name).remember(*shown, shown->focusProbe());
}

void CDlgMacro::showPage(int index) {
    saveFocusOfShown();
    for (auto& p : pages_) {
        if (p) p->show(false);
    }
    lastShown_ = index;
    CMacroPage* shown = page(index);
    if (const MacroTabData* t = record_.getTab(index)) record_.currentTab = t->name;
    if (!shown) return;
    shown->show(true);
    shown->setFocus();
    const Zrl_FocusProbe probe = shown->focusProbe();
    if (!pagesShownOnce_) {
        pagesShownOnce_ = true;
        if (probe.focusSpreadCell) probe.focusSpreadCell(1, 1);
        return;
    }
    if (const Zrl_RestoreFocusTab* memory = focus_.find(shown->pageTab().name))
        memory->restore(*shown, probe);
}

void CDlgMacro::fillFilters() {
    const struct {
        int id;
        const Zrl_MacroFilter& filter;
    } filters[] = {{IDC_MACRO_FILTER1, record_.firstFilter},
                   {IDC_MACRO_FILTER2, record_.secondFilter}};
    for (const auto& f : filters) {
        FillCombo(this, f.id, f.filter.items);
        if (win::ComboBox* box = combo(f.id)) box->setCurSel(f.filter.selection);
    }
}

void CDlgMacro::fitToPages() {
    if (!sizedOnce_) return;
    int needWidth = 0;
    int needHeight = 0;
    for (const auto& p : pages_) {
        if (!p) continue;
        const win::Size need = p->neededSize();
        needWidth = std::max(needWidth, need.cx);
        needHeight = std::max(needHeight, need.cy);
    }
    int width = std::max(needWidth + kFrameWidth, initialWidth_);
    int height = std::max(needHeight + kFrameHeight, initialHeight_);
    getSafeDlgSize(width, height);
    minWidth_ = width;
    minHeight_ = height;
    const win::Rect r = rect();
    setRect({r.left, r.top, r.left + width, r.top + height});
}

void CDlgMacro::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    sizedOnce_ = true;
    if (zrlss::keepMinimumSize(*this, minWidth_, minHeight_)) return;
    if (resizer_.isInitialized()) resizer_.move();
    layoutPages();
}

void CDlgMacro::refreshPages() {
    for (auto& p : pages_) {
        if (!p) continue;
        if (const MacroTabData* t = record_.getTab(p->tabIndex())) p->refresh(*t);
    }
}

void CDlgMacro::applyPage(int tabIndex, const MacroTabData& pageTab) {
    const MacroTabData* recordTab = record_.getTab(tabIndex);
    if (!recordTab) return;
    AcArray<int> items;
    Zrl_StringArray values;
    pageTab.differences(*recordTab, items, values);
    if (items.isEmpty()) return;
    if (UpdateModule(recordTab->name, record_, items, values)) clashcheck();
    // Also after a refusal: the refused value leaves the screen.
    refreshPages();
    acedPostCommandPrompt();
}

bool CDlgMacro::openDetail(int tabIndex, int buttonId) {
    MacroData edited = record_;
    if (!openMacroDetailDialog(edited, tabIndex, buttonId)) return false;
    const MacroTabData* t = edited.getTab(tabIndex);
    if (!t) return false;
    applyPage(tabIndex, *t);
    return true;
}

void CDlgMacro::applyAllPages() {
    for (auto& p : pages_) {
        if (!p) continue;
        MacroTabData* recordTab = record_.getTab(p->tabIndex());
        if (!recordTab) continue;
        MacroTabData read = *recordTab;
        p->readBack(read);
        AcArray<int> items;
        Zrl_StringArray values;
        read.differences(*recordTab, items, values);
        if (!items.isEmpty()) UpdateModule(recordTab->name, record_, items, values);
    }
    clashcheck();
}

void CDlgMacro::changeView(int direction) {
    postCancel();
    if (const MacroTabData* t = record_.getTab(currentTab())) record_.changeView(t->name, direction);
}

void CDlgMacro::selectOtherMacros() {
    postCancel();
    show(false);
    const bool selected = SelectOtherMacros(record_);
    show(true);
    if (!selected) return;
    buildPages();
    fillFilters();
    clashResetInfo();
    fitToPages();
}

void CDlgMacro::filterChanged(bool first) {
    if (const win::ComboBox* box = combo(IDC_MACRO_FILTER1))
        record_.firstFilter.selection = box->getCurSel();
    if (const win::ComboBox* box = combo(IDC_MACRO_FILTER2))
        record_.secondFilter.selection = box->getCurSel();
    UpdateAllFilterModified(record_, first);
    buildPages();
    fillFilters();
    fitToPages();
}

void CDlgMacro::loadPropertyList() {
    saveFocusOfShown();
    if (!record_.propListAllowed()) return;
    CDlgOpenSave dlg(this);
    record_.getPropFiles(dlg.folder, dlg.extension, dlg.firstNames, dlg.secondNames);
    dlg.saveMode = 0;
    if (dlg.doModal() != win::IDOK) return;

    const MacroData before = record_;
    int count = 0;
    // The core tells the user itself why a list could not be read.
    if (!record_.readFromFile(dlg.name(), count)) return;
    if (count != 0) {
        const Zrl_String text = dialString(1507) + L".\n" + dialString(1508) + L" " +
                                Zrl_String(count) + L" " + dialString(1509) + L".\n\n" +
                                dialString(1510);
        win::messageBox(this, text.str(), dialString(978).str(),
                        win::MB_OK | win::MB_ICONINFORMATION);
    }
    AcArray<int> tabs;
    Zrl_Array<AcArray<int>> items;
    Zrl_Array<Zrl_StringArray> values;
    record_.differences(before, tabs, items, values);
    // Fix states live in the record only; a tab left without changes goes.
    AcArray<int> keptTabs;
    Zrl_Array<AcArray<int>> keptItems;
    Zrl_Array<Zrl_StringArray> keptValues;
    for (int i = 0; i < tabs.length(); ++i) {
        removeAll(items[i], values[i], MacroTabData::kItemFlexFix);
        if (items[i].isEmpty()) continue;
        keptTabs.append(tabs[i]);
        keptItems.append(items[i]);
        keptValues.append(values[i]);
    }
    if (!keptTabs.isEmpty()) setAllToMacro(record_, keptTabs, keptItems, keptValues);
    refreshPages();
    clashcheck();
}

void CDlgMacro::savePropertyList() {
    applyAllPages();
    if (!record_.propListAllowed()) return;
    CDlgOpenSave dlg(this);
    record_.getPropFiles(dlg.folder, dlg.extension, dlg.firstNames, dlg.secondNames);
    dlg.saveMode = 1;
    if (dlg.doModal() != win::IDOK) return;
    record_.writeToFile(dlg.name());
}

void CDlgMacro::closeDialog() {
    if (closing_) return;
    changeView(3);
    closing_ = true;
    if (isModal()) {
        acedPostCommandPrompt();
        endDialog(win::IDOK);
        return;
    }
    EndDlgMacroModeless(index_);
}

void CDlgMacro::onOK() {
    closeDialog();
}

void CDlgMacro::onCancel() {
    closeDialog();
}

bool CDlgMacro::onCommand(int id, int notifyCode) {
    if ((id == IDC_MACRO_FILTER1 || id == IDC_MACRO_FILTER2) && notifyCode == win::CBN_SELCHANGE) {
        filterChanged(id == IDC_MACRO_FILTER1);
        return true;
    }
    if (notifyCode != win::BN_CLICKED) return false;
    for (const auto& [button, direction] : kViews) {
        if (id == button) {
            changeView(direction);
            return true;
        }
    }
    switch (id) {
    case IDC_MACRO_SELECT:
        selectOtherMacros();
        return true;
    case IDC_MACRO_CLASH:
        clashSetStatus(isChecked(IDC_MACRO_CLASH) == win::BST_CHECKED);
        return true;
    case IDC_MACRO_STANDARDS:
        record_.loadFromStandards();
        buildPages();
        clashcheck();
        return true;
    case IDC_MACRO_REAPPLY:
        if (record_.reApply()) closeDialog();
        return true;
    case IDC_MACRO_LOAD_LIST:
        loadPropertyList();
        return true;
    case IDC_MACRO_SAVE_LIST:
        savePropertyList();
        return true;
    default:
        return false;
    }
}

bool CDlgMacro::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    if (id == IDC_MACRO_TABS && hdr.code == win::TCN_SELCHANGE) {
        showPage(currentTab());
        result = 0;
        return true;
    }
    return win::Dialog::onNotify(id, hdr, result);
}

win::LRESULT CDlgMacro::windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The host keeps the keyboard focus in a modeless macro dialog.
    if (msg == kMsgKeepFocus) return 1;
    return win::Dialog::windowProc(msg, wParam, lParam);
}

void CDlgMacro::onDestroy() {
    WriteDlgSize(this, sizeKey());
    clashDlgClosed();
    destroyPages();
    win::Dialog::onDestroy();
}
