// zrlss comreg on a temporary registry file and module folder.
#include "comreg_fixture.h"
#include "support/command_run.h"
#include "test_paths.h"

#include <algorithm>

namespace comreg_test {
namespace {

using testsupport::CommandRun;

class ComRegCommand : public ComRegTest {
protected:
    CommandRun run(const std::string& args, const fs::path& module = {},
                   const std::string& errorFile = {}) {
        return testsupport::runZrlss("comreg " + args + " --registry '" + registry.string() +
                                         "' --module-dir '" +
                                         (module.empty() ? moduleDir : module).string() + "'",
                                     ZRLSS_BIN_DIR, errorFile);
    }
};

// Neighbours in the registry are kept by every action.
TEST_F(ComRegCommand, EveryActionOnAScratchRegistry) {
    const std::string empty = "Windows Registry Editor Version 5.00\n\n";
    EXPECT_EQ(run("cleanup").out, "removed 0 of 34 keys\n");
    EXPECT_FALSE(fs::exists(registry)); // absent trees count as removed
    const std::vector<std::wstring> neighbours = {
        L"CLSID\\{11111111-2222-3333-4444-555555555555}",
        L"Interface\\{11111111-2222-3333-4444-555555555555}\\TypeLib",
        L"TypeLib\\{11111111-2222-3333-4444-555555555555}\\1.1",
        L"Zrl.App",
    };
    for (const std::wstring& key : neighbours)
        ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, key, L"", L"kept"));
    EXPECT_EQ(run("show").out, empty);
    std::string before = slurp(registry);
    EXPECT_EQ(run("register --dry-run").out, goldenRegistration());
    EXPECT_EQ(slurp(registry), before);

    CommandRun r = run("register");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out,
              "registered 1 type library, 19 classes, 14 interfaces: " + server.string() + "\n");
    EXPECT_EQ(run("show").out, goldenRegistration());
    // Registering again overwrites the same values: the file stays as it is.
    before = slurp(registry);
    EXPECT_EQ(run("register").status, 0);
    EXPECT_EQ(slurp(registry), before);

    const std::string errors = (dir / "stderr.txt").string();
    r = run("print", {}, errors);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, golden("declarations.txt"));
    EXPECT_EQ(slurp(errors), (moduleDir / "RegistryIDs.dat").string() + "\n");
    EXPECT_EQ(slurp(moduleDir / "RegistryIDs.dat"), golden("RegistryIDs.dat"));

    EXPECT_EQ(run("cleanup").out, "removed 34 of 34 keys\n");
    EXPECT_EQ(run("show").out, empty);
    ASSERT_TRUE(win::reloadRegistry());
    for (const std::wstring& key : neighbours)
        EXPECT_EQ(win::regGetString(win::HKEY_CLASSES_ROOT, key, L""), L"kept");

    std::ofstream(registry, std::ios::trunc) << "{ not json";
    EXPECT_EQ(run("register --dry-run").out, goldenRegistration());
    EXPECT_EQ(slurp(registry), "{ not json");
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
        {"register", {}, "server not found: " + server.string()},
        {"print", missingDir, "cannot write " + (missingDir / "RegistryIDs.dat").string()},
        {"frobnicate", {}, "unknown action: frobnicate (register, cleanup, print or show)"},
        {"cleanup --dry-run", {}, "--dry-run goes with register only"},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.args, c.module);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_EQ(r.out, "zrlss comreg: " + c.line + "\n") << c.args;
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

    // Without --module-dir the module's folder is the one it was loaded from.
    const std::string missing = (fs::path(ZRLSS_LIB_DIR) / "zrlreg.arx").lexically_normal();
    ASSERT_FALSE(fs::exists(missing));
    EXPECT_EQ(testsupport::runZrlss("comreg register --registry /nonexistent/registry.json").out,
              "zrlss comreg: server not found: " + missing + "\n");
}

} // namespace
} // namespace comreg_test
