// Shared set-up of the registration tests: a registry file and a module
// folder in a scratch folder of the case, the module attached with its file
// in that folder, and a server file "zrlreg.arx" beside it.
#pragma once

#include "comreg/com_ids.h"
#include "frame/library_instance.h"
#include "platform/win/module_file.h"
#include "platform/win/registry.h"
#include "support/scratch_dir.h"
#include "test_paths.h"

#include <fstream>
#include <sstream>

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

class ComRegTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = testsupport::scratchDir("zrlss_comreg");
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
    static void setModuleFile(const std::wstring& path) {
        static const win::ModuleHandle module = [] {
            const win::ModuleHandle h = win::registerModule(L"comreg-test");
            zrlss::attachLibrary(h);
            return h;
        }();
        ASSERT_TRUE(win::setModuleFileName(module, path));
    }
    // The golden .reg text of a registration with this case's server.
    std::string goldenRegistration() const {
        std::string text = golden("registration.reg");
        const std::string path = server.string();
        for (size_t at = 0; (at = text.find("@SERVER@", at)) != std::string::npos;
             at += path.size())
            text.replace(at, 8, path);
        return text;
    }
    fs::path dir;
    fs::path moduleDir;
    fs::path registry;
    fs::path server;
};

} // namespace comreg_test
