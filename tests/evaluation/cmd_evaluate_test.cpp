// The zrlss evaluate command: a mode-1 run from the shell, its JSON form,
// its timing report and its one-line failures, and a run against a macro
// description that writes the updated description. Skipped when the command
// has not been built.
#include "eval_fixture.h"
#include "platform/core/macro_description.h"
#include "platform/spread/formula.h"
#include "platform/spread/sheet.h"
#include "platform/core/macro_model.h"
#include "support/command_run.h"
#include "test_paths.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

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
    // An undeclared input stops the command before it runs, with a hint.
    r = runCommand(lib + "evaluate area --set Hieght=1", err);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(readAll(err),
              "zrlss evaluate: the sheet declares no input named Hieght; did you mean Height?\n");
    EXPECT_TRUE(r.out.empty());
}

// Each fault a careless user meets gives the outputs it has, the fault on
// standard error at its line, and status 3; the example library is copied
// and one file of it removed (or nothing, with the inputs left out).
TEST_F(CmdEvaluate, FaultsOfTheRunFailItWithStatusThree) {
    namespace fs = std::filesystem;
    const fs::path copy = lib_ / "example";
    const fs::path standards = copy / "Connection Standards";
    const std::string inputs =
        " --set Beam=IPE300 Column=HEB240 Shear=150 BoltGrade=8.8 SteelFy=235";
    const struct {
        const char* removed; // relative to Connection Standards, or ""
        const char* args;
        const char* fault;
    } cases[] = {
        {"", " evaluate 'Fin Plate'", "line 49: BeamDepth = SECTIONSIZE(Beam, 1): Beam has no value\n"},
        {"Childs/Bolt Resistance.vks", " evaluate 'End Plate'",
         "CallChild(\"Bolt Resistance.vks\", BoltDiameter, BoltGrade, BoltShearRd, "
         "BoltTensionRd): child sheet Bolt Resistance.vks not found\n"},
        {"Data/BoltData.txt", " evaluate 'End Plate'",
         "(GETCELL(\"BoltData.txt\", BoltName, \"clearance\")): data file BoltData.txt not "
         "found\n"},
        {"Data/PlateThicknesses.txt", " evaluate 'End Plate'",
         ": standard-size file PlateThicknesses.txt not found or unreadable\n"},
        {"", " evaluate 'End Plate' --macro Macros/nomodule.json --key Module.NoSuchGroup",
         "Beam: the input could not be fetched from the macro or module\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.removed) + c.args);
        fs::remove_all(copy);
        fs::copy(ZRLSS_EXAMPLE_LIBRARY, copy, fs::copy_options::recursive);
        fs::copy_file(copy / "Macros" / "End Plate.json", copy / "Macros" / "nomodule.json");
        if (*c.removed != '\0') fs::remove(standards / c.removed);
        const bool setsInputs = std::string(c.args).find("End Plate'") != std::string::npos &&
                                std::string(c.args).find("--macro") == std::string::npos;
        std::string args = "--lib '" + copy.string() + "'" + c.args + (setsInputs ? inputs : "");
        const size_t macro = args.find("Macros/");
        if (macro != std::string::npos) args.insert(macro, copy.string() + "/");
        const Result r = runCommand(args, err);
        EXPECT_EQ(r.status, 3);
        EXPECT_NE(r.out.find("ShearRd="), std::string::npos) << r.out;
        const std::string report = readAll(err);
        EXPECT_NE(report.find(c.fault), std::string::npos) << report;
        EXPECT_NE(report.find("fault(s) in the evaluation"), std::string::npos) << report;
    }
}

// A failed macro run writes the description only when --force is given, and
// then still fails.
TEST_F(CmdEvaluate, WriteAfterAFaultOnlyWithForce) {
    namespace fs = std::filesystem;
    const fs::path copy = lib_ / "example";
    fs::copy(ZRLSS_EXAMPLE_LIBRARY, copy, fs::copy_options::recursive);
    fs::remove(copy / "Connection Standards" / "Childs" / "Bolt Resistance.vks");
    const fs::path out = lib_ / "out.json";
    const std::string args = "--lib '" + copy.string() + "' evaluate 'End Plate' --macro '" +
                             copy.string() + "/Macros/End Plate.json' " +
                             "--key EndPlateFlushDefault0001 --write " + out.string();
    Result r = runCommand(args, err);
    EXPECT_EQ(r.status, 3);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_NE(readAll(err).find(out.string() + " not written (--force writes it)"),
              std::string::npos);
    r = runCommand(args + " --force", err);
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(fs::exists(out));
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

// The example library's standard saved as .ods and as .xlsx by the
// engine's own writers (and found by its name alone once the native file is
// gone) evaluates to exactly the native outputs.
TEST_F(CmdEvaluate, StandardSavedAsWorkbookGivesTheNativeOutputs) {
    namespace fs = std::filesystem;
    const fs::path copy = lib_ / "example";
    fs::copy(ZRLSS_EXAMPLE_LIBRARY, copy, fs::copy_options::recursive);
    const std::string args = "--lib '" + copy.string() + "' evaluate 'End Plate' --set "
                             "Beam='IPE 300' Column='HEB 240' Shear=150 BoltGrade=8.8 SteelFy=235";
    Result native = runCommand(args, err);
    ASSERT_EQ(native.status, 0) << readAll(err);
    EXPECT_NE(native.out.find("Utilisation="), std::string::npos);
    const fs::path folder = copy / "Connection Standards";
    spread::Sheet sheet;
    std::wstring why;
    ASSERT_TRUE(sheet.load(folder / "End Plate.vks", &why));
    fs::remove(folder / "End Plate.vks");
    for (const char* extension : {".ods", ".xlsx"}) {
        SCOPED_TRACE(extension);
        const fs::path book = folder / (std::string("End Plate") + extension);
        ASSERT_TRUE(sheet.save(book, &why));
        Result saved = runCommand(args, err);
        EXPECT_EQ(saved.status, 0) << readAll(err);
        EXPECT_EQ(saved.out, native.out);
        fs::remove(book);
    }
    ASSERT_TRUE(sheet.save(folder / "End Plate.ods", &why));
    Result ods;

    // A sheet of a workbook chosen by name, and one the workbook lacks.
    const std::string book = "'" + (copy / "Connection Standards" / "End Plate.ods").string();
    const std::string inputs = args.substr(args.find(" --set"));
    const std::string named = "--lib '" + copy.string() + "' evaluate " + book;
    ods = runCommand(named + "#Sheet1'" + inputs, err);
    EXPECT_EQ(ods.status, 0) << readAll(err);
    EXPECT_EQ(ods.out, native.out);
    EXPECT_NE(runCommand(named + "#Nope'" + inputs, err).status, 0);
    EXPECT_NE(readAll(err).find("no sheet named \"Nope\""), std::string::npos) << readAll(err);

    // A formula the load cannot keep as written: a warning, or with
    // --strict an error before anything runs.
    ASSERT_TRUE(sheet.setFormula(3, 1, L"NOSUCHFN(1)"));
    ASSERT_TRUE(sheet.save(copy / "Connection Standards" / "End Plate.ods", &why));
    ods = runCommand(args, err);
    EXPECT_EQ(ods.status, 0);
    EXPECT_EQ(ods.out, native.out);
    EXPECT_NE(readAll(err).find("zrlss evaluate: warning: Sheet1!C1  =NOSUCHFN(1)  unknown name"), std::string::npos)
        << readAll(err);
    ods = runCommand(args + " --strict", err);
    EXPECT_EQ(ods.status, 1);
    EXPECT_TRUE(ods.out.empty());
    EXPECT_NE(readAll(err).find("zrlss evaluate: error: Sheet1!C1  =NOSUCHFN(1)"), std::string::npos);
}

// What the load of a child sheet cannot keep as written reaches the caller
// named by its child: a warning, or with --strict an error before anything
// runs.
TEST_F(CmdEvaluate, ChildLoadWarningsReachTheCaller) {
    namespace fs = std::filesystem;
    const fs::path copy = lib_ / "example";
    fs::copy(ZRLSS_EXAMPLE_LIBRARY, copy, fs::copy_options::recursive);
    const fs::path child = copy / "Connection Standards" / "Childs" / "Bolt Resistance.vks";
    spread::Sheet sheet;
    std::wstring why;
    ASSERT_TRUE(sheet.load(child, &why));
    ASSERT_TRUE(sheet.setFormula(sheet.maxCols(), 1, L"NOSUCHFN(1)"));
    ASSERT_TRUE(sheet.save(child, &why));
    const std::string args = "--lib '" + copy.string() + "' evaluate 'End Plate' --set "
                             "Beam='IPE 300' Column='HEB 240' Shear=150 BoltGrade=8.8 SteelFy=235";
    const std::string cell = "Connection Standards/Childs/Bolt Resistance.vks: " +
                             Zrl_String(spread::columnName(sheet.maxCols())).toUtf8() +
                             "1  =NOSUCHFN(1)";
    Result r = runCommand(args, err);
    EXPECT_EQ(r.status, 0) << readAll(err);
    EXPECT_NE(r.out.find("ShearRd="), std::string::npos);
    EXPECT_NE(readAll(err).find("zrlss evaluate: warning: " + cell), std::string::npos)
        << readAll(err);
    r = runCommand(args + " --strict", err);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(readAll(err).find("zrlss evaluate: error: " + cell), std::string::npos)
        << readAll(err);

    // A batch is refused the same before any case runs, and writes nothing.
    const fs::path table = lib_ / "cases.csv", results = lib_ / "results.csv";
    std::ofstream(table) << "key,Beam,Column,Shear,BoltGrade,SteelFy\n"
                            "EP1,IPE 300,HEB 240,150,8.8,235\n";
    r = runCommand("--lib '" + copy.string() + "' evaluate 'End Plate' --strict --cases " +
                       table.string() + " -o " + results.string(),
                   err);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(readAll(err).find("zrlss evaluate: error: " + cell), std::string::npos)
        << readAll(err);
    EXPECT_FALSE(fs::exists(results));
}

// --inputs lists every declaration in order with its line and runs nothing;
// it refuses to be combined with a run.
TEST_F(CmdEvaluate, InputsListsTheDeclarations) {
    Result r = runCommand(lib + "evaluate area --inputs", err);
    EXPECT_EQ(r.status, 0) << readAll(err);
    EXPECT_EQ(r.out, "input Double Height (line 2)\ninput Double Width (line 2)\n"
                     "output Double Area (line 4)\noutput String Text (line 4)\n"
                     "local Double Half (line 6)\n");
    r = runCommand(lib + "evaluate area --inputs --json", err);
    EXPECT_EQ(r.status, 0);
    const auto list = nlohmann::json::parse(r.out)["variables"];
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0]["name"], "Height");
    EXPECT_EQ(list[0]["value"], "");
    EXPECT_EQ(list[4]["kind"], "local");
    EXPECT_FALSE(list[4].contains("value"));
    r = runCommand(lib + "evaluate area --inputs --set Height=1", err);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    // The example's notes come along.
    r = runCommand(std::string("--lib ") + ZRLSS_EXAMPLE_LIBRARY + " evaluate 'End Plate' --inputs",
                   err);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("input String Beam (line 6): supported beam section, e.g. IPE 300\n"),
              std::string::npos)
        << r.out;
}

