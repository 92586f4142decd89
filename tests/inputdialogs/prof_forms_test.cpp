// The profile features and cladding settings forms through their starters:
// the profile list of a family file, the profile chooser, field C and its
// switch, the level lists after the levels dialog, the constraint types of
// a kind and what OK reads back.
#include "dialogs/dlg_cladding.h"
#include "dialogs/dlg_prof_features.h"
#include "input_fixture.h"
#include "platform/core/levels_data.h"
#include "platform/win/script_text.h"

#include <fstream>

namespace inputtest {
namespace {

// A library of its own: HEA.pr with an inactive size, and two user sections.
class ProfForms : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        libDir_ = Zrl_Settings::libDir();
        std::filesystem::create_directories(dir_ / "prof");
        std::filesystem::create_directories(dir_ / "User Sections");
        std::ofstream(dir_ / "prof" / "HEA.pr")
            << "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n"
               "100\t1\tHEA 100\tHEA 100\tHEA 100\tHEA 100\t96\n"
               "120\t0\tHEA 120\tHEA 120\tHEA 120\tHEA 120\t114\n"
               "200\t1\tHEA 200\tHEA 200\tHEA 200\tHEA 200\t190\n";
        std::ofstream(dir_ / "prof" / "BAD.pr") << "\x01\n";
        std::ofstream(dir_ / "User Sections" / "Beam1.dwg") << "";
        std::ofstream(dir_ / "x.pr") << "1\nSysName\tI/O\n1\t1\n";
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir_.string()));
        setDrawingLevels();
    }
    static void setDrawingLevels() {
        drawingLevels() = {{L"Ground floor", L"", 0}, {L"First floor", L"", 3600},
                           {L"Roof", L"", 7200}};
    }
    void TearDown() override {
        drawingLevels().clear();
        Zrl_Settings::setLibDir(libDir_);
        InputTest::TearDown();
    }
    // The chooser's block choosing `name`.
    static std::string chooser(const std::wstring& name) {
        return "  dialog select-prof\n    choose 1001 " + win::quoteScriptText(name) +
               "\n    click OK\n  end\n  click 1251\n";
    }
    std::wstring userSection(const char* file) const {
        return (Zrl_Settings::libDir() + L"User Sections\\" + Zrl_String::fromUtf8(file)).str();
    }
    DlgProfFeaturesData column() const {
        DlgProfFeaturesData d;
        d.caption = L"Column";
        d.profile = L"HEA-200";
        d.labelA = L"Bottom";
        d.valueA = L"Ground floor";
        d.labelB = L"Offset";
        d.valueB = L"0";
        d.labelC = L"Top";
        d.altLabelC = L"Length";
        d.valueC = L"Roof";
        d.switchLabel = L"Length instead of top level";
        d.levels = Zrl_StringArray{L"Ground floor", L"First floor", L"Roof"};
        return d;
    }
    template <class Data, class Start>
    bool run(Data& data, const std::string& caption, const std::string& body, Start start) {
        bool ok = false;
        play("dialog \"" + caption + "\"\n" + body + "end\n", [&] { ok = start(data); });
        return ok;
    }

    Zrl_String libDir_;
};

