// The common pattern of the modal starters, and the resource switch.
#include "frame/modal_starter.h"
#include "frame_fixture.h"
#include "test_dialogs.h"

namespace frame_test {
namespace {

class Modal : public FrameTest {
protected:
    Modal() { RecordDialog::resourcesSeen = win::ModuleHandle::None; }
};

// Plays the user: changes the dialog's record, then presses `button`.
void userEdits(int button) {
    win::script().onNextModal([button](win::Dialog& d) {
        auto& dlg = static_cast<RecordDialog&>(d);
        dlg.rec.text = L"edited";
        dlg.rec.number = 42;
        d.click(button);
    });
}

TEST_F(Modal, OkCopiesTheRecordAndOutArgumentsBackCancelLeavesThemAlone) {
    TestRecord record;
    record.text = L"original";
    int extra = 5;
    userEdits(win::IDCANCEL);
    EXPECT_FALSE((zrlss::runModalStarter<RecordDialog>(record, extra)));
    EXPECT_EQ(record.text, L"original");
    EXPECT_EQ(extra, 5);
    // No script at all: the headless user cancels.
    EXPECT_FALSE(zrlss::runModalStarter<RecordDialog>(record));
    EXPECT_EQ(record.text, L"original");

    RecordDialog::resourcesSeen = win::ModuleHandle::None;
    userEdits(win::IDOK);
    EXPECT_TRUE((zrlss::runModalStarter<RecordDialog>(record, extra)));
    EXPECT_EQ(record.text, L"edited");
    EXPECT_EQ(record.number, 42);
    EXPECT_EQ(extra, 10);
    EXPECT_EQ(RecordDialog::resourcesSeen, module);
    EXPECT_NE(win::currentResourceModule(), module);
}

TEST_F(Modal, FailureOrExceptionInsideTheStarterRestoresTheResources) {
    const win::ModuleHandle before = win::currentResourceModule();
    TestRecord record;
    record.failCopy = true;
    EXPECT_FALSE(zrlss::runModalStarter<RecordDialog>(record));
    EXPECT_EQ(win::currentResourceModule(), before);
    EXPECT_EQ(zrlss::resourceOverride().pendingSwitches(), 0);
    try {
        zrlss::ResourceScope scope;
        EXPECT_EQ(win::currentResourceModule(), module);
        throw std::runtime_error("leaving");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(win::currentResourceModule(), before);
}

TEST_F(Modal, ResourceSwitchesNestAndUndoInOrder) {
    VkTempResourceOverride over;
    const win::ModuleHandle host = win::currentResourceModule();
    EXPECT_FALSE(over.SetDefaultResource()); // nothing saved yet
    over.SaveDefaultResource(module);
    {
        VkResourceScope outer(over);
        EXPECT_TRUE(outer.switched());
        EXPECT_EQ(win::currentResourceModule(), module);
        {
            VkResourceScope inner(over);
            EXPECT_FALSE(inner.switched()); // current already
        }
        EXPECT_EQ(win::currentResourceModule(), module);
        // Someone switched away meanwhile: the inner switch comes back.
        win::setResourceModule(host);
        {
            VkResourceScope inner(over);
            EXPECT_TRUE(inner.switched());
        }
        EXPECT_EQ(win::currentResourceModule(), host);
        win::setResourceModule(module);
    }
    EXPECT_EQ(win::currentResourceModule(), host);
    over.RestoreOriginalResource(); // no switch outstanding: nothing
    EXPECT_EQ(win::currentResourceModule(), host);
}

} // namespace
} // namespace frame_test
