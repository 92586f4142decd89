// The filtered open and save dialog with unsorted name lists: the shown
// list is sorted by the box, and every action must name the item the user
// sees.
#include "dialogs/dlg_open_save.h"
#include "macroui_fixture.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/list_box.h"

using namespace macrotest;

namespace {

class OpenSave : public MacroUiTest {
protected:
    // Runs the dialog with unsorted lists; returns its end code.
    intptr_t run(int saveMode, std::function<void(CDlgOpenSave&)> play) {
        dlg_.saveMode = saveMode;
        dlg_.folder = listFolder();
        dlg_.extension = L".mpl";
        dlg_.firstNames = names({L"gamma", L"alpha", L"beta"});
        dlg_.secondNames = names({L"std2", L"beta", L"std1"});
        win::script().onNextModal([play](win::Dialog& d) { play(static_cast<CDlgOpenSave&>(d)); });
        return dlg_.doModal();
    }
    static std::vector<std::wstring> shownItems(CDlgOpenSave& dlg) {
        std::vector<std::wstring> out;
        const win::ListBox* list = dlg.listBox(IDC_OPENSAVE_LIST);
        for (int i = 0; i < list->getCount(); ++i)
            out.push_back(list->getText(i));
        return out;
    }
    CDlgOpenSave dlg_;
};

} // namespace

TEST_F(OpenSave, OpenModeNamesWhatIsSelectedAndTakesNoTyping) {
    EXPECT_EQ(run(0,
                  [](CDlgOpenSave& dlg) {
                      EXPECT_EQ(shownItems(dlg),
                                (std::vector<std::wstring>{L"alpha", L"beta", L"gamma"}));
                      EXPECT_FALSE(dlg.type(IDC_OPENSAVE_NAME, L"typed"));
                      // The second item shown is "beta", not the list's "alpha".
                      dlg.listBox(IDC_OPENSAVE_LIST)->choose(1);
                      EXPECT_EQ(dlg.getItemText(IDC_OPENSAVE_NAME), L"beta");
                      // The check box shows the second list at once.
                      dlg.click(IDC_OPENSAVE_STANDARD);
                      EXPECT_EQ(shownItems(dlg),
                                (std::vector<std::wstring>{L"beta", L"std1", L"std2"}));
                      dlg.listBox(IDC_OPENSAVE_LIST)->doubleClick(2);
                  }),
              win::IDOK);
    EXPECT_EQ(dlg_.name(), L"std2");
}

