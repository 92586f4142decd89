// The profile features and cladding settings forms through their starters
// on a library of the test's own: the profile list of a family file and the
// profile chooser, and types a caller gives outside the kind (field C, the
// level lists, the types and choices: dialog cases).
#include "dialogs/dlg_cladding.h"
#include "dialogs/dlg_prof_features.h"
#include "input_fixture.h"
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
    }
    void TearDown() override {
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

// A type the kind does not allow, given by a caller, reads back as 0.
TEST_F(ProfForms, CladdingTypesOutsideTheKindReadBackAsNone) {
    VkCladdingDlgData data;
    data.profile = L"HEA-200";
    data.kind = 1; // types 1 and 3
    data.type1 = 7;
    data.type2 = 2;
    EXPECT_TRUE(run(data, "Cladding settings", "  click OK\n", StartDlgCladdingSettings));
    EXPECT_EQ(data.type1, 0);
    EXPECT_EQ(data.type2, 0);
    EXPECT_EQ(CDlgCladdingSettings::typeOf(L"fixed COUNT"), 2);
    EXPECT_EQ(CDlgCladdingSettings::typeOf(L"Fixed"), 0);
}

} // namespace
} // namespace inputtest
