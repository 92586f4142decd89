#include "core_test_support.h"
#include "platform/core/files.h"
#include "platform/files/replace_file.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

class Files : public ScratchFolderTest {};

TEST_F(Files, ReadsEveryEncodingAndLineEnd) {
    const Zrl_StringArray expected = list({L"Größe €", L"", L"last"});
    const std::string utf8 = "Gr\xC3\xB6\xC3\x9F"
                             "e \xE2\x82\xAC";
    // UTF-16LE with mark: "Größe €" CRLF "" CRLF "last"
    std::string utf16 = "\xFF\xFE";
    for (wchar_t ch : std::wstring(L"Größe €\r\n\r\nlast")) {
        utf16 += static_cast<char>(ch & 0xFF);
        utf16 += static_cast<char>((ch >> 8) & 0xFF);
    }
    std::string utf16be = "\xFE\xFF";
    for (wchar_t ch : std::wstring(L"Größe €\n\nlast\n")) {
        utf16be += static_cast<char>((ch >> 8) & 0xFF);
        utf16be += static_cast<char>(ch & 0xFF);
    }
    const std::pair<const char*, std::string> cases[] = {
        {"utf8 LF", utf8 + "\n\nlast\n"},
        {"utf8 CRLF no final end", utf8 + "\r\n\r\nlast"},
        {"utf8 with mark", "\xEF\xBB\xBF" + utf8 + "\r\n\r\nlast\r\n"},
        {"lone CR", utf8 + "\r\rlast\r"},
        {"utf16le", utf16},
        {"utf16be", utf16be},
    };
    for (const auto& [name, bytes] : cases) {
        writeBytes(fsDir() / "in.txt", bytes);
        Zrl_StringArray lines;
        ASSERT_TRUE(ObjectExportReadFile(dir() + L"in.txt", lines)) << name;
        EXPECT_EQ(lines, expected) << name;
    }
}

TEST_F(Files, SingleByteFilesAndBrokenUnitsLoseNothing) {
    writeBytes(fsDir() / "latin1.txt", "Gr\xF6\xDF"
                                       "e\n"); // not UTF-8: read as Latin-1
    Zrl_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(dir() + L"latin1.txt", lines));
    EXPECT_EQ(lines, list({L"Größe"}));
    writeBytes(fsDir() / "odd.txt", std::string("\xFF\xFE"
                                                "a\0\x00\xD8"
                                                "b",
                                                7)); // lone surrogate
    ASSERT_TRUE(ObjectExportReadFile(dir() + L"odd.txt", lines));
    ASSERT_EQ(lines.length(), 1);
    EXPECT_EQ(lines[0].at(0), L'a');
    EXPECT_EQ(lines[0].at(1), wchar_t(0xFFFD));
    writeBytes(fsDir() / "empty.txt", "");
    ASSERT_TRUE(ObjectExportReadFile(dir() + L"empty.txt", lines));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(Files, WriteReadRoundTripIsUtf8WithLf) {
    const Zrl_StringArray lines = list({L"€ 𝄞 ж", L"", L"\t tab", L"end"});
    ASSERT_TRUE(ObjectExportWriteFile(dir() + L"out.txt", lines));
    EXPECT_EQ(readBytes(fsDir() / "out.txt"),
              "\xE2\x82\xAC \xF0\x9D\x84\x9E \xD0\xB6\n\n\t tab\nend\n");
    Zrl_StringArray back;
    ASSERT_TRUE(ObjectExportReadFile(dir() + L"OUT.TXT", back));
    EXPECT_EQ(back, lines);
    ASSERT_TRUE(ObjectExportWriteFile(dir() + L"out.txt", Zrl_StringArray()));
    EXPECT_EQ(readBytes(fsDir() / "out.txt"), "");
}

TEST_F(Files, FailedReadLeavesTheListAsItWas) {
    Zrl_StringArray lines = list({L"kept"});
    EXPECT_FALSE(ObjectExportReadFile(dir() + L"missing.txt", lines));
    EXPECT_FALSE(ObjectExportReadFile(dir(), lines)); // a folder
    EXPECT_EQ(lines, list({L"kept"}));
}

