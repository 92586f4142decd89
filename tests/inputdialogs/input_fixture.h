// Shared set-up of the input dialogs' tests: the module attached once, a
// fresh scripted user and a folder of the test's own (named with the
// process, so that runs side by side do not share it) that also holds the
// settings (dialog sizes are stored there).
#pragma once

#include "evaluation/module_attach.h"
#include "platform/core/settings.h"
#include "platform/win/script.h"
#include "platform/win/script_play.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace inputtest {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        moduletest::attachModuleOnce();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("zrlss-input-") + info->test_suite_name() + "-" + info->name() + "-" +
                std::to_string(getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "config");
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((dir_ / "config").string()));
        win::script().reset();
    }
    void TearDown() override {
        win::script().reset();
        std::filesystem::remove_all(dir_);
    }
    // Plays `script` around `run`; the run must play to its end.
    template <class Run> void play(const std::string& script, Run run) {
        const win::ScriptResult r = win::playScript(script, run);
        ASSERT_TRUE(r.ok()) << r.message;
    }

    std::filesystem::path dir_;
};

} // namespace inputtest
