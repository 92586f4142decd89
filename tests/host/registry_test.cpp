// The system registry's service objects: lookup with type check, the
// dynamic linker's application states, command groups.
#include "platform/host/call_log.h"
#include "platform/host/host_state.h"
#include "platform/host/rx_registry.h"

#include <gtest/gtest.h>

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override { host::resetHostState(); }
    void TearDown() override { host::resetHostState(); }
};

void commandA() {}
void commandB() {}

TEST_F(Registry, LooksUpServiceObjectsByNameWithTypeCheck) {
    AcRxObject* linker = acrxSysRegistry()->at(L"DynamicLinker");
    AcRxObject* stack = acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS");
    ASSERT_NE(linker, nullptr);
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(AcRxDynamicLinker::cast(linker), acrxDynamicLinker());
    EXPECT_EQ(AcEdCommandStack::cast(stack), acedRegCmds());
    EXPECT_EQ(AcEdCommandStack::cast(linker), nullptr);
    EXPECT_EQ(AcRxDynamicLinker::cast(stack), nullptr);
    EXPECT_EQ(AcRxDynamicLinker::cast(nullptr), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(L"NoSuchService"), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(nullptr), nullptr);
    EXPECT_EQ(host::countCalls("AcRxDictionary::at"), 4);
}

TEST_F(Registry, ApplicationsStartLockedAndUnlockThemselves) {
    int app = 0;
    AcRxDynamicLinker* linker = acrxDynamicLinker();
    // An application the host never loaded cannot be unlocked or registered.
    EXPECT_FALSE(linker->unlockApplication(&app));
    EXPECT_FALSE(linker->registerAppMDIAware(&app));

    linker->addApplication(&app, L"app");
    EXPECT_TRUE(linker->isApplicationLocked(&app));
    EXPECT_FALSE(linker->isAppMDIAware(&app));
    EXPECT_TRUE(linker->unlockApplication(&app));
    EXPECT_TRUE(linker->registerAppMDIAware(&app));
    EXPECT_FALSE(linker->isApplicationLocked(&app));
    EXPECT_TRUE(linker->isAppMDIAware(&app));

    linker->removeApplication(&app);
    EXPECT_FALSE(linker->knowsApplication(&app));
    EXPECT_FALSE(linker->isAppMDIAware(&app));
}

TEST_F(Registry, CommandGroupsAddLookUpAndRemove) {
    AcEdCommandStack* stack = acedRegCmds();
    EXPECT_EQ(stack->addCommand(L"ZARDEL_SS", L"SSONE", L"SSEINS", 0, commandA), Acad::eOk);
    EXPECT_EQ(stack->addCommand(L"zardel_ss", L"SSTWO", nullptr, 0, commandB), Acad::eOk);
    EXPECT_EQ(stack->addCommand(L"OTHER", L"OTHERCMD", L"", 0, commandB), Acad::eOk);
    EXPECT_EQ(stack->groupNames(), (std::vector<std::wstring>{L"ZARDEL_SS", L"OTHER"}));
    EXPECT_EQ(stack->lookupCmd(L"ssone"), &commandA);
    EXPECT_EQ(stack->lookupCmd(L"SSEINS"), &commandA);
    EXPECT_EQ(stack->lookupCmd(L"SSTWO"), &commandB);

    // Names are unique across groups; bad input changes nothing.
    EXPECT_EQ(stack->addCommand(L"OTHER", L"SSONE", nullptr, 0, commandB), Acad::eDuplicateKey);
    EXPECT_EQ(stack->addCommand(L"", L"X", nullptr, 0, commandB), Acad::eInvalidInput);
    EXPECT_EQ(stack->addCommand(L"G", L"X", nullptr, 0, nullptr), Acad::eInvalidInput);
    EXPECT_FALSE(stack->hasGroup(L"G"));
    EXPECT_EQ(stack->lookupCmd(L"SSONE"), &commandA);

    EXPECT_EQ(stack->removeCmd(L"OTHER", L"SSONE"), Acad::eKeyNotFound);
    EXPECT_EQ(stack->removeGroup(L"ZARDEL_SS"), Acad::eOk);
    EXPECT_FALSE(stack->hasGroup(L"ZARDEL_SS"));
    EXPECT_EQ(stack->lookupCmd(L"SSONE"), nullptr);
    EXPECT_EQ(stack->lookupCmd(L"SSTWO"), nullptr);
    EXPECT_EQ(stack->removeGroup(L"ZARDEL_SS"), Acad::eKeyNotFound);
    EXPECT_EQ(stack->removeCmd(L"OTHER", L"OTHERCMD"), Acad::eOk);
    EXPECT_EQ(stack->lookupCmd(L"OTHERCMD"), nullptr);
    ASSERT_NE(host::lastCall("AcEdCommandStack::removeGroup"), nullptr);
    EXPECT_EQ(host::lastCall("AcEdCommandStack::removeGroup")->args.at(0), L"ZARDEL_SS");
}

} // namespace
