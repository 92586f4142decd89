// The macro editor: the module list and the pages always show the module
// the core holds as current (also after Remove and Add module), a module
// without rules keeps the rules grid's columns, the drawing commands'
// success and failure, and the single modeless editor.
#include "entry/entry_point.h"
#include "frame/library_instance.h"
#include "macroui/dlg_edit_macro.h"
#include "macroui_fixture.h"
#include "platform/core/record_edit_macro.h"
#include "platform/win/script_play.h"

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
    }
    static Zrl_Spread& rules(CDlgEditMacro& dlg) {
        return static_cast<CTabEditConstraints*>(dlg.page(CDlgEditMacro::kRules))->grid();
    }
    // The list, the record and the rules grid agree on the current module.
    static void expectCurrent(CDlgEditMacro& dlg, const wchar_t* module, int ruleRows) {
        EXPECT_EQ(dlg.selectedModule(), Zrl_String(module));
        EXPECT_EQ(dlg.record().currentModule, Zrl_String(module));
        EXPECT_EQ(rules(dlg).getMaxRows(), ruleRows) << Zrl_String(module).toUtf8();
        EXPECT_EQ(rules(dlg).getMaxCols(), 4);
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

TEST_F(EditMacroTest, RenameTakesANewNameAndRefusesOneInUse) {
    CDlgEditMacro dlg;
    open(dlg);
    struct Case {
        const char* typed;
        const wchar_t* shown; // the current module afterwards
    } cases[] = {{"Cap", L"Cap"}, {"weld", L"Cap"}, {"CAP", L"CAP"}};
    for (const Case& c : cases) {
        const std::string script = std::string("dialog prompt\n  type 1001 \"") + c.typed +
                                   "\"\n  click OK\nend\n";
        const auto r = win::playScript(script, [&] { dlg.renameModule(); });
        EXPECT_TRUE(r.ok()) << r.message;
        expectCurrent(dlg, c.shown, 2);
    }
    dlg.destroy();
}

TEST(EditMacroRecord, RefusedFieldsAreNamedByTheirPath) {
    struct Case {
        const char* json;
        const char* path;
    } cases[] = {
        {R"({"macros": [{"name": "A", "modules": [{"name": "M", "rules": [{"list": [1, "x"]}]}]}]})",
         "macros[0].modules[0].rules[0].list[1]"},
        {R"({"macros": [{"name": "A", "modules": [{"geometries": [{"flexibility": 3}]}]}]})",
         "macros[0].modules[0].geometries[0].flexibility"},
        {R"({"macros": [], "current": {"macro": "A", "extra": 1}})", "current.extra"},
    };
    for (const Case& c : cases) {
        Zrl_EditMacroDrawing drawing;
        Zrl_String module = L"kept";
        std::string error;
        EXPECT_FALSE(readEditMacroJson(c.json, drawing, module, error));
        EXPECT_NE(error.find(c.path), std::string::npos) << error;
        EXPECT_EQ(module, Zrl_String(L"kept"));
    }
}
