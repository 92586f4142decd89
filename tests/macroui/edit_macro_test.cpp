// The macro editor: the module list and the pages always show the module
// the core holds as current (also after Remove and Add module), a module
// without rules keeps the rules grid's columns, the drawing commands'
// success and failure, the single modeless editor; the rules page's edits
// (lists, Escape, pending edits), the command icons (renames and variable
// names: dialog cases).
#include "entry/entry_point.h"
#include "frame/library_instance.h"
#include "macroui/dlg_edit_macro.h"
#include "macroui_fixture.h"
#include "platform/core/record_edit_macro.h"
#include "platform/host/command_line.h"
#include "platform/win/timers.h"

using macrotest::MacroUiTest;

namespace {

EditMacroModule module(const wchar_t* name, int rules) {
    EditMacroModule m;
    m.name = name;
    for (int i = 0; i < rules; ++i) {
        EditMacroRule r;
        r.name = Zrl_String(name) + Zrl_String(std::to_wstring(i + 1));
        r.type = L"Distance";
        m.rules.push_back(r);
    }
    return m;
}

class EditMacroTest : public MacroUiTest {
protected:
    void SetUp() override {
        MacroUiTest::SetUp();
        gEditMacroDrawing = Zrl_EditMacroDrawing();
        gEditMacroDrawing.macros = {{L"A", {module(L"Plate", 2), module(L"Bolts", 0),
                                           module(L"Weld", 1)}},
                                    {L"B", {module(L"Base", 3)}}};
        // Plate's rules show every field and have a list of two; their
        // variables, and Weld's, are in use.
        for (auto [rule, var] : {std::pair{&plateRule(0), L"Height"}, {&plateRule(1), L"Width"},
                                 {&gEditMacroDrawing.macros[0].modules[2].rules[0], L"Gap"}})
            *rule = {rule->name, rule->type, {}, var, 63, 0, false, false, AcArray<int>({0, 1})};
        data_.currentModule = L"Plate";
        MacroGetModules(data_);
    }
    void TearDown() override {
        EndDlgEditConstraints();
        gEditMacroDrawing = Zrl_EditMacroDrawing();
        MacroUiTest::TearDown();
    }
    void open(CDlgEditMacro& dlg) {
        dlg.record() = data_;
        zrlss::ResourceScope resources;
        ASSERT_TRUE(dlg.create(IDD_DLG_EDIT_MACRO));
        dlg.show(true);
    }
    static CTabEditConstraints& rulesPage(CDlgEditMacro& dlg) {
        return *static_cast<CTabEditConstraints*>(dlg.page(CDlgEditMacro::kRules));
    }
    static Zrl_Spread& rules(CDlgEditMacro& dlg) { return rulesPage(dlg).grid(); }
    // The list, the record and the rules grid agree on the current module.
    static void expectCurrent(CDlgEditMacro& dlg, const wchar_t* module, int ruleRows) {
        EXPECT_EQ(dlg.selectedModule(), Zrl_String(module));
        EXPECT_EQ(dlg.record().currentModule, Zrl_String(module));
        EXPECT_EQ(rules(dlg).getMaxRows(), ruleRows) << Zrl_String(module).toUtf8();
        EXPECT_EQ(rules(dlg).getMaxCols(), 4);
    }
    static EditMacroRule& plateRule(int i) {
        return gEditMacroDrawing.macros[0].modules[0].rules[static_cast<size_t>(i)];
    }
    // The modeless editor, open on Plate.
    CDlgEditMacro& openModeless() {
        StartDlgEditConstraints(data_);
        return *macroui::modelessEditMacro();
    }
    EditConstrData data_;
};

} // namespace

