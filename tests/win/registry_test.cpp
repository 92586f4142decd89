// The registry file: persistence, key semantics and safe writing.
#include "support/file_size_limit.h"
#include "platform/text/fold.h"
#include "win_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
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

// The file is written as the JSON library prints the ordered tree with an
// indent of 2, whatever the names and values hold.
TEST_F(RegistryTest, FileTextIsTheLibrarysPrintOfTheTree) {
    const std::wstring texts[] = {L"",          L"plain",       L"quote \" back \\ slash",
                                  L"tab\tnl\n", L"\x01\x1f\x7f", L"Stra\u00dfe \U0001F529"};
    for (const std::wstring& t : texts)
        ASSERT_TRUE(win::regSetString(win::HKEY_CURRENT_USER, L"Texts\\" + t + L"x", t, t));
    ASSERT_TRUE(win::regCreateKey(win::HKEY_LOCAL_MACHINE, L"Empty\\Below"));
    const std::string text = slurp(file);
    const auto tree = nlohmann::ordered_json::parse(text);
    EXPECT_EQ(text, tree.dump(2) + "\n");
    EXPECT_EQ(tree["HKEY_CURRENT_USER"]["keys"]["Texts"]["keys"].size(), std::size(texts));
    EXPECT_EQ(tree["HKEY_CLASSES_ROOT"], nlohmann::ordered_json::parse(R"({"values":{},"keys":{}})"));
}

// Keys with many subkeys are looked up through an index: it must answer as
// the comparison without case does, also after deletions and additions.
TEST_F(RegistryTest, ManySubkeysAreFoundWithoutCaseAfterChanges) {
    constexpr int kCount = 60;
    for (int i = 0; i < kCount; ++i)
        ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, L"CLSID\\Key\u00c4" + std::to_wstring(i),
                                      L"", std::to_wstring(i)));
    struct Step {
        const wchar_t* remove; // a subkey deleted first, or null
        const wchar_t* add;    // a subkey added next, or null
    };
    const Step steps[] = {{nullptr, nullptr},      {L"KEY\u00e40", nullptr}, {L"key\u00c430", L"New"},
                          {L"key\u00c459", L"key\u00e40"}, {L"NEW", nullptr}};
    std::vector<std::wstring> expected;
    for (int i = 0; i < kCount; ++i)
        expected.push_back(L"Key\u00c4" + std::to_wstring(i));
    for (const Step& step : steps) {
        if (step.remove) {
            EXPECT_TRUE(win::regDeleteTree(win::HKEY_CLASSES_ROOT, std::wstring(L"CLSID\\") + step.remove));
            std::erase_if(expected, [&](const std::wstring& n) {
                return zrltext::equalNoCase(n, step.remove);
            });
        }
        if (step.add) {
            EXPECT_TRUE(win::regCreateKey(win::HKEY_CLASSES_ROOT, std::wstring(L"CLSID\\") + step.add));
            expected.push_back(step.add);
        }
        EXPECT_EQ(win::regSubKeys(win::HKEY_CLASSES_ROOT, L"CLSID"), expected);
        for (int pass = 0; pass < 2; ++pass) { // in memory, then read back
            for (const std::wstring& name : expected) {
                std::wstring upper = name;
                for (wchar_t& ch : upper)
                    ch = zrltext::upperCase(ch);
                EXPECT_TRUE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"clsid\\" + upper)) << upper;
            }
            EXPECT_FALSE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"CLSID\\Key\u00c4"));
            win::reloadRegistry();
        }
    }
    EXPECT_EQ(*win::regGetString(win::HKEY_CLASSES_ROOT, L"CLSID\\KEY\u00e412", L""), L"12");
}

// A file holding one name twice (in different case) answers with the first.
TEST_F(RegistryTest, NameHeldTwiceInTheFileAnswersTheFirst) {
    std::string keys;
    for (int i = 0; i < 40; ++i)
        keys += "\"k" + std::to_string(i) + "\": {},";
    fs::create_directories(file.parent_path());
    std::ofstream(file) << R"({"HKEY_CLASSES_ROOT": {"keys": {)" << keys
                        << R"("Twice": {"values": {"": "first"}}, "TWICE": {"values": {"": "second"}}}}})";
    ASSERT_TRUE(win::reloadRegistry());
    EXPECT_EQ(*win::regGetString(win::HKEY_CLASSES_ROOT, L"twice", L""), L"first");
}

} // namespace