TEST_F(OpenSave, EmptyOrBlankNamesKeepTheDialogOpen) {
    EXPECT_EQ(run(1,
                  [](CDlgOpenSave& dlg) {
                      for (const wchar_t* text : {L"", L"   "}) {
                          dlg.type(IDC_OPENSAVE_NAME, text);
                          dlg.click(win::IDOK);
                          EXPECT_TRUE(dlg.isRunning()) << "\"" << Zrl_String(text).toUtf8() << "\"";
                      }
                      dlg.type(IDC_OPENSAVE_NAME, L"  fresh ");
                      dlg.click(win::IDOK);
                  }),
              win::IDOK);
    EXPECT_EQ(dlg_.name(), L"fresh");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(OpenSave, SavingOverAnExistingFileAsksAndOnlyYesEnds) {
    touch("alpha.mpl");
    touch("std1.mpl");
    const Zrl_String plain = dialString(1128) + L"\n\n" + dialString(1130) + L"\n";
    const Zrl_String standard =
        dialString(1128) + L"\n" + dialString(1129) + L"\n\n" + dialString(1130) + L"\n";
    struct Case {
        const wchar_t* name;
        std::vector<int> answers;
        Zrl_String text;
    } cases[] = {
        {L"alpha", {win::IDNO, win::IDCANCEL, win::IDYES}, plain},
        {L"std1", {win::IDYES}, standard},
    };
    for (const Case& c : cases) {
        win::script().reset();
        win::script().queueMessageBoxAnswer(win::IDOK); // the warning about "bad/name"
        for (int a : c.answers)
            win::script().queueMessageBoxAnswer(a);
        const size_t asked = c.answers.size();
        EXPECT_EQ(run(1,
                      [&](CDlgOpenSave& dlg) {
                          dlg.type(IDC_OPENSAVE_NAME, L"bad/name");
                          dlg.click(win::IDOK);
                          EXPECT_TRUE(dlg.isRunning());
                          dlg.type(IDC_OPENSAVE_NAME, c.name);
                          for (size_t i = 0; i < asked; ++i) {
                              EXPECT_TRUE(dlg.isRunning());
                              dlg.click(win::IDOK);
                          }
                      }),
                  win::IDOK);
        ASSERT_EQ(boxes().size(), asked + 1);
        EXPECT_EQ(boxes()[1].text, c.text.str());
        EXPECT_EQ(dlg_.name(), c.name);
    }
}

TEST_F(OpenSave, DeleteRemovesExactlyTheShownFileFromBothLists) {
    for (const char* f : {"alpha.mpl", "beta.mpl", "gamma.mpl"})
        touch(f);
    win::script().queueMessageBoxAnswer(win::IDNO);
    win::script().queueMessageBoxAnswer(win::IDYES);
    EXPECT_EQ(run(0,
                  [](CDlgOpenSave& dlg) {
                      dlg.listBox(IDC_OPENSAVE_LIST)->choose(1); // "beta"
                      dlg.click(IDC_OPENSAVE_DELETE);            // No
                      EXPECT_EQ(shownItems(dlg).size(), 3u);
                      dlg.click(IDC_OPENSAVE_DELETE); // Yes
                      EXPECT_EQ(shownItems(dlg), (std::vector<std::wstring>{L"alpha", L"gamma"}));
                      dlg.click(win::IDCANCEL);
                  }),
              win::IDCANCEL);
    EXPECT_FALSE(listExists("beta.mpl"));
    EXPECT_TRUE(listExists("alpha.mpl"));
    EXPECT_TRUE(listExists("gamma.mpl"));
    EXPECT_EQ(dlg_.firstNames, names({L"gamma", L"alpha"}));
    EXPECT_EQ(dlg_.secondNames, names({L"std2", L"std1"}));
    const Zrl_String text = dialString(1132) + L" \"beta\" " + dialString(1133) + L"\n" +
                            dialString(1134) + L"\n";
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].text, text.str());
}

TEST_F(OpenSave, AFailedDeleteChangesNothing) {
    win::script().queueMessageBoxAnswer(win::IDYES);
    run(0, [](CDlgOpenSave& dlg) {
        dlg.listBox(IDC_OPENSAVE_LIST)->choose(0); // "alpha": no such file
        dlg.click(IDC_OPENSAVE_DELETE);
        EXPECT_EQ(shownItems(dlg).size(), 3u);
        dlg.click(win::IDCANCEL);
    });
    EXPECT_EQ(dlg_.firstNames, names({L"gamma", L"alpha", L"beta"}));
    EXPECT_EQ(dlg_.name(), L"");
}

TEST_F(OpenSave, KeepsItsSizeAndNeverShrinksBelowTheFirst) {
    int width = 0, height = 0;
    run(1, [&](CDlgOpenSave& dlg) {
        const win::Rect r = dlg.rect();
        dlg.setRect({r.left, r.top, r.left + 10, r.top + 10});
        EXPECT_EQ(dlg.rect().width(), dlg.minWidth());
        width = r.width() + 40;
        height = r.height() + 30;
        dlg.setRect({r.left, r.top, r.left + width, r.top + height});
        dlg.click(win::IDCANCEL);
    });
    run(1, [&](CDlgOpenSave& dlg) {
        EXPECT_EQ(dlg.rect().width(), width);
        EXPECT_EQ(dlg.rect().height(), height);
        dlg.click(win::IDCANCEL);
    });
}
