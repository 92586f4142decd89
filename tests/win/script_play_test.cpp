// Playing action scripts on a dialog with every kind of control, a fake grid,
// a nested dialog, a timer, a save question and a file dialog.
#include "platform/win/script_controls.h"
#include "platform/win/script_play.h"
#include "win_fixture.h"

#include <map>
#include <memory>
#include <string>

namespace {

using namespace wintest;

// A 3 x 3 grid whose cell (1, 1) is locked.
class FakeGrid : public win::Window, public win::ScriptGrid {
public:
    std::map<std::pair<int, int>, std::wstring> cells;
    std::wstring lastClick;

    bool scriptHasCell(int col, int row) const override {
        return col >= 1 && col <= 3 && row >= 1 && row <= 3;
    }
    std::wstring scriptCellText(int col, int row) const override {
        auto it = cells.find({col, row});
        return it == cells.end() ? std::wstring() : it->second;
    }
    bool scriptCellEdit(int col, int row, const std::wstring& text) override {
        if (col == 1 && row == 1) return false;
        cells[{col, row}] = text;
        return true;
    }
    bool scriptSelect(int col, int row, int col2, int row2) override {
        lastClick = L"select " + std::to_wstring(col * 1000 + row * 100 + col2 * 10 + row2);
        return true;
    }
    bool scriptRightClick(int col, int row) override {
        lastClick = L"right " + std::to_wstring(col * 10 + row);
        return true;
    }
    bool scriptDoubleClick(int, int) override { return false; }
};

class InnerDialog : public win::Dialog {
public:
    explicit InnerDialog(win::Window* parent) : Dialog(L"IDD_INNER", parent) {}
    std::wstring name;
    std::wstring scriptName() const override { return L"inner"; }

protected:
    void onOK() override {
        name = getItemText(IDC_NAME);
        Dialog::onOK();
    }
};

// Cancel asks whether to save (Yes ends with OK, No with Cancel, Cancel
// stays); the plain check box opens a file dialog; the inner button opens
// the inner dialog; a timer writes "tick" after 100 ms.
class ScriptedDialog : public win::Dialog {
public:
    ScriptedDialog() : Dialog(IDD_SAMPLE) {}
    FakeGrid grid;

protected:
    bool onInitDialog() override {
        combo(IDC_KIND)->addString(L"Plate");
        combo(IDC_KIND)->addString(L"Angle");
        listView(IDC_GALLERY)->insertItem(0, L"first");
        listView(IDC_GALLERY)->insertItem(1, L"second");
        setItemText(IDC_NAME, L"start");
        enableItem(IDC_TRI, false);
        const win::Rect at = item(IDC_GRID)->rect();
        item(IDC_GRID)->destroy();
        grid.create(L"FakeGrid", L"", win::WS_CHILD | win::WS_VISIBLE, at, this, IDC_GRID);
        setTimer(1, 100);
        return true;
    }
    void onTimer(std::uintptr_t id) override {
        killTimer(id);
        setItemText(IDC_NAME, L"tick");
    }
    bool onCommand(int id, int code) override {
        if (code != win::BN_CLICKED) return false;
        if (id == IDC_OPEN_INNER) {
            InnerDialog inner(this);
            if (inner.doModal() == win::IDOK) setItemText(IDC_NAME, inner.name);
            return true;
        }
        if (id == IDC_PLAIN_CHECK) {
            win::FileDialogRequest request;
            request.title = L"Open sheet";
            const auto answer = win::fileDialog(request);
            setItemText(IDC_NAME, answer.ok ? answer.path() : L"cancelled");
            return true;
        }
        return false;
    }
    void onCancel() override {
        const int answer = win::messageBox(this, L"Save changes?\nThe sheet was edited.", L"Sample",
                                           win::MB_YESNOCANCEL | win::MB_DEFBUTTON3);
        if (answer == win::IDYES) endDialog(win::IDOK);
        if (answer == win::IDNO) Dialog::onCancel();
    }
};

struct Outcome {
    win::ScriptResult result;
    intptr_t code = 0;
};

Outcome play(const std::string& text) {
    Outcome out;
    out.result = win::playScript(text, [&] {
        ScriptedDialog dlg;
        out.code = dlg.doModal();
    });
    return out;
}

using ScriptPlayTest = WinTest;

TEST_F(ScriptPlayTest, ScriptsThatRunToTheirEnd) {
    struct Row {
        const char* name;
        std::string script;
        intptr_t code;
    };
    const Row rows[] = {
        {"quoting reaches the control",
         "dialog \"Sample\"\n type 1001 \"a \\\"b\\\" \\\\\"\n expect 1001 \"a \\\"b\\\" \\\\\"\n"
         " click OK\nend\n",
         win::IDOK},
        {"id by name", "dialog next\n click idok\nend\n", win::IDOK},
        {"id by number", "dialog next\n click 1\nend\n", win::IDOK},
        {"choices by text and index",
         "dialog next\n choose 1002 #1\n expect 1002 Plate\n choose 1002 \"Angle\"\n"
         " expect 1002 Angle\n select 1015 \"second\"\n dblclick 1015 \"first\"\n click OK\nend\n",
         win::IDOK},
        {"ticks and checks",
         "dialog next\n tick 1003\n expect-checked 1003\n tick 1003\n expect-checked 1003\n"
         " untick 1003\n tick 1006\n expect-checked 1006\n expect-disabled 1004\n"
         " expect-enabled 1003\n click OK\nend\n",
         win::IDOK},
        {"save question answered yes", "dialog next\n answer YES\n click CANCEL\nend\n", win::IDOK},
        {"save question answered no", "answer NO\ndialog next\n click CANCEL\nend\n",
         win::IDCANCEL},
        {"save question answered cancel, then no",
         "dialog next\n answer CANCEL\n answer NO\n click CANCEL\n expect 1001 start\n"
         " click CANCEL\nend\nexpect-box \"Save changes? The sheet was edited.\"\n",
         win::IDCANCEL},
        {"a key on the dialog", "dialog next\n answer NO\n key 0 ESCAPE\nend\n", win::IDCANCEL},
        {"the block ends, the dialog is cancelled", "dialog next\n type 1001 x\nend\n",
         win::IDCANCEL},
    };
    for (const Row& row : rows) {
        win::script().reset();
        const Outcome out = play(row.script);
        EXPECT_TRUE(out.result.ok()) << row.name << ": " << out.result.message;
        EXPECT_EQ(out.code, row.code) << row.name;
    }
}

TEST_F(ScriptPlayTest, RunsThatStop) {
    struct Row {
        std::string script;
        int status;
        int line;
        const char* message;
    };
    const Row rows[] = {
        {"dialog next\n type 1001 \"Beam\"\n expect 1001 \"Bean\"\nend\n", win::ScriptFailed, 3,
         "line 3: expect 1001: held \"Beam\", expected \"Bean\""},
        {"dialog next\n click OK\n type 1001 \"x\"\nend\n", win::ScriptBad, 3,
         "line 3: type 1001: the dialog \"Sample\" has already ended"},
        {"dialog next\n click 4444\nend\n", win::ScriptBad, 2, "has no control 4444"},
        {"dialog next\n tick 1004\nend\n", win::ScriptBad, 2, "tick 1004: the control is disabled"},
        {"dialog next\n type 1003 x\nend\n", win::ScriptBad, 2, "takes no typing"},
        {"dialog next\n untick 1005\nend\n", win::ScriptBad, 2, "cannot be unticked"},
        {"dialog next\n choose 1002 \"Beam\"\nend\n", win::ScriptBad, 2, "no item \"Beam\""},
        {"dialog next\n choose 1002 #2\nend\n", win::ScriptBad, 2, "no item #2 (the list has 2)"},
        {"dialog next\n click 1001\nend\n", win::ScriptBad, 2, "is not a button"},
        {"dialog \"Other\"\n click OK\nend\n", win::ScriptFailed, 1,
         "the dialog shown is \"Sample\", expected \"Other\""},
        {"dialog next\n click OK\nend\ndialog next\n click OK\n click OK\nend\n", win::ScriptFailed,
         4, "3 actions not used, first at line 4"},
        {"answer YES\ndialog next\n click OK\nend\nfile cancel\n", win::ScriptFailed, 1,
         "2 actions not used, first at line 1"},
        {"dialog next\n answer RETRY\n click CANCEL\n click CANCEL\nend\n", win::ScriptFailed, 2,
         "answer RETRY: the box \"Save changes?\\nThe sheet was edited.\" has no such button"},
        {"dialog next\n click OK\nend\nexpect-box \"Saved\"\n", win::ScriptFailed, 4,
         "no message box showed this text (shown: none)"},
    };
    for (const Row& row : rows) {
        win::script().reset();
        const Outcome out = play(row.script);
        EXPECT_EQ(out.result.status, row.status) << row.script;
        EXPECT_EQ(out.result.line, row.line) << row.script;
        EXPECT_NE(out.result.message.find(row.message), std::string::npos) << out.result.message;
        // A stopped run leaves nothing queued.
        EXPECT_EQ(win::script().pendingMessageBoxAnswers() + win::script().pendingModals(), 0);
    }
}

TEST_F(ScriptPlayTest, AStoppedRunCancelsWhatFollows) {
    const Outcome out = play("dialog next\n click 4444\n answer YES\n click CANCEL\nend\n");
    EXPECT_EQ(out.result.status, win::ScriptBad);
    EXPECT_EQ(out.code, win::IDCANCEL); // the box got its default, no Yes from the script
}

TEST_F(ScriptPlayTest, NestedDialogPlaysItsInnerBlock) {
    const std::string script = "dialog \"Sample\"\n"
                               "  click 1012\n" // opens the inner dialog
                               "  dialog \"Inner\"\n"
                               "    type 1001 \"deep\"\n"
                               "    click OK\n"
                               "  end\n"
                               "  expect 1001 \"deep\"\n"
                               "  click 1012\n" // opened again: no block left, Cancel
                               "  expect 1001 \"deep\"\n"
                               "  click OK\n"
                               "end\n";
    const Outcome out = play(script);
    EXPECT_TRUE(out.result.ok()) << out.result.message;
    EXPECT_EQ(win::script().shown().dialogs,
              (std::vector<std::wstring>{L"Sample", L"Inner", L"Inner"}));
}

TEST_F(ScriptPlayTest, TimerFiresAfterWait) {
    const Outcome out = play("dialog next\n wait 99\n expect 1001 start\n wait 1\n"
                             " expect 1001 tick\n click OK\nend\n");
    EXPECT_TRUE(out.result.ok()) << out.result.message;
}

TEST_F(ScriptPlayTest, FileDialogAnswers) {
    Outcome out = play("dialog next\n file cancel\n click 1013\n expect 1001 cancelled\n"
                       " click OK\nend\n");
    EXPECT_TRUE(out.result.ok()) << out.result.message;
    ASSERT_EQ(win::script().shown().fileDialogs.size(), 1u);
    EXPECT_TRUE(win::script().shown().fileDialogs[0].paths.empty());
    win::script().reset();
    out = play(
        "dialog next\n file \"/t/a.vks\"\n click 1013\n expect 1001 /t/a.vks\n click OK\nend\n");
    EXPECT_TRUE(out.result.ok()) << out.result.message;
}

TEST_F(ScriptPlayTest, GridActionsGoThroughTheGridInterface) {
    Outcome out = play("dialog next\n"
                       " cell 1011 2 3 \"7\"\n"
                       " expect-cell 1011 2 3 \"7\"\n"
                       " cell 1011 1 1 \"x\"\n" // locked: refused, the run goes on
                       " expect-cell 1011 1 1 \"\"\n"
                       " select 1011 1 2 3 3\n"
                       " rightclick 1011 3 1\n"
                       " click OK\n"
                       "end\n");
    EXPECT_TRUE(out.result.ok()) << out.result.message;
    ASSERT_EQ(out.result.notes.size(), 1u);
    EXPECT_EQ(out.result.notes[0], "line 4: cell 1011: the grid refused the edit");

    const struct {
        const char* line;
        int status;
        const char* message;
    } rows[] = {
        {" cell 1011 4 1 \"x\"", win::ScriptBad, "the grid has no such cell"},
        {" select 1011 1 1 3 4", win::ScriptBad, "the grid has no such cell"},
        {" cell 1001 1 1 \"x\"", win::ScriptBad, "the control is not a grid"},
        {" expect-cell 1011 2 2 \"y\"", win::ScriptFailed, "cell 2 2 held \"\", expected \"y\""},
    };
    for (const auto& row : rows) {
        win::script().reset();
        out = play(std::string("dialog next\n") + row.line + "\nend\n");
        EXPECT_EQ(out.result.status, row.status) << row.line;
        EXPECT_NE(out.result.message.find(row.message), std::string::npos) << out.result.message;
    }
}

TEST_F(ScriptPlayTest, DialogsAddressedByScriptName) {
    const struct {
        const char* outer;
        const char* inner;
        int status;
        const char* message;
    } rows[] = {
        {"next", "inner", win::ScriptOk, ""},
        {"next", "INNER", win::ScriptOk, ""},
        {"next", "other", win::ScriptFailed,
         "line 3: dialog: the dialog shown is \"Inner\" (named inner), expected the dialog "
         "named other"},
        {"sample", "inner", win::ScriptFailed,
         "line 1: dialog: the dialog shown is \"Sample\" (no script name), expected the dialog "
         "named sample"},
    };
    for (const auto& row : rows) {
        win::script().reset();
        const Outcome out = play(std::string("dialog ") + row.outer + "\n click 1012\n dialog " +
                                 row.inner + "\n  type 1001 named\n  click OK\n end\n" +
                                 " expect 1001 named\n click OK\nend\n");
        EXPECT_EQ(out.result.status, row.status) << row.inner;
        EXPECT_EQ(out.result.message, row.message);
        if (row.status == win::ScriptOk) {
            EXPECT_EQ(out.code, win::IDOK);
        }
    }
}

} // namespace
