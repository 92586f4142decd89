// The zrlss evaluate command: a mode-1 run from the shell, its JSON form,
// its timing report and its one-line failures, and a run against a macro
// description that writes the updated description. Skipped when the command
// has not been built.
#include "eval_fixture.h"
#include "platform/core/macro_description.h"
#include "platform/core/macro_model.h"
#include "support/command_run.h"

#include <algorithm>
#include <fstream>

using namespace evaltest;

namespace {

using Result = testsupport::CommandRun;

// Runs the command with `args`; standard error goes to `errFile`.
Result runCommand(const std::string& args, const std::filesystem::path& errFile) {
    return testsupport::runZrlss(args, ZRLSS_BIN_DIR, errFile.string());
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

class CmdEvaluate : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        if (!std::filesystem::exists(std::string(ZRLSS_BIN_DIR) + "/zrlss") ||
            !std::filesystem::exists(std::string(ZRLSS_LIB_DIR) + "/libzrlss.so"))
            GTEST_SKIP() << "the zrlss command is not built";
        sheet("area",
              rows({L"Input", L"Double Height|Double Width", L"Output", L"Double Area|String Text",
                    L"Local", L"Double Half", L"Calc", L"Half = Height / 2", L"Area = Half * Width",
                    L"Text = \"A=\" & Area"}));
        lib = "--lib " + lib_.string() + " ";
        err = lib_ / "stderr.txt";
    }
    std::string lib;
    std::filesystem::path err;
};

TEST_F(CmdEvaluate, PrintsEveryOutput) {
    Result r = runCommand(lib + "evaluate area --set Height=10 --set width=3", err);
    EXPECT_EQ(r.status, 0) << readAll(err);
    EXPECT_EQ(r.out, "Area=15\nText=A=15\n");
    r = runCommand(lib + "evaluate area --set Height=4 --set Width=2 --json --repeat 3", err);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\n  \"outputs\": {\n    \"Area\": \"4\",\n    \"Text\": \"A=4\"\n  }\n}\n");
    const std::string report = readAll(err);
    EXPECT_NE(report.find("runs: 3"), std::string::npos);
    EXPECT_NE(report.find("gLoadFile: 3 calls"), std::string::npos);
}

TEST_F(CmdEvaluate, FailuresGiveOneLineAndNonZeroStatus) {
    Result r = runCommand(lib + "evaluate nosuch", err);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(readAll(err), "zrlss evaluate: sheet not found: nosuch\n");
    r = runCommand(lib + "evaluate area --set Depth=1", err);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(readAll(err), "zrlss evaluate: the sheet has no input named Depth\n");
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CmdEvaluate, MacroRunWritesTheUpdatedDescriptionOnlyOnSuccess) {
    const std::string example = ZRLSS_EXAMPLE_LIBRARY;
    const std::string macro = " --macro \"" + example + "/Macros/End Plate.json\"";
    const std::filesystem::path out = lib_ / "out.json";
    const std::string endPlate = "--lib " + example + " evaluate \"End Plate\"" + macro +
                                 " --key EndPlateFlushDefault0001 --write ";
    Result r = runCommand(endPlate + out.string(), err);
    ASSERT_EQ(r.status, 0) << readAll(err);
    EXPECT_NE(r.out.find("PlateWidth=170\n"), std::string::npos) << r.out;

    // The description reads back and carries what the run computed.
    Zrl_DbMacro written;
    MacroData data;
    ASSERT_EQ(loadMacroDescription(Zrl_String::fromUtf8(out.string()), written, data), Acad::eOk);
    const Zrl_MacroModule* plate = written.macro.findModule(L"Endplate");
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(plate->dialogVariables[0].name, L"Width");
    EXPECT_EQ(plate->dialogVariables[0].value, 170.0);
    double layoutOk = 0;
    ASSERT_EQ(written.macro.getGenVarValue(L"gen_LayoutOK", layoutOk), Acad::eOk);
    EXPECT_EQ(layoutOk, 1.0);

    // A failed run, and a write that cannot be made, leave the file as it
    // was and nothing else beside it.
    sheet("broken", rows({L"Input", L"Double Width", L"Output"}));
    const std::string before = readAll(out);
    r = runCommand(
        lib + "evaluate broken" + macro + " --key Module.EndPlate --write " + out.string(), err);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(readAll(err), "zrlss evaluate: the evaluation of broken failed\n");
    const std::filesystem::path nowhere = lib_ / "no" / "out.json";
    r = runCommand(endPlate + nowhere.string(), err);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(readAll(err), "zrlss evaluate: cannot write " + nowhere.string() + "\n");
    EXPECT_EQ(readAll(out), before);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(lib_))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Connection Standards", "out.json", "stderr.txt"}));
}

// The example library's standard saved as .ods (and found by its name alone
// once the native file is gone) evaluates to exactly the native outputs.
TEST_F(CmdEvaluate, StandardSavedAsOdsGivesTheNativeOutputs) {
    namespace fs = std::filesystem;
    const fs::path copy = lib_ / "example";
    fs::copy(ZRLSS_EXAMPLE_LIBRARY, copy, fs::copy_options::recursive);
    const std::string args = "--lib '" + copy.string() + "' evaluate 'End Plate' --set "
                             "Beam='IPE 300' Column='HEB 240' Shear=150 BoltGrade=8.8 SteelFy=235";
    Result native = runCommand(args, err);
    ASSERT_EQ(native.status, 0) << readAll(err);
    const fs::path vks = copy / "Connection Standards" / "End Plate.vks";
    spread::Sheet sheet;
    std::wstring why;
    ASSERT_TRUE(sheet.load(vks, &why));
    ASSERT_TRUE(sheet.save(copy / "Connection Standards" / "End Plate.ods", &why));
    fs::remove(vks);
    Result ods = runCommand(args, err);
    EXPECT_EQ(ods.status, 0) << readAll(err);
    EXPECT_EQ(ods.out, native.out);
    EXPECT_NE(native.out.find("Utilisation="), std::string::npos);
}
