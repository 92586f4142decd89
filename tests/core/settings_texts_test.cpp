#include "core_test_support.h"
#include "platform/core/files.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/settings.h"
#include "platform/core/timers.h"
#include "test_paths.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

class Settings : public ScratchFolderTest {};

TEST_F(Settings, EnvironmentOverridesTheDefaultsAndSettersTheEnvironment) {
    Zrl_Settings::resetToDefaults();
    EXPECT_EQ(Zrl_Settings::libDir(), Zrl_String::fromUtf8(ZRLSS_EXAMPLE_LIBRARY) + L"\\");
    EXPECT_FALSE(curDocSettings().standardsDiagnostics);

    ::setenv("ZRL_LIB_DIR", "/tmp/lib", 1);
    ::setenv("ZRL_LANGUAGE", "Nederlands", 1);
    ::setenv("ZRL_STANDARDS_DIAGNOSTICS", "1", 1);
    Zrl_Settings::loadFromEnvironment();
    ::unsetenv("ZRL_LIB_DIR");
    ::unsetenv("ZRL_LANGUAGE");
    ::unsetenv("ZRL_STANDARDS_DIAGNOSTICS");
    EXPECT_EQ(Zrl_Settings::libDir(), L"/tmp/lib\\");
    EXPECT_EQ(Zrl_Settings::workLanguage(), L"Nederlands");
    EXPECT_TRUE(curDocSettings().standardsDiagnostics);

    Zrl_Settings::setLibDir(L"/x/library/");
    EXPECT_EQ(Zrl_Settings::libDir(), L"/x/library/"); // already ends in a separator
}

class NumberedTexts : public ScratchFolderTest {
protected:
    void SetUp() override {
        ScratchFolderTest::SetUp();
        fs::create_directories(fsDir() / "texts");
        std::ofstream(fsDir() / "texts" / "English.txt")
            << "# comment\n1\tOK\n2\tCancel\n5\tTwo\\nlines \\\\ and\\ttab\n5\tsecond wins not\n"
               "bad line\n[string]\n1\tFirst string\n";
        std::ofstream(fsDir() / "texts" / "Deutsch.txt") << "1\tOK\n2\tAbbrechen\n";
        Zrl_Settings::setZrlDir(dir());
        reloadNumberedTexts();
    }
    void TearDown() override {
        ScratchFolderTest::TearDown();
        reloadNumberedTexts();
    }
};

TEST_F(NumberedTexts, WorkLanguageThenEnglishThenAVisiblePlaceholder) {
    EXPECT_EQ(dialString(2), L"Cancel");
    EXPECT_EQ(dialString(5), L"Two\nlines \\ and\ttab"); // first of a doubled number
    EXPECT_EQ(string(1), L"First string");
    EXPECT_EQ(string(2), L"#string 2#");
    EXPECT_EQ(dialString(9999), L"#text 9999#");
    Zrl_Settings::setWorkLanguage(L"Deutsch");
    EXPECT_EQ(dialString(2), L"Abbrechen");
    EXPECT_EQ(dialString(5), L"Two\nlines \\ and\ttab");
    Zrl_StringArray all;
    EXPECT_EQ(dialStringAllLangs(2, all), 2);
    EXPECT_EQ(all[0], L"Abbrechen"); // Deutsch, English: sorted by name
    EXPECT_EQ(all[1], L"Cancel");
    EXPECT_EQ(dialStringAllLangs(5, all), 2);
    EXPECT_EQ(all[0], L"Two\nlines \\ and\ttab");
    // A language name cannot lead out of the texts folder.
    std::ofstream(fsDir() / "evil.txt") << "2\tescaped\n";
    Zrl_Settings::setWorkLanguage(L"..\\evil");
    EXPECT_EQ(dialString(2), L"Cancel");
}

TEST_F(NumberedTexts, MalformedLinesAreCounted) {
    const Zrl_StringArray lines = list({L"12\tx", L"x\ty", L"13", L"[string]", L"14\t"});
    NumberedTextTables tables;
    int bad = 0;
    EXPECT_FALSE(parseNumberedTexts(lines, tables, &bad));
    EXPECT_EQ(bad, 2);
    EXPECT_EQ(tables.dialog.size(), 1u);
    EXPECT_EQ(tables.strings.at(14), L"");
}

// Every dialString(N) / string(N) with a literal N in the module's sources
// must have an English text, so no user ever sees a placeholder.
TEST(ShippedTexts, EveryNumberUsedInTheSourcesHasAnEnglishText) {
    Zrl_StringArray lines;
    const Zrl_String english = Zrl_String::fromUtf8(ZRLSS_RESOURCE_DIR) + L"/texts/English.txt";
    ASSERT_TRUE(ObjectExportReadFile(english, lines));
    NumberedTextTables tables;
    int bad = 0;
    EXPECT_TRUE(parseNumberedTexts(lines, tables, &bad)) << bad << " malformed lines";

    const fs::path src = fs::path(ZRLSS_RESOURCE_DIR).parent_path() / "src";
    const std::regex use(R"((^|[^A-Za-z0-9_:.>])(dialString|string)\(\s*(\d+)\s*\))");
    std::set<std::string> missing;
    for (auto& e : fs::recursive_directory_iterator(src)) {
        const auto ext = e.path().extension();
        if (ext != ".cpp" && ext != ".h" && ext != ".cc") continue;
        std::ifstream in(e.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string all = text.str();
        for (std::sregex_iterator it(all.begin(), all.end(), use), end; it != end; ++it) {
            const int n = std::stoi((*it)[3]);
            const bool dialog = (*it)[2] == "dialString";
            const auto& table = dialog ? tables.dialog : tables.strings;
            if (!table.count(n))
                missing.insert((dialog ? "dialString(" : "string(") + std::to_string(n) + ") in " +
                               fs::relative(e.path(), src).string());
        }
    }
    for (const auto& m : missing)
        ADD_FAILURE() << "no English text for " << m;
}

TEST(Timers, AccumulateCompletedIntervalsOnly) {
    Zrl_Timer timer(L"gCalcMain");
    timer.end(); // not running: ignored
    EXPECT_EQ(timer.count(), 0);
    {
        Zrl_FunctionTimer scope(timer);
        EXPECT_TRUE(timer.isRunning());
    }
    EXPECT_FALSE(timer.isRunning());
    timer.start();
    timer.start(); // a step that failed left it running: restart
    timer.end();
    EXPECT_TRUE(timer.report().startsWith(L"gCalcMain: 2 calls, ", true));
    EXPECT_EQ(getCurrentTime(L"%Y").length(), 4);
    EXPECT_EQ(getCurrentTime(Zrl_String(L'x', 300)), L""); // too long: empty, no overflow
}
