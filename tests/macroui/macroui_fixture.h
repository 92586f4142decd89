// Shared set-up of the macro dialog's tests: the module attached once, a
// scratch folder per test for property lists and remembered sizes, a fresh
// scripted user, host and drawing.
#pragma once

#include "evaluation/module_attach.h"
#include "platform/core/macro_drawing.h"
#include "platform/core/settings.h"
#include "platform/host/call_log.h"
#include "platform/host/host_state.h"
#include "platform/win/script.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace macrotest {

inline Zrl_StringArray names(std::initializer_list<const wchar_t*> items) {
    Zrl_StringArray out;
    for (const wchar_t* i : items)
        out.append(i);
    return out;
}

class MacroUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        moduletest::attachModuleOnce();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("zrl_macroui_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "lists");
        Zrl_Settings::resetToDefaults();
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((dir_ / "config").string()));
        host::resetHostState();
        win::script().reset();
        gMacroDrawing.clear();
        gMacroCoreHooks = {};
    }
    void TearDown() override {
        win::script().reset();
        gMacroDrawing.clear();
        gMacroCoreHooks = {};
        host::resetHostState();
        Zrl_Settings::resetToDefaults();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    // The folder of property lists as the core spells it (final separator).
    Zrl_String listFolder() const {
        return Zrl_String::fromUtf8((dir_ / "lists").string()) + L"/";
    }
    void touch(const std::string& name) const {
        std::FILE* f = std::fopen((dir_ / "lists" / name).string().c_str(), "w");
        if (f) std::fclose(f);
    }
    bool listExists(const std::string& name) const {
        return std::filesystem::exists(dir_ / "lists" / name);
    }
    const std::vector<win::MessageBoxRecord>& boxes() const {
        return win::script().shown().messageBoxes;
    }
    // The names of the logged host and core calls among `wanted`, in order.
    static std::vector<std::string> calls(const std::vector<std::string>& wanted) {
        std::vector<std::string> out;
        for (const host::HostCall& c : host::callLog()) {
            for (const std::string& w : wanted) {
                if (c.name == w) out.push_back(c.name + (c.args.empty() ? "" : " " + toUtf8(c.args)));
            }
        }
        return out;
    }
    static std::string toUtf8(const std::vector<std::wstring>& args) {
        std::string out;
        for (const std::wstring& a : args)
            out += (out.empty() ? "" : " ") + Zrl_String(a).toUtf8();
        return out;
    }

    std::filesystem::path dir_;
};

} // namespace macrotest
