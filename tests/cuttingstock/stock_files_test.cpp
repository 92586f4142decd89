// Stock files: numbers and names, the latest file, reading and writing.
#include "cuttingstock/stock_files.h"
#include "platform/core/paths.h"
#include "stock_fixture.h"

#include <vector>

namespace stocktest {
namespace {

using namespace stock;

TEST(StockNames, NumbersComeFromTheFileName) {
    const struct {
        const wchar_t* path;
        int number;
    } rows[] = {
        {L"C:\\lib\\Cutting Stock\\HEA200\\Stock7.shp", 7},
        {L"stock7.shp", 7},
        {L"STOCK12.buy", 12},
        {L"Stockx.shp", 0},
        {L"Stock.shp", 0},
        {L"Stock3a.shp", 3},
        {L"Stock0001.shp", 1},
        {L"Stock99999999999.shp", 0}, // too large to be followed
        {L"Cutting Stock\\Stock", 0}, // the folder's "Stock" is not the file's
    };
    for (const auto& r : rows)
        EXPECT_EQ(stockFileNumber(r.path), r.number) << Zrl_String(r.path).toUtf8();
}

TEST(StockNames, ChosenPathsGetTheExtensionInLowerCase) {
    const struct {
        const wchar_t *path, *ext, *chosen;
    } rows[] = {{L"Rest.SHP", L"shp", L"rest.shp"},
                {L"rest", L"shp", L"rest.shp"},
                {L"rest.txt", L"shp", L"rest.txt.shp"},
                {L"a.shp", L"buy", L"a.shp.buy"},
                {L"D:\\Lib\\Rest.buy", L"buy", L"d:\\lib\\rest.buy"}};
    for (const auto& r : rows)
        EXPECT_EQ(chosenStockPath(r.path, r.ext), Zrl_String(r.chosen)) << r.chosen;
}

TEST(StockNames, ProfileNamesMustBeFolderNames) {
    for (const wchar_t* ok : {L"HEA200", L"IPE 300", L"L80x8", L".hidden"})
        EXPECT_TRUE(isValidProfileName(ok)) << Zrl_String(ok).toUtf8();
    for (const wchar_t* bad : {L"", L".", L"..", L"a\\b", L"../x", L"a:b", L"x*"}) {
        EXPECT_FALSE(isValidProfileName(bad)) << Zrl_String(bad).toUtf8();
        EXPECT_TRUE(stockFolder(bad).isEmpty());
    }
    EXPECT_TRUE(isStockExtension(L"shp"));
    EXPECT_FALSE(isStockExtension(L"sh"));
    EXPECT_FALSE(isStockExtension(L"shpx"));
}

TEST_F(StockTest, NextNumberFollowsTheLargest) {
    const struct {
        std::vector<std::string> files;
        const wchar_t* next;
    } rows[] = {{{"stock7.shp", "Stock2.shp"}, L"Stock8.shp"},
                {{"Stockx.shp"}, L"Stock1.shp"},
                {{"Stock9.buy", "Rest12.shp"}, L"Stock1.shp"}};
    for (const auto& r : rows) {
        fs::remove_all(folder("P"));
        fs::create_directories(folder("P"));
        for (const std::string& f : r.files)
            writeFile("P", f, "1");
        EXPECT_EQ(nextStockPath(folderText("P"), L"shp"), folderText("P") + r.next) << r.next;
    }
}

TEST_F(StockTest, LatestByTimeTheFirstOfEqualTimes) {
    writeFile("P", "b.shp", "", 10);
    writeFile("P", "a.shp", "", 10);
    writeFile("P", "c.shp", "", 5);
    writeFile("P", "z.buy", "", 50);
    Zrl_String path;
    std::int64_t time = 0;
    ASSERT_TRUE(latestStockFile(folderText("P"), L"shp", path, &time));
    EXPECT_EQ(getFileName(path), Zrl_String(L"a.shp")); // the search lists a.shp first
    writeFile("P", "c.shp", "", 11);
    ASSERT_TRUE(latestStockFile(folderText("P"), L"shp", path));
    EXPECT_EQ(getFileName(path), Zrl_String(L"c.shp"));
    Zrl_String none = L"unchanged";
    EXPECT_FALSE(latestStockFile(folderText("Q"), L"shp", none));
    EXPECT_EQ(none, Zrl_String(L"unchanged"));
}

TEST_F(StockTest, SavedRowsReadBackTheSame) {
    const Zrl_StringArrayArray same = table(
        {{L"4350", L"2", L"", L"rest"}, {L"", L"", L"", L""}, {L"7200", L"1", L"x", L"\u00FC"}});
    // An empty one-column row reads back as a row without cells: the same
    // empty grid row.
    const struct {
        Zrl_StringArrayArray rows, back;
    } lists[] = {{same, same}, {table({{L"6000"}, {L""}}), table({{L"6000"}, {}})}, {}};
    const Zrl_String path = folderText("P") + L"Stock1.shp";
    fs::create_directories(folder("P"));
    for (const auto& l : lists) {
        ASSERT_EQ(writeStockFile(path, l.rows), WriteResult::Written);
        Zrl_StringArrayArray back;
        ASSERT_TRUE(readStockFile(path, back));
        EXPECT_EQ(back, l.back);
    }
    EXPECT_EQ(read(folder("P") / "Stock1.shp"), "");
    writeStockFile(path, table({{L"4350", L"2"}}));
    EXPECT_EQ(read(folder("P") / "Stock1.shp"), "4350\u00BF2\n");
}

TEST_F(StockTest, CellsThatWouldSplitARowAreRefused) {
    const Zrl_String path = folderText("P") + L"Stock1.shp";
    writeFile("P", "Stock1.shp", "kept\n");
    for (const wchar_t* cell : {L"a\u00BFb", L"two\nlines", L"cr\r"}) {
        Zrl_StringArrayArray rows = table({{L"1"}, {L"2"}});
        rows.append(cells({L"ok", cell}));
        int bad = -1;
        EXPECT_EQ(writeStockFile(path, rows, &bad), WriteResult::UnsavableCell);
        EXPECT_EQ(bad, 2);
        EXPECT_EQ(read(folder("P") / "Stock1.shp"), "kept\n");
    }
}

TEST_F(StockTest, UnreadableAndUnwritableFilesChangeNothing) {
    fs::create_directories(folder("P") / "Stock1.shp"); // a folder where the file goes
    const Zrl_String path = folderText("P") + L"Stock1.shp";
    Zrl_StringArrayArray rows = table({{L"keep"}});
    EXPECT_FALSE(readStockFile(path, rows));
    EXPECT_EQ(rows, table({{L"keep"}}));
    EXPECT_EQ(writeStockFile(path, rows), WriteResult::Failed);
    EXPECT_TRUE(fs::is_directory(folder("P") / "Stock1.shp"));
}

} // namespace
} // namespace stocktest
