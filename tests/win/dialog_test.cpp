// Dialogs from templates, modal and modeless, under the scripted user.
#include "win_fixture.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace wintest;

class SampleDialog : public win::Dialog {
public:
    explicit SampleDialog(win::Window* parent = nullptr) : Dialog(IDD_SAMPLE, parent) {}

    std::vector<std::wstring> log;
    std::wstring nameAtDestroy;
    std::wstring name;
    bool refuseCancel = false;
    intptr_t innerResult = 0;

protected:
    bool onInitDialog() override {
        combo(IDC_KIND)->addString(L"Plate");
        combo(IDC_KIND)->addString(L"Angle");
        setItemText(IDC_NAME, L"start");
        log.clear(); // the EN_CHANGE of the line above is not the user's
        return true;
    }
    bool onCommand(int id, int code) override {
        log.push_back(std::to_wstring(id) + L":" + std::to_wstring(code));
        if (id == IDC_OPEN_INNER && code == win::BN_CLICKED) {
            win::Dialog inner(L"idd_inner", this);
            innerResult = inner.doModal();
            return true;
        }
        return false;
    }
    void onOK() override {
        name = getItemText(IDC_NAME);
        Dialog::onOK();
    }
    void onCancel() override {
        if (!refuseCancel) Dialog::onCancel();
    }
    void onDestroy() override { nameAtDestroy = getItemText(IDC_NAME); }
};

using DialogTest = WinTest;

TEST_F(DialogTest, ModalDialogPlayedByTheScriptEndsWithTheButtonClicked) {
    win::script().onNextModal([](win::Dialog& dlg) {
        EXPECT_TRUE(dlg.isModal());
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(win::mainWindow().isEnabled()); // the owner waits
        EXPECT_TRUE(dlg.type(IDC_NAME, L"Beam"));
        EXPECT_TRUE(dlg.choose(IDC_KIND, L"Plate"));
        EXPECT_TRUE(dlg.click(win::IDOK));
    });
    SampleDialog dlg;
    EXPECT_EQ(dlg.doModal(), win::IDOK);
    EXPECT_EQ(dlg.name, L"Beam");
    EXPECT_EQ(dlg.nameAtDestroy, L"Beam"); // controls still live in onDestroy
    EXPECT_FALSE(dlg.isCreated());
    EXPECT_TRUE(win::mainWindow().isEnabled());
    EXPECT_EQ(win::script().shown().dialogs, std::vector<std::wstring>{L"Sample"});
    // The user's actions told the dialog what a real user's would.
    // EN_CHANGE, EN_KILLFOCUS, CBN_SELCHANGE
    for (const wchar_t* told : {L"1001:768", L"1001:512", L"1002:1"})
        EXPECT_NE(std::find(dlg.log.begin(), dlg.log.end(), told), dlg.log.end()) << told;
    EXPECT_EQ(dlg.log.back(), L"1:0");
}

TEST_F(DialogTest, WithoutAScriptTheUserCancelsAndARefusingDialogStillEnds) {
    SampleDialog plain;
    EXPECT_EQ(plain.doModal(), win::IDCANCEL);

    SampleDialog stubborn;
    stubborn.refuseCancel = true;
    win::script().onNextModal([](win::Dialog& dlg) { dlg.pressKey(win::VK_ESCAPE); });
    EXPECT_EQ(stubborn.doModal(), win::IDCANCEL);
    EXPECT_FALSE(stubborn.isCreated());
}

TEST_F(DialogTest, NestedModalDialogsTakeTheScriptsInTheOrderTheyAreCreated) {
    std::vector<std::string> order;
    win::Dialog* outerDialog = nullptr;
    win::script().onNextModal([&](win::Dialog& outer) {
        outerDialog = &outer;
        order.push_back("outer");
        outer.click(IDC_OPEN_INNER);
        order.push_back("outer again");
        outer.click(win::IDOK);
    });
    win::script().onNextModal([&](win::Dialog& inner) {
        order.push_back("inner");
        EXPECT_FALSE(outerDialog->click(IDC_FLAG)); // the waiting owner takes no input
        EXPECT_EQ(inner.text(), L"Inner");
        inner.type(IDC_NAME, L"x");
        inner.pressKey(win::VK_RETURN); // Return = OK
    });
    SampleDialog dlg;
    EXPECT_EQ(dlg.doModal(), win::IDOK);
    EXPECT_EQ(dlg.innerResult, win::IDOK);
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "inner", "outer again"}));
    EXPECT_EQ(win::script().shown().dialogs, (std::vector<std::wstring>{L"Sample", L"Inner"}));
    EXPECT_EQ(win::script().pendingModals(), 0);
}

