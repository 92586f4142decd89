// Helpers shared by the core tests: a scratch folder per test and the core
// settings restored afterwards.
#pragma once

#include "platform/core/settings.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <unistd.h>

// Shows texts readably in failure messages.
inline void PrintTo(const Zrl_String& s, std::ostream* os) {
    *os << '"' << s.toUtf8() << '"';
}

// A list of texts written in place.
inline Zrl_StringArray list(std::initializer_list<const wchar_t*> items) {
    Zrl_StringArray out;
    for (const wchar_t* i : items)
        out.append(i);
    return out;
}

class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("zrl_core_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        // Folders made read-only by a test must be writable to be removed.
        for (auto& e : std::filesystem::recursive_directory_iterator(dir_, ec)) {
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        }
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(dir_, ec);
        Zrl_Settings::resetToDefaults();
    }
    // The scratch folder as module text ending in "\".
    Zrl_String dir() const { return Zrl_String::fromUtf8(dir_.string()) + L"\\"; }
    std::filesystem::path fsDir() const { return dir_; }

private:
    std::filesystem::path dir_;
};
