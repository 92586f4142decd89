// A library folder of the test's own with a "prof\" folder, and tables built
// in code.
#pragma once

#include "evaluation/module_attach.h"
#include "platform/core/settings.h"
#include "platform/win/script.h"
#include "sections/prof_values_table.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace sectest {

inline Zrl_StringArray list(std::initializer_list<const wchar_t*> texts) {
    Zrl_StringArray out;
    for (const wchar_t* t : texts)
        out.append(t);
    return out;
}

// Captions of a table with four languages and two values, or five.
inline Zrl_StringArray captions(bool korean = false) {
    Zrl_StringArray h = list({L"SysName", L"I/O", L"English", L"Dutch", L"German", L"French"});
    if (korean) h.append(L"Korean");
    h.append(L"Height h");
    h.append(L"Width b");
    return h;
}

// An HEA table: 100 active, 120 inactive, 140 with an empty flag.
inline Zrl_ProfValuesTable heaTable() {
    Zrl_ProfValuesTable t;
    t.tableName = L"HEA";
    t.picture = L"1";
    t.headers = captions();
    t.rows.append(list({L"100", L"1", L"HEA 100", L"HEA 100", L"HEA 100", L"HEA 100", L"96", L"100"}));
    t.rows.append(list({L"120", L"0", L"HEA 120", L"HEA 120", L"HEA 120", L"HEA 120", L"114", L"120"}));
    t.rows.append(list({L"140", L"", L"HEA 140", L"HEA 140", L"HEA 140", L"HEA 140", L"133", L"140"}));
    return t;
}

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::path(::testing::TempDir()) /
               ("sections_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "prof");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir_.string()));
    }
    void TearDown() override {
        Zrl_Settings::setLibDir(Zrl_String());
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path prof(const std::string& file) const { return dir_ / "prof" / file; }

    std::filesystem::path dir_;
};

// The module attached and the scripted user reset, for the dialogs; sizes
// remembered in the test's folder.
class DialogTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        moduletest::attachModuleOnce();
        win::script().reset();
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((dir_ / "config").string()));
    }
};

} // namespace sectest