TEST_F(EditMacroTest, RemoveAndAddModuleMakeTheShownModuleCurrent) {
    CDlgEditMacro dlg;
    open(dlg);
    expectCurrent(dlg, L"Plate", 2);
    dlg.pickModule(1); // Bolts: no rules, still the four columns
    expectCurrent(dlg, L"Bolts", 0);
    Zrl_String header;
    rules(dlg).getCellText(4, Zrl_Spread::kHeader, header);
    EXPECT_EQ(header, Zrl_String(L"Value2"));

    struct Step {
        int pick;
        const wchar_t* shown; // after Remove
        int rows;
    } steps[] = {{2, L"Bolts", 0}, {0, L"Bolts", 0}, {0, L"", 0}};
    for (const Step& s : steps) {
        dlg.pickModule(s.pick);
        host::clearCallLog();
        dlg.removeModule();
        expectCurrent(dlg, s.shown, s.rows);
        ASSERT_NE(host::lastCall("SetCurrentModule"), nullptr);
        EXPECT_EQ(host::lastCall("SetCurrentModule")->args[0], std::wstring(s.shown));
    }
    dlg.runCommand(11); // add module: the new one is current
    expectCurrent(dlg, L"Module1", 0);
    dlg.destroy();
}

TEST_F(EditMacroTest, DrawingCommandsChangeTheEditorOnlyOnSuccess) {
    CDlgEditMacro dlg;
    open(dlg);
    dlg.showPage(CDlgEditMacro::kCommands);
    gEditMacroDrawing.failNext();
    dlg.runCommand(0);
    EXPECT_EQ(dlg.currentPage(), CDlgEditMacro::kCommands);
    expectCurrent(dlg, L"Plate", 2);
    dlg.runCommand(7); // a distance rule, shown on the rules page
    EXPECT_EQ(dlg.currentPage(), CDlgEditMacro::kRules);
    expectCurrent(dlg, L"Plate", 3);
    dlg.runCommand(12); // a bolt pattern: the rules page stays as it was
    EXPECT_EQ(gEditMacroDrawing.macros[0].modules[0].geometries.size(), 1u);
    dlg.selectOtherMacro();
    expectCurrent(dlg, L"Base", 3);
    EXPECT_EQ(host::countCalls("StartMacroCommand"), 3);
    // Each drawing operation hid the editor and gave it back.
    EXPECT_EQ(host::countCalls("BeginEditorCommand"), 4);
    EXPECT_EQ(host::countCalls("CompleteEditorCommand"), 4);
    dlg.destroy();
}

TEST_F(EditMacroTest, OneModelessEditorEndedByOkOrUnload) {
    ASSERT_TRUE(StartDlgEditConstraints(data_));
    CDlgEditMacro* first = macroui::modelessEditMacro();
    ASSERT_NE(first, nullptr);
    EditConstrData other = data_;
    other.currentModule = L"Weld";
    ASSERT_TRUE(StartDlgEditConstraints(other));
    EXPECT_EQ(macroui::modelessEditMacro(), first);
    EXPECT_EQ(first->record().currentModule, Zrl_String(L"Plate"));
    first->click(win::IDOK);
    EXPECT_EQ(macroui::modelessEditMacro(), nullptr);

    ASSERT_TRUE(StartDlgEditConstraints(data_));
    ASSERT_TRUE(zrlss::unloadSteps().endDlgEditConstraints);
    zrlss::unloadSteps().endDlgEditConstraints();
    EXPECT_EQ(macroui::modelessEditMacro(), nullptr);
}

