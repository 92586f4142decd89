// The zrlss bill command on the example bill: rows, subtotals, titles and
// named values reach the sheet file; bad input fails and leaves OUT alone.
#include "bills_fixture.h"
#include "platform/spread/sheet.h"
#include "support/command_run.h"
#include "test_paths.h"

#include <cstdlib>

namespace {

using billstest::BillsTest;
namespace fs = billstest::fs;

const fs::path kExample = fs::path(ZRLSS_EXAMPLE_LIBRARY) / "Bills" / "Frame 12 parts.csv";

using testsupport::CommandRun;

CommandRun zrlssBill(const std::string& args) {
    return testsupport::runZrlss("--quiet bill " + args);
}

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

TEST_F(BillsTest, CommandWritesTheExampleBill) {
    const fs::path out = root / "out" / "Frame 12.vks";
    CommandRun r = zrlssBill(quoted(kExample) + " -o " + quoted(out) + " --kinds 3,1,3,3,3,1,2" +
                             " --var Project=Hall\\ B");
    ASSERT_EQ(r.status, 0) << r.out;
    spread::Sheet sheet;
    ASSERT_TRUE(sheet.load(out));
    EXPECT_EQ(sheet.maxCols(), 7);
    EXPECT_EQ(sheet.maxRows(), 15);
    EXPECT_EQ(sheet.data(3, 0), L"Description");
    EXPECT_EQ(sheet.data(3, 8), L"Stiffener, full depth");
    EXPECT_EQ(sheet.cellType(2, 1).decimals, 0);
    // A subtotal line loses its mark and is highlighted where it has text.
    EXPECT_EQ(sheet.data(2, 5), L"Profiles");
    EXPECT_EQ(billstest::background(sheet, 2, 5), 0xFFD1A4u);

    const VkSSSettings settings = billstest::settingsOf(sheet);
    ASSERT_EQ(settings.varNames.length(), 4);
    EXPECT_EQ(settings.varNames[3].str(), L"Project");
    EXPECT_EQ(settings.varValues[3].str(), L"Hall B");

    // With titles given, the first line is a row; .xlsx and .csv by extension.
    const fs::path csv = root / "out" / "parts.csv";
    r = zrlssBill(quoted(kExample) + " -o " + quoted(csv) + " --titles A,B,C");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(readBytes(csv).substr(0, 9), "Pos,Qty,D");
    r = zrlssBill(quoted(kExample) + " -o " + quoted(root / "out" / "parts.xlsx"));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(readBytes(root / "out" / "parts.xlsx").substr(0, 2), "PK");
}

TEST_F(BillsTest, CommandFailuresLeaveTheTargetAlone) {
    const fs::path out = root / "out" / "bill.vks";
    writeBytes(out, "earlier bill");
    writeBytes(root / "open.csv", "Pos,Name\n1,\"Plate\n");
    writeBytes(root / "empty.csv", "");
    const std::string cases[] = {
        quoted(root / "open.csv") + " -o " + quoted(out),
        quoted(root / "empty.csv") + " -o " + quoted(out),
        quoted(root / "missing.csv") + " -o " + quoted(out),
        quoted(kExample) + " -o " + quoted(out) + " --var =x",
        quoted(kExample) + " -o " + quoted(out) + " --kinds 1,x",
        quoted(kExample) + " -o " + quoted(root / "out" / "bill.txt"),
        quoted(kExample) + " -o " + quoted(root / "nowhere" / "bill.vks"),
    };
    for (const std::string& args : cases) {
        const CommandRun r = zrlssBill(args);
        EXPECT_NE(r.status, 0) << args;
        EXPECT_NE(r.out.find("zrlss"), std::string::npos) << args;
        EXPECT_EQ(readBytes(out), "earlier bill") << args;
    }
    EXPECT_FALSE(fs::exists(root / "out" / "bill.txt"));
}

// Rows the sheet cannot take whole, or that are not UTF-8, and a named value
// that would break the print settings, are refused naming what is wrong.
TEST_F(BillsTest, CommandRefusesWhatItWouldCutOrGarble) {
    const fs::path out = root / "out" / "bill.vks";
    writeBytes(out, "earlier bill");
    const std::string wide(16384, ',');
    writeBytes(root / "wide.csv", "Pos,Name\n\n1,Plate\n2" + wide + "\n");
    writeBytes(root / "widetitles.csv", "P" + wide + "\n1\n");
    writeBytes(root / "latin1.csv", "Pos,Name\n1,\"Plate\nfull\"\n2,Stra\xDF" "e\n");
    const char utf16[] = "\xFF\xFEP\0o\0s\0,\0\"\0N\0\"\0\n\0";
    const char utf16bare[] = "P\0o\0s\0\n\0";
    writeBytes(root / "utf16.csv", std::string(utf16, sizeof utf16 - 1));
    writeBytes(root / "utf16bare.csv", std::string(utf16bare, sizeof utf16bare - 1));
    const struct {
        std::string args;
        std::string says;
    } cases[] = {
        {quoted(root / "wide.csv"), "line 4: more than 16384 fields"},
        {quoted(root / "widetitles.csv"), "line 1: more than 16384 fields"},
        {quoted(root / "latin1.csv"), "line 4: not UTF-8"},
        {quoted(root / "utf16.csv"), "line 1: not UTF-8"},
        {quoted(root / "utf16bare.csv"), "line 1: not UTF-8"},
        {quoted(kExample) + " --var 'Project=Hall\xC2\xA4" "B'", "cannot hold"},
        {quoted(kExample) + " --var 'Pro\xC2\xA4ject=Hall'", "cannot hold"},
    };
    for (const auto& c : cases) {
        const CommandRun r = zrlssBill(c.args + " -o " + quoted(out));
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << ": " << r.out;
        EXPECT_EQ(readBytes(out), "earlier bill") << c.args;
    }
}

// Memory running out (made to, as a job begins, by the command's test build)
// is reported with what the command was doing, exit status 1, and the target
// and its folder as they were. The shipped command has no such seam.
TEST_F(BillsTest, OutOfMemorySaysWhatTheCommandWasDoing) {
    const fs::path out = root / "out" / "bill.vks";
    writeBytes(out, "earlier bill");
    const struct {
        const char* failing;
        std::string args;
        std::string says;
    } cases[] = {
        {"reading", "bill " + quoted(kExample), "zrlss bill: out of memory while reading "},
        {"building", "bill " + quoted(kExample), "zrlss bill: out of memory while building the bill for "},
        {"writing", "convert " + quoted(kExample), "zrlss convert: out of memory while writing "},
    };
    for (const auto& c : cases) {
        ::setenv("ZRLSS_TEST_NO_MEMORY_WHILE", c.failing, 1);
        const CommandRun r = testsupport::runZrlss(
            "--quiet " + c.args + " " + (c.args[0] == 'b' ? "-o " : "") + quoted(out),
            ZRLSS_BIN_DIR, {}, "zrlss-test");
        ::unsetenv("ZRLSS_TEST_NO_MEMORY_WHILE");
        EXPECT_EQ(r.status, 1) << c.failing << ": " << r.out;
        EXPECT_EQ(r.out.rfind(c.says, 0), 0u) << r.out;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
        EXPECT_EQ(readBytes(out), "earlier bill") << c.failing;
        EXPECT_EQ(std::distance(fs::directory_iterator(out.parent_path()), fs::directory_iterator()), 1);
    }
    ::setenv("ZRLSS_TEST_NO_MEMORY_WHILE", "reading", 1);
    const CommandRun shipped = zrlssBill(quoted(kExample) + " -o " + quoted(out));
    ::unsetenv("ZRLSS_TEST_NO_MEMORY_WHILE");
    EXPECT_EQ(shipped.status, 0) << shipped.out;
}

} // namespace
