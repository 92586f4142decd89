// A dialog stepping aside for the drawing editor and coming back.
#include "platform/host/call_log.h"
#include "platform/host/host_state.h"
#include "platform/host/host_windows.h"
#include "platform/win/window.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class EditorCommand : public ::testing::Test {
protected:
    void SetUp() override {
        host::resetHostState();
        dialog.create(L"#32770", L"dialog", win::WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0);
        other.create(L"#32770", L"other", win::WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0);
    }
    void TearDown() override {
        CompleteEditorCommand(host::editorCommandDialog(), false);
        host::resetHostState();
    }

    win::Window dialog;
    win::Window other;
};

TEST_F(EditorCommand, HidesTheDialogAndShowsItAgain) {
    ASSERT_TRUE(BeginEditorCommand(&dialog));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(win::Window::focus(), &win::mainWindow());
    EXPECT_EQ(host::editorCommandDialog(), &dialog);
    // Only one editor command at a time.
    EXPECT_FALSE(BeginEditorCommand(&other));
    EXPECT_FALSE(CompleteEditorCommand(&other));

    ASSERT_TRUE(CompleteEditorCommand(&dialog));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(win::Window::focus(), &dialog);
    EXPECT_EQ(host::editorCommandDialog(), nullptr);
    EXPECT_FALSE(CompleteEditorCommand(&dialog));
}

TEST_F(EditorCommand, DestroyedDialogEndsItsCommand) {
    auto gone = std::make_unique<win::Window>();
    gone->create(L"#32770", L"gone", win::WS_VISIBLE, {0, 0, 10, 10}, nullptr, 0);
    ASSERT_TRUE(BeginEditorCommand(gone.get()));
    gone.reset();
    EXPECT_EQ(host::editorCommandDialog(), nullptr);
    EXPECT_TRUE(BeginEditorCommand(&dialog));
    EXPECT_FALSE(BeginEditorCommand(nullptr));
}

} // namespace
