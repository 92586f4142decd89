#include "core_test_support.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"

#include <fstream>

namespace fs = std::filesystem;

TEST(Paths, PartsOfModulePaths) {
    EXPECT_EQ(getPath(L"C:\\lib\\prof\\HEA.pr"), L"C:\\lib\\prof\\");
    EXPECT_EQ(getPath(L"x.txt"), L"");
    EXPECT_EQ(getFileName(L"a\\b/c.vks"), L"c.vks");
    EXPECT_EQ(getFileName(L"a\\"), L"");
    EXPECT_EQ(removeExtension(L"a.b\\c.d.vks"), L"a.b\\c.d");
    EXPECT_EQ(removeExtension(L"a.b\\c"), L"a.b\\c");
    EXPECT_EQ(removeExtension(L"dir\\.hidden"), L"dir\\.hidden");
    EXPECT_EQ(changeExtension(L"S1.vks", L"map"), L"S1.map");
    EXPECT_EQ(changeExtension(L"S1.vks", L""), L"S1");
    EXPECT_EQ(ensureEndBSlash(L"lib"), L"lib\\");
    EXPECT_EQ(ensureEndBSlash(L"lib/"), L"lib/");
    EXPECT_EQ(ensureEndBSlash(L""), L"");
}

class PathsOnDisk : public ScratchFolderTest {};

TEST_F(PathsOnDisk, BackslashPathsReachFilesWhateverTheirCase) {
    fs::create_directories(fsDir() / "Connection Standards" / "Data");
    std::ofstream(fsDir() / "Connection Standards" / "Data" / "Bolts.txt") << "M12\n";
    const Zrl_String wanted = dir() + L"connection standards\\DATA\\bolts.TXT";
    EXPECT_EQ(resolvePath(wanted), fsDir() / "Connection Standards" / "Data" / "Bolts.txt");
    Zrl_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(wanted, lines));
    EXPECT_EQ(lines[0], L"M12");
    EXPECT_TRUE(fileExists(wanted));
    EXPECT_TRUE(folderExists(dir() + L"CONNECTION STANDARDS"));
    // A missing tail keeps its spelling, so new files get the name asked for.
    EXPECT_EQ(resolvePath(dir() + L"connection standards\\New\\X.txt"),
              fsDir() / "Connection Standards" / "New" / "X.txt");
}

TEST_F(PathsOnDisk, ExactNameWinsOverOtherCaseVariants) {
    std::ofstream(fsDir() / "abc.txt") << "lower\n";
    std::ofstream(fsDir() / "ABC.txt") << "upper\n";
    EXPECT_EQ(resolvePath(dir() + L"ABC.txt"), fsDir() / "ABC.txt");
    EXPECT_EQ(resolvePath(dir() + L"abc.txt"), fsDir() / "abc.txt");
    EXPECT_EQ(resolvePath(dir() + L"Abc.TXT"), fsDir() / "ABC.txt"); // smallest name, stable
}
