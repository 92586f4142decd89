// Files remembered between evaluations: read once while unchanged, read
// again after any change, and a look-up that found nothing found again once
// the file appears.
#include "macro_fixture.h"
#include "platform/core/file_watch.h"
#include "platform/spread/sheet.h"
#include "standards/file_cache.h"
#include "test_paths.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& text, bool replace = false) {
    const fs::path temp = replace ? fs::path(path.string() + ".new") : path;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
    }
    if (replace) fs::rename(temp, path);
}

class FileCache : public ::testing::Test {
protected:
    fixture::ScratchLibrary lib{"filecache"};
    int loads = 0;

    // The file's text through the cache; "" when there is no such file.
    std::string read(const fs::path& path) {
        auto text = filecache::cachedRead<std::string>(
            Zrl_String::fromUtf8(path.string()),
            [this](const Zrl_String&, const fs::path& resolved, std::string& out) {
                ++loads;
                std::ifstream in(resolved, std::ios::binary);
                out.assign(std::istreambuf_iterator<char>(in), {});
                return true;
            });
        return text ? *text : std::string();
    }
};

TEST_F(FileCache, FreshlyWrittenFilesAreReadEveryTime) {
    // Within one tick of the file clock an in-place rewrite of the same size
    // keeps size and times: only reading again sees it.
    const fs::path a = lib.dir() / "a.txt";
    write(a, "first");
    EXPECT_EQ(read(a), "first");
    write(a, "again");
    EXPECT_EQ(read(a), "again");
    // A name missing from a folder just written to is kept as missing only
    // until the file appears.
    const fs::path later = lib.dir() / "later.txt";
    EXPECT_EQ(read(later), "");
    EXPECT_EQ(read(later), "");
    write(later, "here");
    EXPECT_EQ(read(later), "here");
    EXPECT_EQ(loads, 3);
}

TEST_F(FileCache, SettledFilesAreReadOnceUntilTheyChange) {
    const fs::path replaced = lib.dir() / "replaced.txt";
    const fs::path appended = lib.standards() / "appended.txt";
    const fs::path missing = lib.standards() / "Data" / "missing.txt";
    const fs::path deep = lib.standards() / "Data" / "deep.txt";
    const fs::path same = lib.dir() / "same.txt";
    write(replaced, "old");
    write(appended, "old");
    write(deep, "old");
    write(same, "old");
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    EXPECT_EQ(read(deep), "old");
    EXPECT_EQ(read(same), "old");
    // A folder on the way replaced by another one, and a rewrite in place
    // that keeps the size and puts the old time back.
    fs::rename(lib.standards() / "Data", lib.standards() / "Data.old");
    fs::create_directory(lib.standards() / "Data");
    write(deep, "new");
    const auto time = fs::last_write_time(same);
    write(same, "new");
    fs::last_write_time(same, time);
    EXPECT_EQ(read(deep), "new");
    EXPECT_EQ(read(same), "new");
    EXPECT_EQ(loads, 4);

    for (int pass = 1; pass <= 2; ++pass) {
        EXPECT_EQ(read(replaced), "old") << pass;
        EXPECT_EQ(read(appended), "old") << pass;
        EXPECT_EQ(read(missing), "") << pass;
    }
    EXPECT_EQ(loads, 6);
    // Mixed-case spellings of one file share its entry.
    EXPECT_EQ(read(lib.dir() / "REPLACED.TXT"), "old");
    EXPECT_EQ(loads, 6);
    // Within one evaluation a file is checked once; the next one sees the
    // change.
    {
        filecache::Scope evaluation;
        EXPECT_EQ(read(appended), "old");
        fs::remove(appended);
        EXPECT_EQ(read(appended), "old");
    }
    EXPECT_EQ(read(appended), "");

    write(replaced, "new", true);
    write(appended, "old+new");
    write(missing, "here");
    EXPECT_EQ(read(replaced), "new");
    EXPECT_EQ(read(appended), "old+new");
    EXPECT_EQ(read(missing), "here");
    fs::remove(replaced);
    EXPECT_EQ(read(replaced), "");
    EXPECT_EQ(loads, 9);
}

TEST_F(FileCache, NoticesMoveTheGenerationForEveryKindOfChange) {
    const fs::path folder = lib.standards() / "Data";
    const fs::path file = folder / "watched.txt";
    write(file, "text");
    ASSERT_TRUE(filewatch::watch(file));
    const std::vector<std::function<void()>> changes = {
        [&] { write(file, "next"); },
        [&] { write(folder / "beside.txt", "new entry"); },
        [&] { fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1)); },
        [&] { fs::rename(lib.standards(), lib.dir() / "moved"); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        const unsigned long long before = filewatch::generation();
        ASSERT_NE(before, 0u);
        changes[i]();
        EXPECT_GT(filewatch::generation(), before) << "change " << i;
    }
    // A relative path is refused: it would mean another file after a change
    // of working folder.
    EXPECT_FALSE(filewatch::watch("Data/watched.txt"));
}

} // namespace

// The sheets of one workbook chosen by name are remembered each on its own:
// the second one asked for is not the first one again.
TEST_F(FileCache, SheetsOfOneWorkbookAreKeptApart) {
    const fs::path book = lib.dir() / "Book.ods";
    fs::copy_file(fs::path(ZRLSS_TEST_DATA) / "workbooks" / "sample.ods", book);
    std::this_thread::sleep_for(std::chrono::milliseconds(2100)); // settled: remembered
    const Zrl_String path = Zrl_String::fromUtf8(book.string());
    EXPECT_TRUE(filecache::isSheetFile(path + L"#Other"));
    EXPECT_FALSE(filecache::isSheetFile(path + L"x#Other"));
    for (int pass = 0; pass < 2; ++pass) {
        for (const wchar_t* name : {L"Data", L"Other"}) {
            SCOPED_TRACE(Zrl_String(name).toUtf8());
            spread::Sheet direct, cached;
            ASSERT_TRUE(direct.load(book.string() + "#" + Zrl_String(name).toUtf8()));
            std::shared_ptr<const spread::Sheet> source;
            ASSERT_TRUE(filecache::loadSheet(path + L"#" + name, cached, nullptr, &source));
            EXPECT_TRUE(source);
            EXPECT_EQ(cached.valueText(1, 1), direct.valueText(1, 1));
            EXPECT_EQ(cached.lastUsedRow(), direct.lastUsedRow());
        }
    }
    spread::Sheet none;
    EXPECT_FALSE(filecache::loadSheet(path + L"#Nope", none));
}