// A batch from a table gives, case by case and in order, what single runs
// give, on one worker and on two; a failed case is marked and the batch goes
// on; a worker killed on a case loses that case alone; a column that is no
// input stops it before it runs, with nothing written.
TEST_F(CmdEvaluate, BatchMatchesSingleRuns) {
    namespace fs = std::filesystem;
    const std::string example = ZRLSS_EXAMPLE_LIBRARY;
    const std::string endPlate = "--lib '" + example + "' evaluate 'End Plate'";
    // Every fifth case of the example table, and one with an unknown beam.
    std::vector<std::vector<std::string>> cases;
    {
        std::ifstream in(fs::path(example) / "Cases" / "End Plate cases.csv");
        std::string line;
        for (int n = 0; std::getline(in, line) && cases.size() < 49; ++n) {
            if (n == 0 || n % 5 != 1) continue;
            std::vector<std::string>& c = cases.emplace_back();
            for (size_t start = 0, end; start <= line.size(); start = end + 1) {
                end = std::min(line.find(',', start), line.size());
                c.push_back(line.substr(start, end - start));
            }
        }
    }
    ASSERT_EQ(cases.size(), 49u);
    cases.insert(cases.begin() + 2, {"bad", "IPE 999", "HEB 240", "150", "8.8", "235"});
    const fs::path table = lib_ / "cases.csv";
    {
        std::ofstream csv(table);
        csv << "key,Beam,Column,Shear,BoltGrade,SteelFy\n";
        for (const auto& c : cases)
            csv << c[0] << "," << c[1] << "," << c[2] << "," << c[3] << "," << c[4] << "," << c[5]
                << "\n";
    }
    std::vector<Result> singles;
    for (const auto& c : cases)
        singles.push_back(runCommand(endPlate + " --json --set Beam='" + c[1] + "' Column='" +
                                         c[2] + "' Shear=" + c[3] + " BoltGrade=" + c[4] +
                                         " SteelFy=" + c[5],
                                     err));
    const fs::path json = lib_ / "results.json";
    const auto batch = [&](const std::string& options) {
        const Result r =
            runCommand(endPlate + " --cases " + table.string() + " -o " + json.string() + options,
                       err);
        EXPECT_EQ(r.status, 3) << readAll(err);
        return nlohmann::json::parse(readAll(json));
    };
    for (const char* jobs : {" --jobs 1", " --jobs 2"}) {
        SCOPED_TRACE(jobs);
        const auto results = batch(jobs);
        ASSERT_EQ(results.size(), cases.size());
        for (size_t i = 0; i < cases.size(); ++i) {
            SCOPED_TRACE(cases[i][0]);
            EXPECT_EQ(results[i]["name"], cases[i][0]);
            EXPECT_EQ(results[i]["outputs"], nlohmann::json::parse(singles[i].out)["outputs"]);
            const std::string status = results[i]["status"];
            EXPECT_EQ(status.rfind(singles[i].status == 0 ? "ok" : "failed: ", 0), 0u) << status;
            EXPECT_EQ(results[i]["failures"].empty(), singles[i].status == 0);
        }
        EXPECT_NE(results[2]["status"], "ok");
    }

    // A worker that dies on case 20, or hangs there past the time limit:
    // that case is lost and told, the others held by the same worker run on
    // a new one.
    const auto whole = batch(" --jobs 1");
    const struct {
        const char* options;
        const char* status;
    } faults[] = {
        {" --jobs 2 --test-worker-fault 20:die", "failed: the worker ended by signal 9 on this case"},
        {" --jobs 2 --case-timeout 2 --test-worker-fault 20:hang",
         "failed: the worker was stopped after 2 s on this case"},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.options);
        const auto lost = batch(f.options);
        const std::string told = readAll(err);
        ASSERT_EQ(lost.size(), cases.size());
        for (size_t i = 0; i < cases.size(); ++i) {
            if (i == 19) continue;
            EXPECT_EQ(lost[i], whole[i]) << i;
        }
        EXPECT_EQ(lost[19]["status"], f.status);
        EXPECT_NE(told.find("on case " + cases[19][0]), std::string::npos) << told;
    }

    // A sheet of the results, saved by the grid engine by its extension.
    Result r;
    for (const char* extension : {".ods", ".xlsx"}) {
        SCOPED_TRACE(extension);
        const fs::path book = lib_ / (std::string("results") + extension);
        r = runCommand(endPlate + " --cases " + table.string() + " -o " + book.string(), err);
        EXPECT_EQ(r.status, 3);
        spread::Sheet sheet;
        ASSERT_TRUE(sheet.load(book));
        EXPECT_EQ(sheet.valueText(1, 1), L"name");
        EXPECT_EQ(sheet.value(1, 2), spread::Value(Zrl_String::fromUtf8(cases[0][0]).str()));
        EXPECT_TRUE(sheet.value(4, 2).isNumber()); // the shear
        EXPECT_EQ(sheet.valueText(sheet.lastUsedCol(), 2), L"ok");
    }

    // The CSV form: a header, then a row per case ending in its status.
    const std::filesystem::path csv = lib_ / "results.csv";
    r = runCommand(endPlate + " --cases " + table.string() + " -o " + csv.string(), err);
    EXPECT_EQ(r.status, 3);
    const std::string text = readAll(csv);
    EXPECT_EQ(text.rfind("name,Beam,Column,Shear,BoltGrade,SteelFy,PlateWidth,", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 51);
    EXPECT_NE(text.find("\nbad,IPE 999,HEB 240,150,8.8,235,"), std::string::npos) << text;

    // A column that is no input.
    {
        std::ofstream bad(table);
        bad << "Beem,Shear\nIPE 300,150\n";
    }
    const std::filesystem::path none = lib_ / "none.csv";
    r = runCommand(endPlate + " --cases " + table.string() + " -o " + none.string(), err);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(readAll(err).find("did you mean Beam?"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(none));
}

// Texts pass between the batch and its workers as they are, whatever they
// hold, with more workers asked for than there are cases; a table that is
// not UTF-8 is refused before anything runs.
TEST_F(CmdEvaluate, BatchCarriesEveryTextThrough) {
    namespace fs = std::filesystem;
    const std::string endPlate = "--lib '" + std::string(ZRLSS_EXAMPLE_LIBRARY) +
                                 "' evaluate 'End Plate' --jobs 6 --cases ";
    const char* const beams[] = {"IPE\t9\\t99", "IPE \"9\",9\r\n9\\", "IPE\\", "\\n\n"};
    const fs::path table = lib_ / "odd.csv", json = lib_ / "odd.json";
    {
        std::ofstream csv(table, std::ios::binary);
        csv << "key,Beam,Column,Shear,BoltGrade,SteelFy\n";
        for (const std::string beam : beams) {
            std::string quoted = "\"";
            for (char ch : beam)
                quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            csv << quoted << "#\"," << quoted << "\",HEB 240,150,8.8,235\n";
        }
    }
    EXPECT_EQ(runCommand(endPlate + table.string() + " -o " + json.string(), err).status, 3);
    const auto results = nlohmann::json::parse(readAll(json));
    ASSERT_EQ(results.size(), std::size(beams));
    for (size_t i = 0; i < std::size(beams); ++i) {
        EXPECT_EQ(results[i]["name"], std::string(beams[i]) + "#");
        EXPECT_EQ(results[i]["inputs"]["Beam"], beams[i]);
        EXPECT_EQ(results[i]["failures"][0]["reason"],
                  "section " + std::string(beams[i]) + " not found");
    }

    std::ofstream(table, std::ios::binary) << "key,Beam\nEP1,IPE 300\nEP2,\xff\n";
    fs::remove(json);
    EXPECT_EQ(runCommand(endPlate + table.string() + " -o " + json.string(), err).status, 1);
    EXPECT_NE(readAll(err).find("line 3: not UTF-8"), std::string::npos) << readAll(err);
    EXPECT_FALSE(fs::exists(json));
}
