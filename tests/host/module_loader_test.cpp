// The host's module loader over real shared libraries: the order of attach,
// version check, messages and detach, and that a failed load leaves nothing.
#include "platform/host/call_log.h"
#include "platform/host/command_line.h"
#include "platform/host/host_state.h"
#include "platform/host/module_loader.h"
#include "platform/host/rx_registry.h"
#include "test_paths.h"

#include <gtest/gtest.h>

namespace {

std::string modulePath(const std::string& variant) {
    return std::string(ZRLSS_LIB_DIR) + "/libhost_test_" + variant + ".so";
}

// Resets the host before the fixture's capture starts (a reset restores the
// terminal sink).
struct FreshHost {
    FreshHost() { host::resetHostState(); }
};

class Loader : public ::testing::Test, private FreshHost {
protected:
    ~Loader() override { host::clearCallLog(); }

    host::PrintCapture steps;
    std::string error;
};

TEST_F(Loader, LoadsAndUnloadsInTheLoaderOrder) {
    auto module = host::LoadedModule::load(modulePath("good"), error);
    ASSERT_TRUE(module) << error;
    EXPECT_EQ(steps.text(), L"attach libhost_test_good.so\nmessage 1\n");
    EXPECT_EQ(module->apiVersion(), AcRx::kApiVersion);
    EXPECT_TRUE(acrxDynamicLinker()->knowsApplication(module->appId()));
    EXPECT_FALSE(acrxDynamicLinker()->isApplicationLocked(module->appId()));
    EXPECT_NE(module->symbol("acrxEntryPoint"), nullptr);
    EXPECT_EQ(module->symbol("noSuchSymbol"), nullptr);
    EXPECT_EQ(host::loadedModules(), std::vector<host::LoadedModule*>{module.get()});

    steps.clear();
    ASSERT_TRUE(module->unload(error)) << error;
    EXPECT_EQ(steps.text(), L"message 2\ndetach libhost_test_good.so\n");
    EXPECT_FALSE(module->isLoaded());
    EXPECT_FALSE(acrxDynamicLinker()->knowsApplication(module->appId()));
    EXPECT_EQ(module->symbol("acrxEntryPoint"), nullptr);
    EXPECT_TRUE(host::loadedModules().empty());
    // A second unload has nothing left to do.
    steps.clear();
    EXPECT_TRUE(module->unload(error));
    EXPECT_TRUE(steps.text().empty());
}

TEST_F(Loader, ModuleWithoutAttachHandlerLoads) {
    auto module = host::LoadedModule::load(modulePath("nomain"), error);
    ASSERT_TRUE(module) << error;
    EXPECT_EQ(steps.text(), L"message 1\n");
}

TEST_F(Loader, LockedModuleStaysUntilShutdown) {
    auto module = host::LoadedModule::load(modulePath("locked"), error);
    ASSERT_TRUE(module) << error;
    EXPECT_FALSE(module->unload(error));
    EXPECT_NE(error.find("locked"), std::string::npos);
    EXPECT_TRUE(module->isLoaded());
    steps.clear();
    module.reset();
    EXPECT_EQ(steps.text(), L"message 2\ndetach libhost_test_locked.so\n");
}

TEST_F(Loader, SecondLoadOfOneLibraryIsRefused) {
    auto first = host::LoadedModule::load(modulePath("good"), error);
    ASSERT_TRUE(first) << error;
    steps.clear();
    EXPECT_FALSE(host::LoadedModule::load(modulePath("good"), error));
    EXPECT_NE(error.find("loaded already"), std::string::npos);
    EXPECT_TRUE(steps.text().empty());
    EXPECT_TRUE(first->isLoaded());
}

struct RefusedLoad {
    const char* variant;
    const char* reason;     // part of the error text
    const wchar_t* printed; // what the module got to do before the load was undone
};

class RefusedLoads : public Loader, public ::testing::WithParamInterface<RefusedLoad> {};

TEST_P(RefusedLoads, UndoEveryStepTaken) {
    const RefusedLoad& c = GetParam();
    EXPECT_FALSE(host::LoadedModule::load(modulePath(c.variant), error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_EQ(steps.text(), c.printed);
    // Nothing stays registered, and a working module still loads afterwards.
    auto good = host::LoadedModule::load(modulePath("good"), error);
    EXPECT_TRUE(good) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Loader, RefusedLoads,
    ::testing::Values(
        RefusedLoad{"missing", "cannot load", L""},
        RefusedLoad{"noentry", "no acrxEntryPoint", L""},
        RefusedLoad{"old", "version 0",
                    L"attach libhost_test_old.so\ndetach libhost_test_old.so\n"},
        RefusedLoad{"refuse", "refused to attach", L"attach libhost_test_refuse.so\n"},
        RefusedLoad{
            "failinit", "failed to initialise",
            L"attach libhost_test_failinit.so\nmessage 1\ndetach libhost_test_failinit.so\n"}));

} // namespace
