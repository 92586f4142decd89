// Shared set-up of the registration tests: a registry file and a module
// folder of their own in a fresh temporary folder, the module attached with
// its file in that folder, and a server file "zrlreg.arx" beside it.
#pragma once

#include "comreg/com_ids.h"
#include "frame/library_instance.h"
#include "platform/win/module_file.h"
#include "platform/win/registry.h"
#include "platform/win/registry_export.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace comreg_test {

namespace fs = std::filesystem;

inline std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A checked-in expectation under tests/data/comreg.
inline std::string golden(const std::string& name) {
    return slurp(fs::path(ZRLSS_TEST_DATA) / "comreg" / name);
}

// The golden .reg text of a registration with this server path.
inline std::string goldenRegistration(const std::string& server) {
    std::string text = golden("registration.reg");
    for (size_t at = 0; (at = text.find("@SERVER@", at)) != std::string::npos; at += server.size())
        text.replace(at, 8, server);
    return text;
}

inline std::string productExport() {
    return win::regExportText(win::HKEY_CLASSES_ROOT, comreg::productTrees());
}

class ComRegTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir =
            fs::temp_directory_path() / ("zrlss_comreg_" + std::to_string(::getpid()) + "_" + name);
        fs::remove_all(dir);
        moduleDir = dir / "module";
        fs::create_directories(moduleDir);
        registry = dir / "registry.json";
        server = moduleDir / "zrlreg.arx";
        std::ofstream(server) << "server";
        win::setRegistryPath(registry.wstring());
        setModuleFile((moduleDir / "libzrlss.so").wstring());
    }
    void TearDown() override {
        win::setRegistryPath(L"");
        fs::remove_all(dir);
    }
    static win::ModuleHandle module() {
        static const win::ModuleHandle m = [] {
            const win::ModuleHandle h = win::registerModule(L"comreg-test");
            zrlss::attachLibrary(h);
            return h;
        }();
        return m;
    }
    static void setModuleFile(const std::wstring& path) {
        ASSERT_TRUE(win::setModuleFileName(module(), path));
    }
    fs::path dir;
    fs::path moduleDir;
    fs::path registry;
    fs::path server;
};

} // namespace comreg_test
