// libzrlss.so as the host sees it: loaded and unloaded through the host's
// loader, its exports compared with the checked-in list, and the zrlss
// command on a fresh build.
#include "standards/ss_dlgs_mgr.h"
#include "frame_fixture.h"
#include "platform/host/module_exports.h"
#include "platform/host/module_loader.h"
#include "platform/host/rx_registry.h"
#include "platform/win/dialog.h"
#include "support/command_run.h"
#include "support/name_list.h"
#include "support/scratch_dir.h"
#include "test_paths.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace frame_test {
namespace {

const std::string kModule = std::string(ZRLSS_LIB_DIR) + "/libzrlss.so";

void noCommand() {}

TEST_F(FrameTest, LoadAndUnloadThroughTheHostLoader) {
    std::string error;
    auto module = host::LoadedModule::load(kModule, error);
    ASSERT_TRUE(module) << error;

    // A window in the library's own pool, handed out through its export.
    auto* pool = static_cast<VkSSDlgsMgr*>(module->symbol("gSSDlgsMgr"));
    auto getDlg = module->function<void* (*)(VkSSDlgsMgr*)>("_ZN11VkSSDlgsMgr6getDlgEv");
    ASSERT_NE(pool, nullptr);
    ASSERT_NE(getDlg, nullptr);
    void* dlg = getDlg(pool);
    ASSERT_NE(dlg, nullptr);
    const win::WindowHandle handle =
        static_cast<win::Window*>(static_cast<win::Dialog*>(dlg))->handle();
    EXPECT_NE(win::Window::fromHandle(handle), nullptr);

    acedRegCmds()->addCommand(L"ZARDEL_SS", L"SSCMD", nullptr, 0, noCommand);
    ASSERT_TRUE(module->unload(error)) << error;
    EXPECT_FALSE(acedRegCmds()->hasGroup(L"ZARDEL_SS"));
    EXPECT_EQ(win::Window::fromHandle(handle), nullptr); // detach emptied the pool
}

std::set<std::string> listedExports() {
    const std::vector<std::string> names =
        testsupport::readNameList(std::string(ZRLSS_TEST_DATA) + "/../../src/frame/exports.txt");
    return {names.begin(), names.end()};
}

TEST(ModuleLibrary, ExportsExactlyTheListedNames) {
    const std::set<std::string> listed = listedExports();
    ASSERT_FALSE(listed.empty());
    std::string error;
    const auto found = host::listModuleExports(kModule, error);
    ASSERT_TRUE(error.empty()) << error;
    const std::set<std::string> exported(found.begin(), found.end());
    for (const std::string& name : listed)
        EXPECT_TRUE(exported.count(name)) << "missing: " << name;
    for (const std::string& name : exported)
        EXPECT_TRUE(listed.count(name)) << "leaks: " << name;
}

using testsupport::CommandRun;
using testsupport::runZrlss;

// The module's own information; input the command cannot use gives one
// line and a failure.
TEST(ZrlssCommand, InfoAndBadInput) {
    CommandRun r = runZrlss("info");
    EXPECT_EQ(r.status, 0) << r.out;
    for (const char* part : {"libzrlss.so", "acrxEntryPoint", "examples/library"})
        EXPECT_NE(r.out.find(part), std::string::npos) << r.out;
    r = runZrlss("--lib /no/such/folder info");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.out, "zrlss: library folder not found: /no/such/folder\n");
    r = runZrlss("no-such-subcommand");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
}

// Output that cannot be written (a full disk) fails the job with one line,
// whichever subcommand printed it.
TEST(ZrlssCommand, UnwritableOutputIsAFailure) {
    const std::string sheet = std::string(ZRLSS_TEST_DATA) + "/sheets/example.vks";
    for (const std::string& job : {std::string("info"), "read " + sheet, "read " + sheet + " --json",
                                   std::string("evaluate 'End Plate' --set Beam=IPE300 Column=HEB240 "
                                               "Shear=150 BoltGrade=8.8 SteelFy=235")}) {
        const std::string errFile = ::testing::TempDir() + "zrlss_full_" + std::to_string(getpid());
        const CommandRun r = runZrlss("--quiet " + job + " >/dev/full", ZRLSS_BIN_DIR, errFile);
        std::ifstream in(errFile);
        const std::string err((std::istreambuf_iterator<char>(in)), {});
        std::remove(errFile.c_str());
        EXPECT_EQ(r.status, 1) << job << ": " << err;
        EXPECT_EQ(err.rfind("zrlss: cannot write the output: ", 0), 0u) << job << ": " << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << job << ": " << err;
    }
}

// Sheet-file jobs run without the module; jobs of the module say why they
// cannot start when it is missing.
TEST(ZrlssCommand, SheetJobsRunWithoutTheModule) {
    namespace fs = std::filesystem;
    const fs::path dir = testsupport::scratchDir("zrlss_nomodule");
    fs::create_directories(dir / "bin");
    fs::copy_file(fs::path(ZRLSS_BIN_DIR) / "zrlss", dir / "bin" / "zrlss");
    std::ofstream(dir / "in.csv") << "2\n=A1*3\n";
    const std::string bin = (dir / "bin").string();

    CommandRun r =
        runZrlss("recalc " + (dir / "in.csv").string() + " " + (dir / "out.csv").string(), bin);
    EXPECT_EQ(r.status, 0) << r.out;
    std::ifstream in(dir / "out.csv");
    const std::string values((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(values.substr(0, 4), "2\r\n6") << values;

    r = runZrlss("info", bin);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("libzrlss.so"), std::string::npos) << r.out;
    fs::remove_all(dir);
}

} // namespace
} // namespace frame_test
