// zrlss check: each fault planted in a small sheet is reported at its line
// with its severity and the exit status that goes with it; the example
// standards pass. Skipped when the command has not been built.
#include "eval_fixture.h"
#include "support/command_run.h"
#include "test_paths.h"

#include <fstream>

using namespace evaltest;

namespace {

// `cells` with the cells of sheet row `row` replaced by `line` ("|" between
// columns, as rows() takes them).
std::vector<Cell> withRow(std::vector<Cell> cells, int row, std::wstring_view line) {
    std::erase_if(cells, [row](const Cell& c) { return c.row == row; });
    for (Cell c : rows({line})) {
        c.row = row;
        cells.push_back(c);
    }
    return cells;
}

} // namespace

class CmdCheck : public EvalTest {
protected:
    void SetUp() override {
        EvalTest::SetUp();
        if (!std::filesystem::exists(std::string(ZRLSS_BIN_DIR) + "/zrlss"))
            GTEST_SKIP() << "the zrlss command is not built";
    }
    testsupport::CommandRun check(const std::string& sheetName, const std::string& lib) {
        return testsupport::runZrlss("--lib '" + lib + "' check '" + sheetName + "'",
                                     ZRLSS_BIN_DIR, (lib_ / "stderr.txt").string());
    }
};

TEST_F(CmdCheck, EachPlantedFaultAtItsLine) {
    const std::vector<Cell> base =
        rows({L"Input", L"Double Height|Double Width", L"Output", L"Double Area", L"Local",
              L"Double Half", L"Calc", L"Half = Height / 2", L"Area = Half * Width"});
    const struct {
        int row;
        const wchar_t* line;
        int status;
        const char* report; // the whole output
    } cases[] = {
        {0, L"", 0, ""},
        {4, L"Double Area|Double height", 1,
         "line 4: error: duplicate name height (first on line 2)\n"
         "line 4: error: the output height is never assigned\n"},
        {6, L"Double Half|Double", 1, "line 6: error: a declaration without a name\n"},
        {6, L"Double Half|Double AB12", 1, "line 6: error: AB12 reads as a cell address\n"},
        {6, L"Double Half|Double Sum", 0, "line 6: warning: Sum is also the name of a function\n"},
        {10, L"Half * 2", 1, "line 10: error: not an equation \"name = expression\": Half * 2\n"},
        {10, L"Height = 3", 1, "line 10: error: assigns to the input Height\n"},
        {10, L"Depth = 3", 1, "line 10: error: assigns to the undeclared name Depth\n"},
        {10, L"Half = Depth * 2", 1, "line 10: error: uses the undeclared name Depth\n"},
        {10, L"Half = FOO(Height)", 1, "line 10: error: unknown function FOO\n"},
        {10, L"Half = (Height * 2", 1, "line 10: error: does not parse: "},
        {4, L"Double Area|Double Extra", 1, "line 4: error: the output Extra is never assigned\n"},
        {2, L"Double Height|Double Width|Double Spare", 0,
         "line 2: warning: the input Spare is never used\n"},
        {10, L"CallChild(\"Nope.vks\", Height)", 1,
         "line 10: error: child sheet Nope.vks not found; looked in: "},
        {10, L"Half = GETCELL(\"Nope.txt\", Height)", 1,
         "line 10: error: file Nope.txt not found; looked in: "},
        {10, L"CallChild(\"kid.vks\", Height, Half)", 0, ""},
        {10, L"CallChild(\"kid.vks\", Height)", 1,
         "line 10: error: the child call hands 1 names; kid.vks declares 2 inputs and outputs\n"},
        {10, L"CallChild(\"loop.vks\", Height, Half)", 1,
         "line 10: error: child-call cycle: planted.vks -> loop.vks -> back.vks -> loop.vks\n"},
    };
    // Children: one that computes, and a chain that comes back to itself.
    sheet("kid", rows({L"Input", L"Double A", L"Output", L"Double B", L"Calc", L"B = A"}));
    sheet("loop", rows({L"Input", L"Double A", L"Output", L"Double B", L"Calc",
                        L"CallChild(\"back.vks\", A, B)"}));
    sheet("back", rows({L"Input", L"Double A", L"Output", L"Double B", L"Calc",
                        L"CallChild(\"loop.vks\", A, B)"}));
    for (const auto& c : cases) {
        SCOPED_TRACE(Zrl_String(c.line).toUtf8());
        sheet("planted", c.row == 0 ? base : withRow(base, c.row, c.line));
        const testsupport::CommandRun r = check("planted", lib_.string());
        EXPECT_EQ(r.status, c.status) << r.out;
        EXPECT_EQ(r.out.rfind(c.report, 0), 0u) << r.out;
        const std::string report = c.report;
        if (report.empty() || report.back() == '\n') {
            EXPECT_EQ(r.out, report);
        }
    }
    // A sheet that cannot be read.
    EXPECT_EQ(check("nosuch", lib_.string()).status, 2);
    sheet("untitled", rows({L"Calc", L"Half = 1"}));
    EXPECT_EQ(check("untitled", lib_.string()).status, 2);
}

TEST_F(CmdCheck, ExampleStandardsHaveNoErrors) {
    const std::string lib = ZRLSS_EXAMPLE_LIBRARY;
    for (const char* name : {"End Plate", "Fin Plate", "Base Plate", "Childs/Bolt Group.vks",
                             "Childs/Bolt Resistance.vks"}) {
        const std::string sheetName =
            std::string(name).find('/') == std::string::npos
                ? std::string(name)
                : lib + "/Connection Standards/" + name;
        const testsupport::CommandRun r = check(sheetName, lib);
        EXPECT_EQ(r.status, 0) << name << ": " << r.out;
    }
}
