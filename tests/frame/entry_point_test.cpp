// The entry messages and the attach/detach steps, driven as the host does.
#include "entry/entry_point.h"
#include "frame/modeless_table.h"
#include "frame/single_modeless.h"
#include "frame_fixture.h"
#include "grid/check_box_pictures.h"
#include "platform/host/call_log.h"
#include "platform/host/rx_registry.h"
#include "standards/ss_dlgs_mgr.h"
#include "test_dialogs.h"

namespace frame_test {
namespace {

void noCommand() {}

class Entry : public FrameTest {
protected:
    Entry() { acrxDynamicLinker()->addApplication(&appId, L"zrlss"); }
    ~Entry() override { zrlss::unloadSteps() = {}; }

    int appId = 0;
};

TEST_F(Entry, InitialiseUnlocksRegistersAndLoadsThePictures) {
    EXPECT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &appId), AcRx::kRetOK);
    EXPECT_FALSE(acrxDynamicLinker()->isApplicationLocked(&appId));
    EXPECT_TRUE(acrxDynamicLinker()->isAppMDIAware(&appId));
    for (bool set : {false, true})
        EXPECT_EQ(zrlss::checkBoxPicture(set), zrlss::drawCheckBoxPicture(set));
    // The caller's resources are current again.
    EXPECT_NE(win::currentResourceModule(), module);
}

TEST_F(Entry, UnloadRemovesTheGroupAndClosesTheModelessWindowsInOrder) {
    acedRegCmds()->addCommand(zrlss::kCommandGroup, L"SSCMD", nullptr, 0, noCommand);
    acedRegCmds()->addCommand(L"OTHER", L"OTHERCMD", nullptr, 0, noCommand);

    zrlss::ModelessTable<PostponingDialog> macros;
    zrlss::SingleModeless<PostponingDialog> editor;
    for (int i = 0, index = -1; i < 2; ++i)
        macros.start([](int) { return openDialog(); }, index);
    zrlss::startModelessEditor(editor, [] { return openDialog(); });
    std::vector<std::string> order;
    zrlss::unloadSteps().destroyAllMacroDlgs = [&] {
        order.push_back("macros");
        macros.endAll();
    };
    zrlss::unloadSteps().endDlgEditConstraints = [&] {
        order.push_back("editor");
        zrlss::endModelessEditor(editor);
    };

    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &appId), AcRx::kRetOK);
    EXPECT_FALSE(acedRegCmds()->hasGroup(zrlss::kCommandGroup));
    EXPECT_TRUE(acedRegCmds()->hasGroup(L"OTHER"));
    EXPECT_EQ(order, (std::vector<std::string>{"macros", "editor"}));
    EXPECT_EQ(macros.liveCount(), 0);
    EXPECT_FALSE(editor.exists());
}

TEST_F(Entry, OtherMessagesDoNothing) {
    host::clearCallLog();
    EXPECT_EQ(acrxEntryPoint(AcRx::kNullMsg, &appId), AcRx::kRetOK);
    EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(99), &appId), AcRx::kRetOK);
    EXPECT_TRUE(host::callLog().empty());
    EXPECT_TRUE(acrxDynamicLinker()->isApplicationLocked(&appId));
}

TEST_F(Entry, AttachRegistersTheResourcesAndDetachEmptiesThePool) {
    EXPECT_EQ(attached, 1);
    EXPECT_EQ(zrlss::libraryModule(), module);
    EXPECT_EQ(zrlss::resourceOverride().GetDefaultResource(), module);
    EXPECT_NE(win::findTemplate(module, 253), nullptr);
    EXPECT_EQ(zrlss::attachLibrary(win::ModuleHandle::None), 0);

    void* dlg = gSSDlgsMgr.getDlg();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(zrlss::detachLibrary(), 1);
    EXPECT_EQ(gSSDlgsMgr.count(), 0);
}

} // namespace
} // namespace frame_test
