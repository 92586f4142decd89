// Identifiers and their texts, batches of registry changes saved at once,
// the .reg export, and modules' file names.
#include "platform/win/guid.h"
#include "platform/win/module_file.h"
#include "platform/win/registry_batch.h"
#include "platform/win/registry_export.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Outcome = win::RegistryBatch::Outcome;

TEST(Guid, TextRoundTripsAndMalformedTextsAreRefused) {
    constexpr win::Guid bolt = win::guid(L"{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84}");
    static_assert(bolt.data1 == 0x0AB0B67A && bolt.data4[0] == 0x8D && bolt.data4[7] == 0x84);
    EXPECT_EQ(bolt.toText(), L"{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84}");
    EXPECT_EQ(win::Guid{}.toText(), L"{00000000-0000-0000-0000-000000000000}");
    const win::Guid high{0xFFFFFFFF, 0xFFFF, 0xABCD, {0xFF, 0, 1, 2, 3, 4, 5, 0xEF}};
    EXPECT_EQ(win::Guid::fromText(high.toText()), high);
    // Lower-case digits are read; the text made is upper case.
    EXPECT_EQ(win::Guid::fromText(L"{0ab0b67a-609d-4b28-8d58-fa9c0ccfdc84}"), bolt);

    // No braces, a digit short, a hyphen misplaced, not hexadecimal, a sign,
    // space.
    const wchar_t* const bad[] = {L"",
                                  L"0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84",
                                  L"{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC8}",
                                  L"{0AB0B67A609D-4B28-8D58-FA9C0CCFDC84-}",
                                  L"{0AB0B67G-609D-4B28-8D58-FA9C0CCFDC84}",
                                  L"{+AB0B67A-609D-4B28-8D58-FA9C0CCFDC84}",
                                  L" {0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84}"};
    for (const wchar_t* text : bad)
        EXPECT_FALSE(win::Guid::fromText(text)) << text;
}

class RegistryBatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zrlwin_batch_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "registry.json";
        win::setRegistryPath(file.wstring());
    }
    void TearDown() override {
        win::setRegistryPath(L"");
        fs::remove_all(dir);
    }
    static std::optional<std::wstring> value(const std::wstring& path, const std::wstring& name) {
        return win::regGetString(win::HKEY_CLASSES_ROOT, path, name);
    }
    fs::path dir;
    fs::path file;
};

TEST_F(RegistryBatchTest, AppliesInOrderAndSavesOnce) {
    ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, L"Old\\Tree", L"", L"gone soon"));
    win::RegistryBatch batch;
    batch.setString(win::HKEY_CLASSES_ROOT, L"A\\B", L"", L"default");
    batch.setString(win::HKEY_CLASSES_ROOT, L"a\\b", L"Named", L"second"); // same key
    batch.deleteTree(win::HKEY_CLASSES_ROOT, L"OLD");
    batch.deleteTree(win::HKEY_CLASSES_ROOT, L"Never\\There");
    batch.setString(win::HKEY_CLASSES_ROOT, L"\\\\", L"", L"x"); // no key named
    batch.deleteTree(win::HKEY_CLASSES_ROOT, L"");
    ASSERT_TRUE(batch.apply());
    const std::vector<Outcome> expected = {Outcome::Done,   Outcome::Done,    Outcome::Done,
                                           Outcome::Absent, Outcome::Refused, Outcome::Refused};
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(batch.outcome(i), expected[i]) << i;

    ASSERT_TRUE(win::reloadRegistry()); // what the file holds
    EXPECT_EQ(value(L"A\\B", L""), L"default");
    EXPECT_EQ(value(L"A\\B", L"named"), L"second");
    EXPECT_FALSE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"Old"));
    EXPECT_EQ(win::regSubKeys(win::HKEY_CLASSES_ROOT, L""), std::vector<std::wstring>{L"A"});
}

TEST_F(RegistryBatchTest, ABatchThatChangesNothingWritesNothing) {
    win::RegistryBatch absent;
    absent.deleteTree(win::HKEY_CLASSES_ROOT, L"Nothing");
    EXPECT_TRUE(absent.apply());
    EXPECT_FALSE(fs::exists(file));

    ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, L"K", L"", L"v"));
    const auto stamp = fs::last_write_time(file);
    fs::last_write_time(file, stamp - std::chrono::hours(1));
    win::RegistryBatch same;
    same.setString(win::HKEY_CLASSES_ROOT, L"k", L"", L"v");
    EXPECT_TRUE(same.apply());
    EXPECT_EQ(fs::last_write_time(file), stamp - std::chrono::hours(1));
}

TEST_F(RegistryBatchTest, ExportsTreesAsRegText) {
    win::RegistryBatch batch;
    batch.setString(win::HKEY_CLASSES_ROOT, L"Root\\Top", L"Quote\"d", L"C:\\dir\\\"x\"");
    batch.setString(win::HKEY_CLASSES_ROOT, L"Root\\Top", L"", L"d\u00e9faut");
    batch.setString(win::HKEY_CLASSES_ROOT, L"Root\\Top\\Second", L"", L"2");
    batch.setString(win::HKEY_CLASSES_ROOT, L"Root\\Top\\First\\Deep", L"", L"3");
    batch.setString(win::HKEY_CLASSES_ROOT, L"Root\\Other", L"", L"not asked for");
    ASSERT_TRUE(batch.apply());

    // Keys in creation order, the default value first, the path as spelled
    // when created whatever the spelling asked for.
    EXPECT_EQ(win::regExportText(win::HKEY_CLASSES_ROOT, {L"root\\TOP", L"Root\\Missing"}),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CLASSES_ROOT\\Root\\Top]\n"
              "@=\"d\xC3\xA9"
              "faut\"\n"
              "\"Quote\\\"d\"=\"C:\\\\dir\\\\\\\"x\\\"\"\n\n"
              "[HKEY_CLASSES_ROOT\\Root\\Top\\Second]\n@=\"2\"\n\n"
              "[HKEY_CLASSES_ROOT\\Root\\Top\\First]\n\n"
              "[HKEY_CLASSES_ROOT\\Root\\Top\\First\\Deep]\n@=\"3\"\n\n");
    EXPECT_EQ(win::regExportText(win::HKEY_CLASSES_ROOT, {L"Missing", L""}),
              "Windows Registry Editor Version 5.00\n\n");
}

TEST(ModuleFile, RecordedPerKnownModule) {
    const win::ModuleHandle module = win::registerModule(L"module-file-test");
    EXPECT_EQ(win::moduleFileName(module), L"");
    EXPECT_TRUE(win::setModuleFileName(module, L"/opt/zrl/libzrlss.so"));
    EXPECT_EQ(win::moduleFileName(module), L"/opt/zrl/libzrlss.so");
    const auto unknown = static_cast<win::ModuleHandle>(100000);
    EXPECT_FALSE(win::setModuleFileName(unknown, L"/x.so"));
    EXPECT_EQ(win::moduleFileName(unknown), L"");
}

} // namespace
