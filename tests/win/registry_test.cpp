// The registry file: persistence, key semantics and safe writing.
#include "support/file_size_limit.h"
#include "win_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class RegistryTest : public wintest::WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        dir = fs::temp_directory_path() / ("zrlwin_reg_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        file = dir / "sub" / "registry.json";
        win::setRegistryPath(file.wstring());
    }
    void TearDown() override {
        win::setRegistryPath(L"");
        fs::remove_all(dir);
        WinTest::TearDown();
    }
    fs::path dir;
    fs::path file;
};

const std::wstring kSettings = L"Software\\Vendrik\\Spreadsheet Editor v1.0";

TEST_F(RegistryTest, ValuesSurviveARestartWithTheirKeysAndCase) {
    EXPECT_FALSE(win::regGetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Language"));
    ASSERT_TRUE(win::regSetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Language", L"EN"));
    ASSERT_TRUE(
        win::regSetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Default Settings", L"Bill"));
    ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, L"Zrl.App\\CLSID", L"", L"{1234}"));
    EXPECT_TRUE(fs::exists(file)); // folders made as needed

    ASSERT_TRUE(win::reloadRegistry());
    EXPECT_EQ(win::regGetString(win::HKEY_LOCAL_MACHINE,
                                L"software\\VENDRIK\\spreadsheet editor v1.0", L"language"),
              std::wstring(L"EN"));
    EXPECT_EQ(win::regGetString(win::HKEY_CLASSES_ROOT, L"Zrl.App\\CLSID", L""),
              std::wstring(L"{1234}"));
    EXPECT_FALSE(win::regGetString(win::HKEY_CLASSES_ROOT, kSettings, L"Language")); // roots apart
    EXPECT_EQ(win::regValueNames(win::HKEY_LOCAL_MACHINE, kSettings),
              (std::vector<std::wstring>{L"Language", L"Default Settings"}));
    EXPECT_EQ(win::regSubKeys(win::HKEY_LOCAL_MACHINE, L"Software"),
              std::vector<std::wstring>{L"Vendrik"});

    // Texts beyond ASCII go through the file unchanged.
    const std::wstring odd = L"Stra\u00dfe \u6a4b \U0001F529";
    ASSERT_TRUE(win::regSetString(win::HKEY_CURRENT_USER, odd, odd, odd));
    win::reloadRegistry();
    EXPECT_EQ(win::regGetString(win::HKEY_CURRENT_USER, odd, odd), odd);

    // Overwriting keeps one value under its first spelling.
    ASSERT_TRUE(win::regSetString(win::HKEY_LOCAL_MACHINE, kSettings, L"LANGUAGE", L"DE"));
    win::reloadRegistry();
    EXPECT_EQ(win::regValueNames(win::HKEY_LOCAL_MACHINE, kSettings).size(), 2u);
    EXPECT_EQ(*win::regGetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Language"), L"DE");
}

TEST_F(RegistryTest, DeleteTreeRemovesEverythingBelowAndOnlyThat) {
    win::regSetString(win::HKEY_CLASSES_ROOT, L"Zrl.App\\CLSID", L"", L"{1}");
    win::regSetString(win::HKEY_CLASSES_ROOT, L"Zrl.App\\Shell\\Open", L"", L"x");
    win::regSetString(win::HKEY_CLASSES_ROOT, L"Zrl.Other", L"", L"y");
    EXPECT_TRUE(win::regDeleteTree(win::HKEY_CLASSES_ROOT, L"zrl.app"));
    EXPECT_FALSE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"Zrl.App\\Shell\\Open"));
    EXPECT_FALSE(win::regDeleteTree(win::HKEY_CLASSES_ROOT, L"Zrl.App"));
    EXPECT_FALSE(win::regDeleteTree(win::HKEY_CLASSES_ROOT, L"")); // never the whole root
    EXPECT_TRUE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"Zrl.Other"));
    EXPECT_TRUE(win::regCreateKey(win::HKEY_CLASSES_ROOT, L"A\\B\\C"));
    EXPECT_TRUE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"A\\B"));
    EXPECT_FALSE(win::regDeleteValue(win::HKEY_CLASSES_ROOT, L"A", L"nothing"));
    win::reloadRegistry();
    EXPECT_TRUE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"A\\B\\C"));
    EXPECT_FALSE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"Zrl.App"));
}

TEST_F(RegistryTest, FailedWriteLeavesTheOldFileWholeAndMemoryUnchanged) {
    ASSERT_TRUE(win::regSetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Language", L"EN"));
    const std::string before = slurp(file);

    // Writing more than the process may write to a file fails part-way.
    bool written = true;
    {
        testsupport::FileSizeLimit limit(before.size() + 16);
        written = win::regSetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Huge",
                                    std::wstring(4096, L'x'));
    }

    EXPECT_FALSE(written);
    EXPECT_FALSE(win::registryError().empty());
    EXPECT_EQ(slurp(file), before);
    EXPECT_FALSE(
        win::regGetString(win::HKEY_LOCAL_MACHINE, kSettings, L"Huge")); // undone in memory
    for (const auto& entry : fs::directory_iterator(file.parent_path()))
        EXPECT_EQ(entry.path(), file) << "temporary left behind";
}

TEST_F(RegistryTest, UnreadableFileIsNeverOverwritten) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "{ not json";
    EXPECT_FALSE(win::reloadRegistry());
    EXPECT_FALSE(win::registryError().empty());
    EXPECT_FALSE(win::regSetString(win::HKEY_LOCAL_MACHINE, L"K", L"v", L"1"));
    EXPECT_EQ(slurp(file), "{ not json");

    std::ofstream(file) << R"({"HKEY_LOCAL_MACHINE": {"values": {"a": 5}}})"; // wrong value type
    EXPECT_FALSE(win::reloadRegistry());
    EXPECT_FALSE(win::regSetString(win::HKEY_LOCAL_MACHINE, L"K", L"v", L"1"));
}

TEST_F(RegistryTest, PathComesFromTheFunctionThenTheEnvironment) {
    const fs::path other = dir / "env.json";
    ::setenv("ZRLSS_REGISTRY", other.c_str(), 1);
    EXPECT_EQ(win::registryPath(), file.wstring()); // the function wins
    win::setRegistryPath(L"");
    EXPECT_EQ(win::registryPath(), other.wstring());
    ASSERT_TRUE(win::regSetString(win::HKEY_CURRENT_USER, L"K", L"", L"env"));
    EXPECT_TRUE(fs::exists(other));
    ::unsetenv("ZRLSS_REGISTRY");
    EXPECT_NE(win::registryPath(), other.wstring());
}

} // namespace
