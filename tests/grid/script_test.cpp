// The grid played by action scripts: cell edits through the user's path
// (so that locks, cell types and the dialog's own check refuse them), clicks,
// selections, the context menu and the shown texts.
#include "grid_fixture.h"
#include "platform/win/clipboard.h"
#include "platform/win/message_box.h"
#include "platform/win/script_play.h"

#include <string>
#include <vector>

namespace gridtest {
namespace {

// A modal dialog with one grid of 3 columns and 4 rows: names in column 1
// (the dialog refuses "bad"), numbers with 2 decimals in column 2, a
// drop-down list in column 3; cell (1, 1) is locked. The context menu
// copies and inserts rows. The grid's commands are logged.
class GridDialog : public win::Dialog {
public:
    GridDialog() : Dialog(kTemplate) {}
    Zrl_Spread grid;
    std::vector<std::wstring> log;

protected:
    bool onInitDialog() override {
        grid.createInPlaceOf(this, kGridId);
        grid.setMaxCols(3);
        grid.setMaxRows(4);
        grid.setNumberType(2, 1, 2, 4, 2, false);
        Zrl_StringArray items;
        items.append(L"Plate");
        items.append(L"Angle");
        grid.setComboType(3, 1, 3, 4, items, false);
        grid.setCellData(1, 1, L"fixed");
        grid.setCellData(1, 2, L"beam");
        grid.setLock(1, 1, true);
        grid.addMenuAction(Zrl_Spread::kActionCopy);
        grid.addMenuAction(Zrl_Spread::kActionInsertRow);
        return true;
    }
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override {
        const auto* edit = Zrl_Spread::editNotify(hdr);
        if (id != kGridId || !edit) return win::Dialog::onNotify(id, hdr, result);
        if (edit->text == L"bad") {
            win::messageBox(this, L"Name refused", L"Grid test", win::MB_ICONEXCLAMATION);
            result = 1;
        }
        return true;
    }
    bool onCommand(int id, int code) override {
        if (id != kGridId) return win::Dialog::onCommand(id, code);
        int col = 0, row = 0;
        grid.getCellSendingMsg(col, row);
        log.push_back(std::to_wstring(code) + L" " + std::to_wstring(col) + L"," +
                      std::to_wstring(row));
        return true;
    }
};

struct Played {
    win::ScriptResult result;
    std::vector<std::wstring> log;
};

Played play(const std::string& body) {
    Played run;
    win::ResourceModuleGuard guard(moduleHandle());
    run.result = win::playScript("dialog next\n" + body + "end\n", [&] {
        GridDialog dlg;
        dlg.doModal();
        run.log = dlg.log;
    });
    return run;
}

using GridScript = GridTest;

TEST_F(GridScript, EditsAndTheirRefusals) {
    const struct {
        const char* name;
        std::string body;
        std::vector<std::string> notes;
        std::vector<std::wstring> log;
    } rows[] = {
        {"texts and numbers as typed",
         " cell 1000 1 3 \"column\"\n expect-cell 1000 1 3 column\n"
         " cell 1000 2 3 \"1.5\"\n expect-cell 1000 2 3 \"1.50\"\n"
         " cell 1000 3 3 Angle\n expect-cell 1000 3 3 Angle\n",
         {},
         {L"62 1,3", L"62 2,3", L"62 3,3"}},
        {"a locked cell",
         " cell 1000 1 1 x\n expect-cell 1000 1 1 fixed\n",
         {"line 2: cell 1000: the grid refused the edit"},
         {}},
        {"the dialog refuses",
         " cell 1000 1 2 bad\n expect-cell 1000 1 2 beam\n",
         {"line 2: cell 1000: the grid refused the edit"},
         {}},
        {"no number",
         " cell 1000 2 2 abc\n expect-cell 1000 2 2 \"\"\n",
         {"line 2: cell 1000: the grid refused the edit"},
         {}},
        {"not an item of the list",
         " cell 1000 3 2 Beam\n expect-cell 1000 3 2 \"\"\n",
         {"line 2: cell 1000: the grid refused the edit"},
         {}},
        {"a header takes no typing",
         " cell 1000 1 -32767 x\n",
         {"line 2: cell 1000: the grid refused the edit"},
         {}},
    };
    for (const auto& row : rows) {
        win::script().reset();
        const Played run = play(row.body);
        EXPECT_TRUE(run.result.ok()) << row.name << ": " << run.result.message;
        EXPECT_EQ(run.result.notes, row.notes) << row.name;
        EXPECT_EQ(run.log, row.log) << row.name;
    }
    // The refusal was the dialog's: its message box was shown.
    win::script().reset();
    play(" cell 1000 1 2 bad\n");
    ASSERT_EQ(win::script().shown().messageBoxes.size(), 1u);
    EXPECT_EQ(win::script().shown().messageBoxes[0].text, L"Name refused");
}

TEST_F(GridScript, ClicksSelectionsAndTheContextMenu) {
    const struct {
        const char* name;
        std::string body;
        std::vector<std::wstring> log;
    } rows[] = {
        {"select one cell clicks it", " select 1000 2 3\n", {L"59 2,3"}},
        {"a block is dragged, not clicked", " select 1000 1 2 2 3\n", {}},
        {"double click", " dblclick 1000 1 4\n", {L"60 1,4"}},
        // Insert row acts on the row clicked: "beam" moves down to row 3.
        {"right click and a menu choice",
         " menu \"Insert row\"\n rightclick 1000 1 2\n expect-cell 1000 1 3 beam\n"
         " expect-cell 1000 1 2 \"\"\n",
         {}},
        // A right click inside the block keeps it: the copy takes both rows.
        {"right click inside a block",
         " select 1000 1 1 1 2\n menu \"Copy\"\n rightclick 1000 1 2\n",
         {}},
    };
    for (const auto& row : rows) {
        win::script().reset();
        const Played run = play(row.body);
        EXPECT_TRUE(run.result.ok()) << row.name << ": " << run.result.message;
        EXPECT_TRUE(run.result.notes.empty()) << row.name;
        EXPECT_EQ(run.log, row.log) << row.name;
    }
    EXPECT_EQ(win::getClipboardText().value_or(L"?"), L"fixed\r\nbeam\r\n");
    ASSERT_EQ(win::script().shown().menus.size(), 1u);
    EXPECT_EQ(win::script().shown().menus[0].items,
              (std::vector<std::wstring>{L"Copy", L"Insert row"}));
}

} // namespace
} // namespace gridtest
