// What the scripted user answers to message boxes, file dialogs and menus,
// and what is recorded as shown.
#include "win_fixture.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using wintest::WinTest;
using AnswersTest = WinTest;

TEST_F(AnswersTest, MessageBoxWithoutAnAnswerTakesItsDefaultButton) {
    using namespace win;
    const std::vector<std::pair<UINT, int>> rows = {
        {MB_OK, IDOK},
        {MB_YESNO, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
        {MB_OKCANCEL | MB_DEFBUTTON3, IDOK}, // no third button: the first
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {0xE, IDOK}}; // unknown kind: OK only
    for (const auto& [style, answer] : rows)
        EXPECT_EQ(messageBox(nullptr, L"t", L"c", style), answer) << style;
}

TEST_F(AnswersTest, QueuedAnswersAreUsedInOrderAndImpossibleOnesRefused) {
    auto& s = win::script();
    s.queueMessageBoxAnswer(win::IDNO);
    s.queueMessageBoxAnswer(win::IDYES); // not a button of an OK/Cancel box
    s.queueMessageBoxAnswer(win::IDCANCEL);
    std::vector<std::wstring> observed;
    s.setMessageBoxObserver([&](const win::MessageBoxRecord& r) { observed.push_back(r.caption); });

    EXPECT_EQ(win::messageBox(nullptr, L"Save?", L"One", win::MB_YESNO | win::MB_ICONQUESTION),
              win::IDNO);
    EXPECT_EQ(win::messageBox(nullptr, L"Go?", L"Two", win::MB_OKCANCEL | win::MB_DEFBUTTON2),
              win::IDCANCEL);
    EXPECT_EQ(win::messageBox(nullptr, L"Go?", L"Three", win::MB_OKCANCEL), win::IDCANCEL);
    EXPECT_EQ(s.pendingMessageBoxAnswers(), 0);

    const auto& boxes = s.shown().messageBoxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, L"Save?");
    EXPECT_EQ(boxes[0].style, win::MB_YESNO | win::MB_ICONQUESTION);
    EXPECT_TRUE(boxes[0].scripted);
    EXPECT_TRUE(boxes[1].rejected);
    EXPECT_FALSE(boxes[1].scripted);
    EXPECT_EQ(observed, (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
}

class FileDialogTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        dir = std::filesystem::temp_directory_path() / ("zrlwin_fd_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "old.vks") << "x";
    }
    void TearDown() override {
        std::filesystem::remove_all(dir);
        WinTest::TearDown();
    }
    std::wstring path(const char* name) const { return (dir / name).wstring(); }
    std::filesystem::path dir;
};

TEST_F(FileDialogTest, SaveOntoAnExistingFileAsksAndNoMeansChooseAgain) {
    auto& s = win::script();
    win::FileDialogRequest req;
    req.save = true;
    req.defaultExt = L"vks";
    req.filter = L"Sheets (*.vks)|*.vks|All files (*.*)|*.*||";

    s.queueFileDialog({path("old")}); // gets ".vks": exists
    s.queueFileDialog({path("new")});
    auto result = win::fileDialog(req); // no box answer queued: the default is No
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.path(), path("new.vks"));
    ASSERT_EQ(s.shown().messageBoxes.size(), 1u);
    EXPECT_EQ(s.shown().messageBoxes[0].text,
              path("old.vks") + L" already exists.\nDo you want to replace it?");

    s.queueFileDialog({path("old.vks")});
    s.queueMessageBoxAnswer(win::IDYES);
    EXPECT_EQ(win::fileDialog(req).path(), path("old.vks"));

    s.queueFileDialog({path("old.vks")}); // No, and nothing else queued: cancelled
    EXPECT_FALSE(win::fileDialog(req).ok);
    ASSERT_EQ(s.shown().fileDialogs.size(), 3u);
    EXPECT_TRUE(s.shown().fileDialogs[2].paths.empty());
    EXPECT_EQ(s.shown().fileDialogs[0].title, L"Save As");
}

TEST_F(FileDialogTest, OpenTakesSeveralFilesOnlyWhenAskedTo) {
    auto& s = win::script();
    win::FileDialogRequest req;
    s.queueFileDialog({path("a.vks"), path("b.vks")});
    EXPECT_EQ(win::fileDialog(req).paths.size(), 1u);
    req.multiSelect = true;
    s.queueFileDialog({path("a.vks"), path("b.vks")});
    EXPECT_EQ(win::fileDialog(req).paths.size(), 2u);
    s.queueFileDialogCancel();
    EXPECT_FALSE(win::fileDialog(req).ok);
    EXPECT_FALSE(win::fileDialog(req).ok); // nothing queued

    req.fileMustExist = true;
    req.multiSelect = false;
    s.queueFileDialog({path("missing.vks")});
    s.queueFileDialog({path("old.vks")});
    EXPECT_EQ(win::fileDialog(req).path(), path("old.vks"));
    EXPECT_EQ(s.shown().messageBoxes.size(), 1u);

    const auto pairs = win::parseFileFilter(L"Sheets (*.vks)|*.vks|All (*.*)|*.*||");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[1].second, L"*.*");
}

class MenuOwner : public win::Window {
public:
    std::vector<int> commands;

protected:
    bool onCommand(int id, int) override {
        commands.push_back(id);
        return true;
    }
};

TEST_F(AnswersTest, PopupMenuChoicesByIdOrTextReachTheOwner) {
    win::Menu sub;
    sub.appendItem(301, L"&Rows");
    sub.appendItem(302, L"Columns", false);
    win::Menu menu;
    menu.appendItem(101, L"&Copy\tCtrl+C");
    menu.appendSeparator();
    menu.appendSubmenu(L"&Insert", sub);
    MenuOwner owner;
    ASSERT_TRUE(owner.create(L"Owner", L"", 0, {}, nullptr, 0));

    auto& s = win::script();
    s.queueMenuChoice(L"copy");
    s.queueMenuChoice(301);
    s.queueMenuChoice(302); // disabled: dismissed
    s.queueMenuChoice(999); // not in the menu: dismissed
    EXPECT_EQ(win::trackPopupMenu(menu, {}, &owner), 101);
    EXPECT_EQ(win::trackPopupMenu(menu, {}, &owner, win::TPM_RETURNCMD), 301);
    EXPECT_EQ(win::trackPopupMenu(menu, {}, &owner), 0);
    EXPECT_EQ(win::trackPopupMenu(menu, {}, &owner), 0);
    EXPECT_EQ(win::trackPopupMenu(menu, {}, &owner), 0); // nothing queued
    EXPECT_EQ(owner.commands, std::vector<int>{101});    // TPM_RETURNCMD sends nothing

    ASSERT_EQ(s.shown().menus.size(), 5u);
    EXPECT_EQ(s.shown().menus[0].items,
              (std::vector<std::wstring>{L"Copy", L"-", L"Insert", L"Insert > Rows",
                                         L"Insert > Columns"}));
    EXPECT_EQ(s.shown().menus[1].chosen, 301);
}

} // namespace
