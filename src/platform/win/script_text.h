// The text form of the scripted user: a plain-text list of what a person
// does in the dialogs, parsed into actions that script_play.h plays.
//
// One action per line; blanks separate the arguments; an argument is a word
// or a double-quoted text in which \" stands for a quote and \\ for a
// backslash (any other backslash is refused, so a path written with single
// backslashes is caught instead of read wrongly). A word beginning with "#"
// starts a comment to the end of the line, except "#" followed by a digit
// (an index, as in `choose 1002 #3`). Action words ignore case.
//
//   dialog "CAPTION" | dialog next   the next modal dialog (its caption checked)
//   dialog NAME                      the next modal dialog, which must be the
//                                    one with that script name (Dialog::scriptName)
//     ...                            plays the actions up to the matching
//   end                              `end`; blocks nest (see script_play.h)
//   type ID TEXT                     types into an edit or editable combo box
//   choose ID TEXT | choose ID #N    chooses an item by its text or index (from 0)
//   tick ID | untick ID              sets a check box by clicking it
//   click ID                         clicks a button
//   key ID KEY                       presses a key on a control (ID 0: the dialog)
//   focus ID                         puts the focus on a control
//   cell ID COL ROW TEXT             grid: types into a cell (columns, rows from 1)
//   select ID COL ROW [COL2 ROW2]    grid: selects a cell or a block
//   rightclick ID COL ROW            grid: right click on a cell
//   dblclick ID COL ROW              grid: double click on a cell
//   select ID "ITEM"                 list or tree: selects the item with that text
//   dblclick ID "ITEM"               list or tree: double click on the item
//   drag ID "ITEM" ID2 X Y           drags the item onto control ID2 at (X, Y)
//   answer YES|NO|OK|CANCEL|RETRY|IGNORE|ABORT   the next message box's answer
//   file "PATH" ["PATH2" ...] | file cancel       the next file dialog's answer
//   menu ID | menu "ITEM" | menu dismiss         the next popup menu's choice
//   wait MS                          advances the virtual clock (timers fire),
//                                    then delivers posted messages (MS <= 600000)
//   expect ID "TEXT"                 the control shows this text
//   expect-cell ID COL ROW "TEXT"    the grid's cell shows this text
//   expect-box "TEXT"                a message box with this text was shown
//                                    (line breaks and runs of blanks compare as one blank)
//   expect-enabled ID | expect-disabled ID | expect-checked ID
//
// ID is a number from 0 to 65535 or one of the names OK, CANCEL, ABORT,
// RETRY, IGNORE, YES, NO (also written IDOK, IDCANCEL, ...), which stand for
// the numbers of those buttons. The list form of `select` and `dblclick` is
// chosen by a quoted item; unquoted arguments there are cell numbers. KEY is
// RETURN (ENTER), ESCAPE (ESC), TAB, SPACE, BACK, DELETE, INSERT, HOME, END,
// PRIOR (PAGEUP), NEXT (PAGEDOWN), LEFT, RIGHT, UP, DOWN, F1 to F12, or one
// letter or digit.
//
// Only `dialog` blocks, the answers (answer, file, menu), `wait` and
// `expect-box` may stand outside a block.
#pragma once

#include "platform/win/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace win {

// Outcome of parsing or playing a script.
enum ScriptStatus : int {
    ScriptOk = 0,
    // A bad script (unknown action, bad quoting, unclosed block, ...), or an
    // action that could not be done (missing, hidden or disabled control,
    // no such item or cell, an action after its dialog ended).
    ScriptBad = 2,
    // A failed check, or actions the run left unused.
    ScriptFailed = 3,
};

struct ScriptResult {
    int status = ScriptOk;
    int line = 0;        // the script line concerned, 0 when none
    std::string message; // one line, UTF-8: "line 7: expect 1001: held \"abc\", expected \"abd\""
    // What the dialogs refused without stopping the run (a read-only edit, a
    // locked grid cell), one line each.
    std::vector<std::string> notes;
    bool ok() const { return status == ScriptOk; }
};

enum class ScriptVerb {
    Dialog,
    Type,
    Choose,
    Tick,
    Untick,
    Click,
    Key,
    Focus,
    Cell,
    SelectCells,
    RightClickCell,
    DoubleClickCell,
    SelectItem,
    DoubleClickItem,
    Drag,
    Answer,
    File,
    Menu,
    Wait,
    Expect,
    ExpectCell,
    ExpectBox,
    ExpectEnabled,
    ExpectDisabled,
    ExpectChecked,
};

struct ScriptAction {
    ScriptVerb verb = ScriptVerb::Dialog;
    int line = 0;
    std::string head; // the action word and its ID as written ("expect 1001"), for messages
    int id = 0;       // the control (or menu command) addressed
    int target = 0;   // drag: the control dropped on
    int index = -1;   // choose #N
    int col = 0, row = 0, col2 = 0, row2 = 0; // grid cells; drag: col, row are X, Y
    bool block = false;                       // select: a block of cells (col2, row2 given)
    int number = 0;                  // answer: the ID; key: the key code; wait: milliseconds
    bool anyCaption = false;         // dialog next
    bool byName = false;             // dialog NAME: `text` is the script name
    bool byText = false;             // menu by item text
    bool cancel = false;             // file cancel, menu dismiss
    std::wstring text;               // caption, typed text, item, expected text
    std::vector<std::wstring> paths; // file answers
    std::vector<ScriptAction> body;  // a dialog block's actions
};

struct ParsedScript {
    std::vector<ScriptAction> actions; // the top level
};

// Parses a whole script (UTF-8). On failure the result names the line and
// `script` is left empty.
ZRLWIN_API ScriptResult parseScript(std::string_view text, ParsedScript& script);

// Number of actions in a list, blocks and their contents included.
ZRLWIN_API int countActions(const std::vector<ScriptAction>& actions);

// A text as a script writes it: quoted, with \" and \\ (line breaks and tabs
// shown as \n and \t), for messages.
ZRLWIN_API std::string quoteScriptText(const std::wstring& text);

} // namespace win