TEST_F(ProfForms, ProfileListOfAFamilyOrAUserSection) {
    const struct {
        const wchar_t* profile;
        std::string body;
        const wchar_t* after;
    } rows[] = {
        // Active sections by user name where the core has one; <Various> last.
        {L"HEA-200",
         "  expect 1250 \"HEA 200\"\n  choose 1250 #0\n  expect 1250 \"HEA-100\"\n"
         "  choose 1250 #2\n  expect 1250 \"<Various>\"\n",
         L"HEA-200"},
        {L"HEA-200", "  choose 1250 \"HEA-100\"\n", L"HEA-100"},
        {L"User Sections\\Beam1.dwg", "  expect 1250 \"Beam1\"\n", L"User Sections\\Beam1.dwg"},
        // A family file missing, malformed, or outside the section folder.
        {L"UPN-100", "  expect 1250 \"\"\n  choose 1250 #0\n", L"UPN-100"},
        {L"BAD-1", "  choose 1250 #0\n", L"BAD-1"},
        {L"..\\x-1", "  choose 1250 #0\n", L"..\\x-1"},
        // The chooser fills the list again; positions follow the new list.
        {L"HEA-200", chooser(userSection("Beam1.dwg")) + "  expect 1250 \"Beam1\"\n",
         L"User Sections\\Beam1.dwg"},
        {L"User Sections\\Beam1.dwg", chooser(L"HEA-200") + "  expect 1250 \"HEA 200\"\n",
         L"HEA-200"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Zrl_String(row.profile).toUtf8());
        DlgProfFeaturesData data = column();
        data.profile = row.profile;
        EXPECT_TRUE(run(data, "Column", row.body + "  click OK\n", StartDlgProfFeatures));
        EXPECT_EQ(data.profile, Zrl_String(row.after));
        VkCladdingDlgData clad;
        clad.profile = row.profile;
        clad.value = L"1";
        clad.choiceB = 3; // a position that takes the value
        EXPECT_TRUE(run(clad, "Cladding settings", row.body + "  type 1410 \"2\"\n  click OK\n",
                        StartDlgCladdingSettings));
        EXPECT_EQ(clad.profile, Zrl_String(row.after));
        EXPECT_EQ(clad.value, Zrl_String(L"2")); // read back whatever the profile entry
    }
}

