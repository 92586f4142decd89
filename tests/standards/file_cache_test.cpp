// Files remembered between evaluations: read once while unchanged, read
// again after any change, and a look-up that found nothing found again once
// the file appears.
#include "macro_fixture.h"
#include "standards/file_cache.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

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
    EXPECT_EQ(loads, 2);
}

TEST_F(FileCache, SettledFilesAreReadOnceUntilTheyChange) {
    const fs::path replaced = lib.dir() / "replaced.txt";
    const fs::path appended = lib.standards() / "appended.txt";
    const fs::path missing = lib.standards() / "Data" / "missing.txt";
    write(replaced, "old");
    write(appended, "old");
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));

    for (int pass = 1; pass <= 2; ++pass) {
        EXPECT_EQ(read(replaced), "old") << pass;
        EXPECT_EQ(read(appended), "old") << pass;
        EXPECT_EQ(read(missing), "") << pass;
    }
    EXPECT_EQ(loads, 2);
    // Mixed-case spellings of one file share its entry.
    EXPECT_EQ(read(lib.dir() / "REPLACED.TXT"), "old");
    EXPECT_EQ(loads, 2);
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
    EXPECT_EQ(loads, 5);
}

} // namespace