TEST_F(Files, FailedWriteLeavesTheOldFileWhole) {
    writeBytes(fsDir() / "keep.txt", "old 1\nold 2\n");
    // The folder is read-only: the temporary cannot be made.
    fs::permissions(fsDir(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    bool refused = !ObjectExportWriteFile(dir() + L"keep.txt", list({L"new"}));
    fs::permissions(fsDir(), fs::perms::owner_write, fs::perm_options::add);
    if (::geteuid() != 0) { // the superuser writes anyway
        EXPECT_TRUE(refused);
        EXPECT_EQ(readBytes(fsDir() / "keep.txt"), "old 1\nold 2\n");
    }
    // A non-empty folder in the file's place makes the rename fail after the
    // temporary was fully written; the temporary goes too.
    fs::create_directories(fsDir() / "sub" / "inner");
    EXPECT_FALSE(ObjectExportWriteFile(dir() + L"sub", list({L"x"})));
    EXPECT_TRUE(fs::is_directory(fsDir() / "sub" / "inner"));
    // The folder of the target does not exist.
    EXPECT_FALSE(ObjectExportWriteFile(dir() + L"nowhere\\x.txt", list({L"x"})));
    // keep.txt and sub: no temporaries
    EXPECT_EQ(std::distance(fs::directory_iterator(fsDir()), fs::directory_iterator()), 2);
}

// Each call of the replace failed in turn, for a list of lines and a copy
// alike: the old file stays whole, the writer says false, no
// temporary is left.
TEST_F(Files, WriteFailingAtEveryStepKeepsTheOldFile) {
    const struct {
        const char* name;
        std::function<bool(const Zrl_String&)> write;
    } writers[] = {
        {"lines", [](const Zrl_String& p) { return ObjectExportWriteFile(p, list({L"new", L"lines"})); }},
        {"copy", [this](const Zrl_String& p) { return copyFile(dir() + L"source", p); }},
    };
    writeBytes(fsDir() / "source", "copied\n");
    for (const auto& w : writers) {
        long failures = 0;
        for (long n = 1;; ++n) {
            writeBytes(fsDir() / "out.txt", "old\n");
            files::testing::failNthCall(n);
            const bool ok = w.write(dir() + L"out.txt");
            const long calls = files::testing::callsCounted();
            files::testing::failNthCall(0);
            EXPECT_EQ(std::distance(fs::directory_iterator(fsDir()), fs::directory_iterator()), 2)
                << w.name << " n=" << n;
            if (ok) {
                EXPECT_GT(n, calls);
                break;
            }
            ++failures;
            EXPECT_EQ(readBytes(fsDir() / "out.txt"), "old\n") << w.name << " n=" << n;
        }
        EXPECT_GE(failures, 5) << w.name;
    }
}

TEST_F(Files, ReplacingKeepsThePermissionsOfTheOldFile) {
    writeBytes(fsDir() / "mode.txt", "a\n");
    fs::permissions(fsDir() / "mode.txt", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ObjectExportWriteFile(dir() + L"mode.txt", list({L"b"})));
    EXPECT_EQ(fs::status(fsDir() / "mode.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Files, FindFilesMatchesPatternsWithoutCase) {
    fs::create_directories(fsDir() / "Sub" / "deeper");
    fs::create_directories(fsDir() / "a.dir.txt");
    for (const char* n : {"b.TXT", "a.txt", "c.bmp", "noext", "Sub/s.txt", "Sub/deeper/d.txt",
                          "Stock12.shp", "Stock3.shp"})
        writeBytes(fsDir() / n, "x");
    Zrl_StringArray files;
    ASSERT_TRUE(ObjectExportFindFiles(dir(), L"*.txt", files));
    EXPECT_EQ(files, list({(dir() + L"a.txt").c_str(), (dir() + L"b.TXT").c_str()}));
    ASSERT_TRUE(ObjectExportFindFiles(dir(), L"Stock?.shp", files));
    EXPECT_EQ(files.length(), 1);
    ASSERT_TRUE(ObjectExportFindFiles(dir(), L"*.*", files));
    EXPECT_EQ(files.length(), 6); // "noext" too, folders never
    ASSERT_TRUE(ObjectExportFindFilesRecursive(dir(), L"*.TXT", files));
    EXPECT_EQ(files,
              list({(dir() + L"a.txt").c_str(), (dir() + L"b.TXT").c_str(),
                    (dir() + L"Sub\\s.txt").c_str(), (dir() + L"Sub\\deeper\\d.txt").c_str()}));
    // A link back up the tree is not followed.
    fs::create_directory_symlink(fsDir(), fsDir() / "Sub" / "loop");
    ASSERT_TRUE(ObjectExportFindFilesRecursive(dir(), L"*.txt", files));
    EXPECT_EQ(files.length(), 4);
    files = list({L"stale"});
    EXPECT_FALSE(ObjectExportFindFiles(dir() + L"missing", L"*", files));
    EXPECT_TRUE(files.isEmpty());

    EXPECT_TRUE(matchesFilePattern(L"abcabd", L"*ab?"));
    EXPECT_FALSE(matchesFilePattern(L"abc", L"a?"));
    EXPECT_TRUE(matchesFilePattern(L"ÄBC.Txt", L"äbc.*"));
    // Many stars against a long name stay quick (no exponential back-tracking).
    EXPECT_FALSE(matchesFilePattern(std::wstring(5000, L'a'), L"*a*a*a*a*a*a*a*a*b"));
}

TEST_F(Files, FoldersTimesAndDeletion) {
    EXPECT_TRUE(ObjectExportCreateDirectory(dir() + L"Cutting Stock\\HEA100"));
    EXPECT_TRUE(ObjectExportCreateDirectory(dir() + L"cutting stock\\HEA100")); // exists
    EXPECT_TRUE(fs::is_directory(fsDir() / "Cutting Stock" / "HEA100"));
    writeBytes(fsDir() / "f.txt", "x");
    EXPECT_FALSE(ObjectExportCreateDirectory(dir() + L"f.txt"));

    std::int64_t older = 0, newer = 0, untouched = 42;
    fs::last_write_time(fsDir() / "f.txt",
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_TRUE(ObjectExportGetFileTime(dir() + L"F.TXT", older));
    writeBytes(fsDir() / "g.txt", "y");
    ASSERT_TRUE(ObjectExportGetFileTime(dir() + L"g.txt", newer));
    EXPECT_LT(older, newer);
    EXPECT_FALSE(ObjectExportGetFileTime(dir() + L"none.txt", untouched));
    EXPECT_EQ(untouched, 42);

    EXPECT_TRUE(copyFile(dir() + L"g.txt", dir() + L"h.txt"));
    EXPECT_EQ(readBytes(fsDir() / "h.txt"), "y");
    EXPECT_FALSE(copyFile(dir() + L"none.txt", dir() + L"h.txt"));
    EXPECT_EQ(readBytes(fsDir() / "h.txt"), "y");

    EXPECT_TRUE(deleteFile(dir() + L"G.txt"));
    EXPECT_FALSE(fs::exists(fsDir() / "g.txt"));
    EXPECT_FALSE(deleteFile(dir() + L"g.txt"));
    EXPECT_FALSE(deleteFile(dir() + L"Cutting Stock")); // never a folder
    EXPECT_TRUE(fs::exists(fsDir() / "Cutting Stock"));
}
