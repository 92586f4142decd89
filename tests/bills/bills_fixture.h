// A clean installation folder, registry and scripted user for each test,
// with the module's resources registered (the hidden bill window needs its
// template).
#pragma once

#include "frame/module_resources.h"
#include "platform/core/settings.h"
#include "platform/spread/sheet.h"
#include "platform/win/registry.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "sheettools/simple_props_list.h"
#include "sheettools/ss_settings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace billstest {

namespace fs = std::filesystem;

inline win::ModuleHandle moduleHandle() {
    static const win::ModuleHandle module = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss");
        zrlss::registerModuleResources(m);
        return m;
    }();
    return module;
}

// A settings file's bytes: every field ends with the 0xA4 separator.
inline std::string vkd(std::initializer_list<std::string> fields) {
    std::string out;
    for (const std::string& f : fields)
        out += f + "\xA4";
    return out;
}

// The background colour of a cell.
inline spread::Color background(const spread::Sheet& sheet, int col, int row) {
    spread::Color back = 0, fore = 0;
    sheet.color(col, row, back, fore);
    return back;
}

// The print settings a sheet carries in its corner cell.
inline VkSSSettings settingsOf(const spread::Sheet& sheet) {
    Zrl_SimplePropsList list;
    list.fromText(sheet.tag(0, 0));
    VkSSSettings settings;
    settings.fromList(list);
    return settings;
}

class BillsTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::script().reset();
        moduleHandle();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::path(::testing::TempDir()) / "bills" /
               (std::string(info->test_suite_name()) + "_" + info->name());
        fs::remove_all(root);
        fs::create_directories(root / "install");
        fs::create_directories(root / "out");
        Zrl_Settings::setZrlDir(text(root / "install"));
        Zrl_Settings::setConfigDir(text(root / "config"));
        win::setRegistryPath((root / "registry.json").wstring());
    }
    void TearDown() override {
        win::setRegistryPath(L"");
        Zrl_Settings::setZrlDir(L"");
    }

    static Zrl_String text(const fs::path& p) { return Zrl_String::fromUtf8(p.string()); }
    static void writeBytes(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string readBytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path root;
};

} // namespace billstest