TEST_F(ProfForms, FieldCShowsTheValueOkWrites) {
    const struct {
        const char* what;
        bool isLevel, switchOn;
        const wchar_t* alt;
        std::string body;
        const wchar_t *valueC, *altValueC;
        bool switchAfter;
    } rows[] = {
        {"both alternatives, switched off and back", false, true, L"6000",
         "  expect 1303 \"Length\"\n  expect 1304 \"6000\"\n  type 1304 \"6500\"\n"
         "  untick 1018\n  expect 1303 \"Top\"\n  expect 1304 \"Roof\"\n  type 1304 \"8000\"\n",
         L"8000", L"6500", false},
        {"an empty alternative is shown empty and typed into", false, false, L"",
         "  tick 1018\n  expect 1304 \"\"\n  type 1304 \"7000\"\n", L"Roof", L"7000", true},
        {"a level: the combo shows the alternative while switched on", true, true,
         L"First floor", "  expect 1253 \"First floor\"\n  untick 1018\n  expect 1253 \"Roof\"\n"
                         "  tick 1018\n",
         L"Roof", L"First floor", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        DlgProfFeaturesData data = column();
        data.cIsLevel = row.isLevel;
        data.switchOn = row.switchOn;
        data.altValueC = row.alt;
        EXPECT_TRUE(run(data, "Column", row.body + "  click OK\n", StartDlgProfFeatures));
        EXPECT_EQ(data.valueC, Zrl_String(row.valueC));
        EXPECT_EQ(data.altValueC, Zrl_String(row.altValueC));
        EXPECT_EQ(data.switchOn, row.switchAfter);
    }
}

TEST_F(ProfForms, FieldsWithoutLabelsAreLeftOut) {
    DlgProfFeaturesData data = column();
    data.labelB.str().clear();
    data.valueB = L"kept";
    data.labelA.str().clear();
    // Field B, and field A with its levels button, are hidden.
    for (const char* action : {"type 1302 \"x\"", "click 1254"}) {
        bool ok = true;
        const win::ScriptResult r =
            win::playScript(std::string("dialog \"Column\"\n  ") + action + "\n  click OK\nend\n",
                            [&] { ok = StartDlgProfFeatures(data); });
        EXPECT_EQ(r.status, win::ScriptBad) << action;
        EXPECT_FALSE(ok);
    }
    EXPECT_TRUE(run(data, "Column", "  click OK\n", StartDlgProfFeatures));
    EXPECT_EQ(data.valueB, Zrl_String(L"kept"));
    EXPECT_EQ(data.valueA, Zrl_String(L"Ground floor"));
}

TEST_F(ProfForms, LevelListsAfterTheLevelsDialog) {
    const struct {
        const char* what;
        std::string levels; // the levels dialog's block
        std::vector<std::wstring> after;
    } rows[] = {
        {"a level before the chosen one deleted: the same level stays chosen",
         "  dialog \"Levels\"\n    choose 1381 \"First floor\"\n    click 1089\n"
         "    click OK\n  end\n",
         {L"Ground floor", L"Roof"}},
        {"Cancel changes no list",
         "  dialog \"Levels\"\n    choose 1381 \"First floor\"\n    click 1089\n"
         "    click CANCEL\n  end\n",
         {L"Ground floor", L"First floor", L"Roof"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        setDrawingLevels();
        DlgProfFeaturesData data = column();
        data.cIsLevel = true;
        data.valueA = L"Roof";
        EXPECT_TRUE(run(data, "Column", row.levels + "  click 1255\n  expect 1252 \"Roof\"\n"
                                                     "  expect 1253 \"Roof\"\n  click OK\n",
                        StartDlgProfFeatures));
        EXPECT_EQ(data.valueA, Zrl_String(L"Roof"));
        EXPECT_EQ(data.valueC, Zrl_String(L"Roof"));
        std::vector<std::wstring> levels, drawing;
        for (const Zrl_String& l : data.levels)
            levels.push_back(l.str());
        for (const VkLevel& l : drawingLevels())
            drawing.push_back(l.name.str());
        EXPECT_EQ(levels, row.after);
        EXPECT_EQ(drawing, row.after);
    }
}

TEST_F(ProfForms, CladdingTypesChoicesAndTheValueField) {
    VkCladdingDlgData data;
    data.profile = L"HEA-200";
    data.kind = 1; // types 1 and 3
    data.type1 = 3;
    data.type2 = 2; // not allowed: no entry, read back as 0
    data.choiceA = 2;
    data.choiceB = 4;
    std::string body = "  expect 1254 \"Maximum distance\"\n  expect 1255 \"\"\n"
                       "  choose 1255 #0\n  expect 1255 \"Fixed distance\"\n"
                       "  choose 1254 #1\n  expect 1254 \"Maximum distance\"\n";
    for (int b = 0; b < 5; ++b)
        body += "  choose 1253 #" + std::to_string(b) +
                (b >= 3 ? "\n  expect-enabled 1410\n" : "\n  expect-disabled 1410\n");
    EXPECT_TRUE(run(data, "Cladding settings", body + "  click OK\n", StartDlgCladdingSettings));
    EXPECT_EQ(data.type1, 3);
    EXPECT_EQ(data.type2, 1);
    EXPECT_EQ(data.choiceA, 2);
    EXPECT_EQ(data.choiceB, 4);

    data.type1 = 7;
    data.type2 = 2;
    EXPECT_TRUE(run(data, "Cladding settings", "  click OK\n", StartDlgCladdingSettings));
    EXPECT_EQ(data.type1, 0);
    EXPECT_EQ(data.type2, 0);
    EXPECT_EQ(CDlgCladdingSettings::typeOf(L"fixed COUNT"), 2);
    EXPECT_EQ(CDlgCladdingSettings::typeOf(L"Fixed"), 0);
}

TEST_F(ProfForms, CladdingChooserStartsOnTheProfileAndShowsTheRecordAgain) {
    VkCladdingDlgData data;
    data.profile = L"HEA-100";
    data.choiceB = 1;
    const std::string body = "  dialog select-prof\n    choose 1001 "
                             "\"HEA-200\"\n    click OK\n  end\n  choose 1253 #3\n"
                             "  click 1251\n  expect 1250 \"HEA 200\"\n  expect 1253 \"Middle\"\n"
                             "  click OK\n";
    EXPECT_TRUE(run(data, "Cladding settings", body, StartDlgCladdingSettings));
    EXPECT_EQ(data.profile, Zrl_String(L"HEA-200"));
    EXPECT_EQ(data.choiceB, 3);
}

} // namespace
} // namespace inputtest
