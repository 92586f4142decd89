// A fresh folder for one test case, named for the case and the process, so
// that the same tests run at once (ctest -j, several checkouts on one
// machine) never share one.
#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace testsupport {

inline std::filesystem::path scratchDir(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = prefix;
    if (info) name += std::string("-") + info->test_suite_name() + "-" + info->name();
    name += "-" + std::to_string(::getpid());
    const auto dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace testsupport
