// The single modeless windows: the constraints editor and the docked bar.
#include "frame/single_modeless.h"
#include "frame_fixture.h"
#include "test_dialogs.h"

namespace frame_test {
namespace {

class Single : public FrameTest {
protected:
    static zrlss::SingleModeless<PostponingDialog>::Maker maker(const std::wstring& data) {
        return [data] { return openDialog(data); };
    }

    zrlss::SingleModeless<PostponingDialog> editor;
};

TEST_F(Single, SecondEditorStartKeepsTheFirstAndItsData) {
    EXPECT_TRUE(zrlss::startModelessEditor(editor, maker(L"first")));
    PostponingDialog* first = editor.get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(win::Window::focus(), &win::mainWindow());
    EXPECT_TRUE(zrlss::startModelessEditor(editor, maker(L"second")));
    EXPECT_EQ(editor.get(), first);
    EXPECT_EQ(first->data, L"first");
}

TEST_F(Single, EndingTheEditorPostsAPromptEvenWhenItsWindowIsGone) {
    zrlss::endModelessEditor(editor); // none: nothing happens
    EXPECT_EQ(host::postedPromptCount(), 0);
    zrlss::startModelessEditor(editor, maker(L""));
    zrlss::endModelessEditor(editor);
    EXPECT_FALSE(editor.exists());
    EXPECT_EQ(host::postedPromptCount(), 1);
    EXPECT_TRUE(printed.text().empty());

    zrlss::startModelessEditor(editor, maker(L""));
    editor.get()->destroy();
    zrlss::endModelessEditor(editor);
    EXPECT_EQ(printed.text(), L"Erase window failed\n");
    EXPECT_FALSE(editor.exists());
    EXPECT_EQ(host::postedPromptCount(), 2);
}

TEST_F(Single, DockedBarIsShownAgainRatherThanMadeTwice) {
    EXPECT_FALSE(zrlss::endDockedSingle(editor));
    EXPECT_TRUE(zrlss::startDockedSingle(editor, maker(L"bar")));
    PostponingDialog* bar = editor.get();
    bar->show(false);
    EXPECT_TRUE(zrlss::startDockedSingle(editor, maker(L"other")));
    EXPECT_EQ(editor.get(), bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(zrlss::endDockedSingle(editor));
    EXPECT_FALSE(editor.exists());

    // A maker that fails: no bar.
    EXPECT_FALSE(
        zrlss::startDockedSingle(editor, [] { return std::unique_ptr<PostponingDialog>(); }));
    EXPECT_FALSE(editor.exists());
}

} // namespace
} // namespace frame_test
