// zrlss comreg on a temporary registry file and module folder.
#include "comreg_fixture.h"
#include "support/command_run.h"

#include <algorithm>

namespace comreg_test {
namespace {

using testsupport::CommandRun;

class ComRegCommand : public ComRegTest {
protected:
    CommandRun run(const std::string& args, const std::string& errorFile = {},
                   const fs::path& module = {}) {
        return testsupport::runZrlss("comreg " + args + " --registry '" + registry.string() +
                                         "' --module-dir '" +
                                         (module.empty() ? moduleDir : module).string() + "'",
                                     ZRLSS_BIN_DIR, errorFile);
    }
};

TEST_F(ComRegCommand, RegisterShowCleanup) {
    CommandRun r = run("show");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "Windows Registry Editor Version 5.00\n\n");

    r = run("register");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out,
              "registered 1 type library, 19 classes, 14 interfaces: " + server.string() + "\n");
    r = run("show");
    EXPECT_EQ(r.out, goldenRegistration(server.string()));

    r = run("cleanup");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "removed 34 of 34 keys\n");
    r = run("cleanup");
    EXPECT_EQ(r.out, "removed 0 of 34 keys\n");
}

TEST_F(ComRegCommand, DryRunLeavesTheRegistryAlone) {
    CommandRun r = run("register --dry-run");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, goldenRegistration(server.string()));
    EXPECT_FALSE(fs::exists(registry));

    std::ofstream(registry) << "{ not json";
    r = run("register --dry-run");
    EXPECT_EQ(r.out, goldenRegistration(server.string()));
    EXPECT_EQ(slurp(registry), "{ not json");
}

TEST_F(ComRegCommand, PrintWritesTheIdentifiersFile) {
    const std::string errors = (dir / "stderr.txt").string();
    const CommandRun r = run("print", errors);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, golden("declarations.txt"));
    EXPECT_EQ(slurp(errors), (moduleDir / "RegistryIDs.dat").string() + "\n");
    EXPECT_EQ(slurp(moduleDir / "RegistryIDs.dat"), golden("RegistryIDs.dat"));
}

TEST_F(ComRegCommand, FailuresExitWithOneLine) {
    fs::remove(server);
    std::ofstream(registry) << "{ not json";
    const fs::path missingDir = dir / "missing";
    const struct {
        std::string args;
        fs::path module;
        std::string line;
    } cases[] = {
        {"register", {}, "zrlss comreg: server not found: " + server.string()},
        {"print", missingDir,
         "zrlss comreg: cannot write " + (missingDir / "RegistryIDs.dat").string()},
        {"frobnicate",
         {},
         "zrlss comreg: unknown action: frobnicate (register, cleanup, print or show)"},
        {"cleanup --dry-run", {}, "zrlss comreg: --dry-run goes with register only"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.args, {}, c.module);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_EQ(r.out, c.line + "\n") << c.args;
    }
    // The registry's own reason is named; the file is left as it was.
    std::ofstream(server) << "server";
    for (const char* action : {"register", "cleanup", "show"}) {
        const CommandRun r = run(action);
        EXPECT_EQ(r.status, 1) << action;
        EXPECT_EQ(r.out.rfind("zrlss comreg: registry not ", 0), 0u) << r.out;
        EXPECT_NE(r.out.find(registry.string()), std::string::npos) << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
    EXPECT_EQ(slurp(registry), "{ not json");
}

// Without --module-dir the module's folder is the one it was loaded from.
TEST(ComRegCommandDefaults, TheModuleFolderIsTheLibrarysOwn) {
    const std::string missing = (fs::path(ZRLSS_LIB_DIR) / "zrlreg.arx").lexically_normal();
    ASSERT_FALSE(fs::exists(missing));
    const CommandRun r =
        testsupport::runZrlss("comreg register --registry /nonexistent/registry.json");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "zrlss comreg: server not found: " + missing + "\n");
}

} // namespace
} // namespace comreg_test