TEST_F(DialogTest, FailingScriptIsRecordedAndTheDialogStillEnds) {
    win::script().onNextModal([](win::Dialog& dlg) {
        dlg.type(IDC_NAME, L"half");
        throw std::runtime_error("lost");
    });
    SampleDialog dlg;
    EXPECT_EQ(dlg.doModal(), win::IDCANCEL);
    ASSERT_EQ(win::script().shown().errors.size(), 1u);
    EXPECT_NE(win::script().shown().errors[0].find(L"lost"), std::wstring::npos);
    EXPECT_TRUE(win::mainWindow().isEnabled());
}

TEST_F(DialogTest, MissingTemplateFailsWithoutEatingTheNextDialogsShow) {
    win::Dialog missing(12345);
    EXPECT_EQ(missing.doModal(), -1);
    EXPECT_FALSE(missing.create(12345));
    EXPECT_TRUE(win::script().shown().dialogs.empty());
}

TEST_F(DialogTest, ModelessDialogLivesUntilDestroyedAndEndDialogHidesIt) {
    SampleDialog dlg;
    ASSERT_TRUE(dlg.create(IDD_SAMPLE, &win::mainWindow()));
    EXPECT_FALSE(dlg.isModal());
    EXPECT_FALSE(dlg.create(IDD_SAMPLE)); // live already
    dlg.show(true);
    EXPECT_TRUE(dlg.click(IDC_FLAG)); // a shown modeless dialog takes input
    dlg.click(win::IDCANCEL);
    EXPECT_FALSE(dlg.isRunning());
    EXPECT_EQ(dlg.endCode(), win::IDCANCEL);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(dlg.isCreated());
    EXPECT_TRUE(dlg.destroy());
    EXPECT_EQ(dlg.item(IDC_FLAG), nullptr);

    SampleDialog other; // destroyed without ending: no longer running either
    ASSERT_TRUE(other.create(IDD_SAMPLE));
    other.destroy();
    EXPECT_FALSE(other.isRunning());
}

TEST_F(DialogTest, ControlsArePlacedInPixelsFromDialogUnits) {
    SampleDialog dlg;
    ASSERT_TRUE(dlg.create(IDD_SAMPLE));
    EXPECT_EQ(dlg.rect().size(), (win::Size{300, 195})); // 200 x 120 units at 6 x 13 base units
    EXPECT_EQ(dlg.item(IDC_NAME)->rect(), (win::Rect{8, 8, 150, 28}));
    EXPECT_EQ(win::dialogUnitsToPixelsY(-3), -5); // halves round away from zero
}

// A custom control in place of the placeholder, catching F3 before the
// dialog's default key handling, as the grid does.
class FakeGrid : public win::Window {
public:
    int f3 = 0;
    std::vector<int> keys;
    bool preTranslateMessage(const win::Message& msg) override {
        if (msg.message == win::WM_KEYDOWN && msg.wParam == static_cast<win::WPARAM>(win::VK_F3)) {
            ++f3;
            return true;
        }
        return false;
    }

protected:
    void onKeyDown(int vk) override { keys.push_back(vk); }
};