TEST_F(EditMacroTest, EscapeClosesUnlessARuleWasJustChosenOrTyped) {
    using Step = void (*)(CDlgEditMacro&);
    const Step choose = [](CDlgEditMacro& d) { rulesPage(d).chooseRow(1); };
    const Step type = [](CDlgEditMacro& d) { rulesPage(d).type(IDC_RULE_NAME, L"Typed"); };
    struct Case {
        Step before;
        int escapes;
        bool open;
        const wchar_t* printed;
    } cases[] = {
        {[](CDlgEditMacro&) {}, 1, false, L""},
        {choose, 1, true, L"cancel\n"},
        {[](CDlgEditMacro& d) { rulesPage(d).chooseRow(1), win::advanceClock(2000); }, 1, false, L""},
        {type, 1, true, L"cancel\n"},
        {type, 2, false, L"cancel\n"},
        {[](CDlgEditMacro& d) { win::pressKey(*d.focus(), win::VK_RETURN); }, 0, true, L"Ok\n"},
    };
    for (const Case& c : cases) {
        CDlgEditMacro& dlg = openModeless();
        rulesPage(dlg).focusItem(IDC_RULE_NAME);
        host::PrintCapture printed;
        c.before(dlg);
        for (int i = 0; i < c.escapes; ++i)
            win::pressKey(*win::Window::focus(), win::VK_ESCAPE);
        EXPECT_EQ(macroui::modelessEditMacro() != nullptr, c.open) << &c - cases;
        EXPECT_EQ(printed.text(), std::wstring(c.printed)) << &c - cases;
        EndDlgEditConstraints();
        win::advanceClock(2000);
    }
    // What was typed before Escape closed the editor reached the rule.
    EXPECT_EQ(plateRule(0).name, Zrl_String(L"Typed"));
}

TEST_F(EditMacroTest, ATypedEditIsWrittenBeforeTheEditorMovesOn) {
    void (*leave[])(CDlgEditMacro&) = {
        [](CDlgEditMacro& d) { d.showPage(CDlgEditMacro::kGeometries); },
        [](CDlgEditMacro& d) { d.pickModule(2); },
        [](CDlgEditMacro& d) { d.runCommand(7); },
        [](CDlgEditMacro&) { zrlss::unloadSteps().endDlgEditConstraints(); },
    };
    for (int i = 0; i < 4; ++i) {
        rulesPage(openModeless()).type(IDC_RULE_NAME, L"Typed" + std::to_wstring(i));
        leave[i](*macroui::modelessEditMacro());
        EXPECT_EQ(plateRule(0).name, Zrl_String(L"Typed" + std::to_wstring(i)));
        EndDlgEditConstraints();
    }
}

TEST_F(EditMacroTest, ListEditsAreCheckedAgainstTheRecord) {
    struct Case {
        void (*spoil)(EditConstrData&);
        const wchar_t* printed;
        int updates; // UpdateConstraint calls
        int list0;   // plate rule 0's first entry afterwards
    } cases[] = {
        {[](EditConstrData&) {}, L"", 1, 1}, // Enum 1 toggles the entry
        {[](EditConstrData& d) { d.ruleLists[0].append(0); }, L"*Error* Array size mismatch.\n", 0, 1},
        {[](EditConstrData& d) { d.ruleChoices.setLogicalLength(0); }, L"", 0, 1}, // row outside
        {[](EditConstrData&) {}, L"", 1, 0},
    };
    CDlgEditMacro dlg;
    open(dlg);
    for (const Case& c : cases) {
        rulesPage(dlg).chooseRow(0);
        c.spoil(dlg.record());
        host::clearCallLog();
        host::PrintCapture printed;
        rulesPage(dlg).click(IDC_RULE_ENUM_FIRST);
        EXPECT_EQ(printed.text(), std::wstring(c.printed)) << &c - cases;
        EXPECT_EQ(plateRule(0).list[0], c.list0) << &c - cases;
        EXPECT_EQ(host::countCalls("UpdateConstraint"), c.updates) << &c - cases;
        dlg.pickModule(0); // the record afresh
    }
    dlg.destroy();
}

TEST_F(EditMacroTest, CommandButtonsShowTheirIconsOrTheirTextAlone) {
    for (const bool installed : {true, false}) {
        if (!installed) Zrl_Settings::setZrlDir(Zrl_String::fromUtf8(dir_.string()));
        CDlgEditMacro dlg;
        open(dlg);
        auto* page = static_cast<CTabMacroCommands*>(dlg.page(CDlgEditMacro::kCommands));
        for (int k = 0; k < kMacroCommandCount; ++k) {
            const bool shown = k != 3 && k != 10;
            EXPECT_EQ(page->icon(k) != nullptr, shown && installed) << k;
            EXPECT_EQ(page->getItemText(IDC_COMMAND_FIRST + k).empty(), !shown) << k;
        }
    }
}
