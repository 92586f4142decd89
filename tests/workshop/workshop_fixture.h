// Shared set-up of the workshop tests: a fresh host and scripted user, the
// module attached (its templates registered), and a library folder of
// their own in a temporary folder.
#pragma once

#include "frame/library_instance.h"
#include "platform/core/dstv_points_files.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/host/command_line.h"
#include "platform/host/host_state.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "platform/win/script_play.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <gtest/gtest.h>
#include <string>
#include "support/scratch_dir.h"

namespace workshop_test {

namespace fs = std::filesystem;

class WorkshopTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::resetHostState();
        win::script().reset();
        static const win::ModuleHandle module = [] {
            const win::ModuleHandle m = win::registerModule(L"workshop-test");
            zrlss::attachLibrary(m);
            return m;
        }();
        (void)module;
        lib = testsupport::scratchDir("zrlss-workshop");
        fs::create_directories(lib / "DSTV Points");
        Zrl_Settings::setLibDir(pathToText(lib));
        printed = std::make_unique<host::PrintCapture>();
    }
    void TearDown() override {
        printed.reset();
        win::script().reset();
        host::resetHostState();
        Zrl_Settings::setLibDir(Zrl_String());
        fs::remove_all(lib);
    }

    fs::path groupFile(const std::string& name) const {
        return lib / "DSTV Points" / (name + ".dat");
    }
    // Writes a group file as given, byte for byte.
    void writeGroupFile(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(writeFileAtomically(groupFile(name), bytes));
    }
    std::string readBytes(const fs::path& path) const {
        std::string bytes;
        readFileBytes(path, bytes);
        return bytes;
    }
    Zrl_StringArray groups() const {
        Zrl_StringArray names;
        DlgDstvPoints::getAllDstvPointsFiles(names);
        return names;
    }

    fs::path lib;
    // What the module printed on the host's command line during the test.
    std::unique_ptr<host::PrintCapture> printed;
};

// Plays `script` while `run` runs; the failure message when it did not run
// to its end.
inline std::string play(const std::string& script, const std::function<void()>& run) {
    const win::ScriptResult r = win::playScript(script, run);
    return r.ok() ? std::string() : r.message;
}

} // namespace workshop_test
