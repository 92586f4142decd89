// zrlss sections: listing, checking, CSV out and in, exit statuses.
#include "sections_fixture.h"
#include "support/command_run.h"

#include <fstream>
#include <sstream>

using namespace sectest;
using testsupport::runZrlss;

namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(CmdSections, EveryExampleTablePassesTheCheck) {
    const auto r = runZrlss("sections --check");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "");
    const auto list = runZrlss("sections");
    EXPECT_EQ(list.status, 0) << list.out;
    EXPECT_NE(list.out.find("HEA\t1\t4\t24\t24\nHEB\t1\t4\t"), std::string::npos) << list.out;
}

TEST(CmdSections, SectionsOfATable) {
    const auto r = runZrlss("sections HEA");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.substr(0, 34), "HEA-100\tHEA 100\t1\nHEA-120\tHEA 120\t");
    const auto missing = runZrlss("sections NOPE");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("no such table"), std::string::npos) << missing.out;
}

class CmdSectionsFiles : public LibraryTest {
protected:
    std::string lib() const { return "--lib '" + dir_.string() + "' "; }
};

TEST_F(CmdSectionsFiles, CsvToTableToCsvIsUnchanged) {
    const std::string csv = "1\n"
                            "SysName,I/O,English,Dutch,German,French,h,b\n"
                            "100,1,\"HEA, 100\",\"a \"\"q\"\"\",x\\y,#z,96,100\n"
                            "120,0,HEA 120,,,,114,120.50\n";
    std::ofstream(dir_ / "in.csv") << csv;
    auto r = runZrlss(lib() + "sections --from-csv '" + (dir_ / "in.csv").string() + "' -o T");
    ASSERT_EQ(r.status, 0) << r.out;
    r = runZrlss(lib() + "sections T --csv -");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, csv);
    r = runZrlss(lib() + "sections T --active --csv '" + (dir_ / "out.csv").string() + "'");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(readText(dir_ / "out.csv"), csv.substr(0, csv.find("120,")));
}

TEST_F(CmdSectionsFiles, ProblemsRefuseTheImportAndFailTheCheck) {
    std::ofstream(prof("T.pr")) << "1\nSysName\tI/O\tE\tD\tG\tF\th\n1\t1\ta\tb\tc\td\t5\n";
    const std::string before = readText(prof("T.pr"));
    std::ofstream(dir_ / "bad.csv") << "1\nSysName,I/O,E,D,G,F,h\n1,2,a,b,c,d,x\n1,1,a,b,c,d,5\n";
    auto r = runZrlss(lib() + "sections --from-csv '" + (dir_ / "bad.csv").string() + "' -o T");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("T: row 3: flag \"2\" is neither 0 nor 1\nT: row 3: h"), std::string::npos)
        << r.out;
    EXPECT_EQ(readText(prof("T.pr")), before);

    std::ofstream(prof("U.pr")) << "30\nSysName\n";
    r = runZrlss(lib() + "sections --check");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("U: row 1: shape \"30\""), std::string::npos) << r.out;
    EXPECT_EQ(runZrlss(lib() + "sections T --check").status, 0);
    EXPECT_EQ(runZrlss(lib() + "sections '" + prof("U.pr").string() + "' --check").status, 1);
    EXPECT_EQ(runZrlss(lib() + "sections --json").status, 1);
}

TEST_F(CmdSectionsFiles, JsonOfATable) {
    std::ofstream(prof("T.pr")) << "Beam.dwg\nSysName\tI/O\n1\t0\n2\t1\n";
    const auto r = runZrlss(lib() + "sections T --json --active");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\"name\": \"T\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"picture\": \"Beam.dwg\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\"0\""), std::string::npos) << r.out;
}
