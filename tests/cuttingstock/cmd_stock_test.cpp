// zrlss stock: each action on a scratch library, and the exit status and
// one-line reason of each failure, with nothing written then.
#include "stock_fixture.h"
#include "support/command_run.h"

namespace stocktest {
namespace {

class CmdStock : public StockTest {
protected:
    testsupport::CommandRun run(const std::string& args) {
        return testsupport::runZrlss("--lib '" + dir_.string() + "' stock " + args);
    }
    // What a run that must succeed printed.
    std::string ok(const std::string& args) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 0) << args << "\n" << r.out;
        return r.out;
    }
    std::string at(const std::string& name) const { return "'" + (dir_ / name).string() + "'"; }
};

TEST_F(CmdStock, ListShowAndSave) {
    writeFile("HEA200", "Stock1.shp", "4350\u00BF2\n", 0);
    writeFile("HEA200", "Stock2.shp", "7200\u00BF1\n\nx,y\u00BF\"q\"\n", 10);
    writeFile("HEA200", "Stock1.buy", "6000\n", 5);
    fs::create_directories(folder("IPE300"));

    EXPECT_EQ(ok("list"), "HEA200\t2\t1\nIPE300\t0\t0\n");
    const std::string files = ok("list HEA200");
    EXPECT_NE(files.find("shp\tStock2.shp\t"), std::string::npos) << files;
    EXPECT_NE(files.find("\t3\tlatest\n"), std::string::npos) << files;
    EXPECT_NE(files.find("buy\tStock1.buy\t"), std::string::npos) << files;

    EXPECT_EQ(ok("show HEA200 shp"), "7200,1\n\n\"x,y\",\"\"\"q\"\"\"\n");
    ok("show HEA200 shp Stock1.shp -o " + at("out.csv"));
    EXPECT_EQ(read(dir_ / "out.csv"), "4350,2\n");

    // The latest file shown and saved again gives the same file.
    ok("show HEA200 shp -o " + at("latest.csv"));
    EXPECT_EQ(ok("save HEA200 shp " + at("latest.csv")),
              (folder("HEA200") / "stock3.shp").string() + "\n");
    EXPECT_EQ(read(folder("HEA200") / "stock3.shp"), read(folder("HEA200") / "Stock2.shp"));
    ok("save L80x8 buy " + at("out.csv") + " --as Rest.TXT");
    EXPECT_EQ(read(folder("L80x8") / "rest.txt.buy"), "4350\u00BF2\n");
}

TEST_F(CmdStock, FailuresSayWhyAndWriteNothing) {
    writeFile("HEA200", "Stock1.shp", "1\n");
    std::ofstream(dir_ / "bad.csv") << "a,\"b\n";
    std::ofstream(dir_ / "cell.csv") << "a,b\u00BFc\n";
    std::ofstream(dir_ / "ok.csv") << "1,2\n";
    fs::create_directories(folder("HEA200") / "stuck.shp");
    const struct {
        std::string args, reason;
    } rows[] = {
        {"list NOPE", "no such folder: "},
        {"show HEA200 buy", "no .buy file in "},
        {"show HEA200 shp Stock9.shp", "no such file: "},
        {"show HEA200 txt", "the kind must be shp or buy"},
        {"show .. shp", "not a name a folder may have: \"..\""},
        {"save a:b shp " + at("ok.csv"), "not a name a folder may have"},
        {"save NEW shp " + at("bad.csv"), "a quoted field is not closed"},
        {"save NEW shp " + at("cell.csv"), "row 1: a cell holds"},
        {"save NEW shp " + at("missing.csv"), "cannot read "},
        {"save HEA200 shp " + at("ok.csv") + " --as stuck", "cannot write "},
        {"rename HEA200", "unknown action \"rename\""},
    };
    for (const auto& row : rows) {
        const auto r = run(row.args);
        EXPECT_EQ(r.status, 1) << row.args;
        EXPECT_EQ(r.out.rfind("zrlss stock: ", 0), 0u) << row.args;
        EXPECT_NE(r.out.find(row.reason), std::string::npos)
            << row.args << "\n" << r.out;
    }
    EXPECT_FALSE(fs::exists(folder("NEW")));
    EXPECT_TRUE(fs::is_directory(folder("HEA200") / "stuck.shp"));
}

} // namespace
} // namespace stocktest