TEST_F(DialogTest, CustomControlReplacesThePlaceholderAndInterceptsKeys) {
    SampleDialog dlg;
    ASSERT_TRUE(dlg.create(IDD_SAMPLE));
    win::Window* holder = dlg.item(IDC_GRID);
    ASSERT_NE(holder, nullptr);
    const win::Rect where = holder->rect();
    EXPECT_TRUE(holder->destroy());
    EXPECT_EQ(dlg.item(IDC_GRID), nullptr);

    FakeGrid grid;
    ASSERT_TRUE(grid.create(L"fpSprGrid", L"", win::WS_CHILD | win::WS_VISIBLE | win::WS_TABSTOP,
                            where, &dlg, IDC_GRID));
    EXPECT_EQ(dlg.item(IDC_GRID), &grid);
    ASSERT_TRUE(grid.setFocus());
    EXPECT_EQ(win::Window::focus()->className().rfind(L"fpSpr", 0), 0u);

    dlg.pressKey(win::VK_F3);
    EXPECT_EQ(grid.f3, 1);
    dlg.pressKey(win::VK_F8); // not intercepted: reaches the grid's own handler
    EXPECT_EQ(grid.keys, std::vector<int>{win::VK_F8});
    EXPECT_TRUE(dlg.isRunning());
    dlg.pressKey(win::VK_RETURN); // default handling still works around it
    EXPECT_EQ(dlg.endCode(), win::IDOK);
    dlg.destroy(); // the program's grid is destroyed, not deleted
    EXPECT_FALSE(grid.isCreated());
}

TEST_F(DialogTest, RightClickOnAControlAsksTheDialogForItsContextMenu) {
    class MenuDialog : public SampleDialog {
    public:
        win::Window* where = nullptr;
        win::Point at;

    protected:
        void onContextMenu(win::Window* w, win::Point screen) override {
            where = w;
            at = screen;
        }
    } dlg;
    ASSERT_TRUE(dlg.create(IDD_SAMPLE));
    win::Window* flag = dlg.item(IDC_FLAG);
    ASSERT_TRUE(win::clickMouse(*flag, {2, 3}, true));
    EXPECT_EQ(dlg.where, flag);
    const win::Point expected{dlg.rect().left + flag->rect().left + 2,
                              dlg.rect().top + flag->rect().top + 3};
    EXPECT_EQ(dlg.at, expected);
}

TEST_F(DialogTest, ReturnDoesNothingWhileTheDefaultButtonIsDisabled) {
    SampleDialog dlg;
    ASSERT_TRUE(dlg.create(IDD_SAMPLE));
    dlg.enableItem(win::IDOK, false);
    dlg.focusItem(IDC_NAME);
    dlg.pressKey(win::VK_RETURN);
    EXPECT_TRUE(dlg.isRunning());
    EXPECT_FALSE(dlg.click(win::IDOK));
    dlg.enableItem(win::IDOK, true);
    dlg.pressKey(win::VK_RETURN);
    EXPECT_EQ(dlg.endCode(), win::IDOK);
}

TEST_F(DialogTest, ByIdHelpersAnswerSafelyForMissingControls) {
    SampleDialog dlg;
    ASSERT_TRUE(dlg.create(IDD_SAMPLE));
    EXPECT_FALSE(dlg.setItemText(9999, L"x"));
    EXPECT_EQ(dlg.getItemText(9999), L"");
    EXPECT_FALSE(dlg.check(9999));
    EXPECT_FALSE(dlg.click(9999));
    EXPECT_FALSE(dlg.choose(9999, 0));
    EXPECT_EQ(dlg.combo(IDC_NAME), nullptr); // wrong kind

    // The last is too long: refused, not overflowed.
    for (const auto& [text, value] : std::vector<std::pair<const wchar_t*, int>>{
             {L" 42 ", 42}, {L"4x2", -1}, {L"99999999999999999999", -1}}) {
        bool ok = value < 0;
        dlg.setItemText(IDC_NAME, text);
        EXPECT_EQ(dlg.getItemInt(IDC_NAME, &ok), value < 0 ? 0 : value);
        EXPECT_EQ(ok, value >= 0);
    }
}

TEST_F(DialogTest, DestroyingADialogFromItsOwnHandlerIsSafe) {
    class SelfDestroying : public SampleDialog {
    protected:
        bool onCommand(int id, int code) override {
            if (id == IDC_FLAG) {
                destroy();
                return true;
            }
            return SampleDialog::onCommand(id, code);
        }
    } dlg;
    win::script().onNextModal(
        [](win::Dialog& d) { EXPECT_FALSE(d.click(IDC_FLAG) && d.isCreated()); });
    EXPECT_EQ(dlg.doModal(), 0); // ended without an end code
    EXPECT_TRUE(win::mainWindow().isEnabled());
}

} // namespace
