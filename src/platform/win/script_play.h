// Playing an action script (script_text.h) with the scripted user.
//
//   win::ScriptResult r = win::playScript(text, [&] { ok = StartDlgSomething(record); });
//   if (!r.ok()) { print r.message; exit r.status; }
//   ... win::script().shown() holds what the dialogs showed ...
//
// A run goes like this:
//  1. The script is parsed; a bad script is reported before anything runs.
//  2. The answers written at the top level (answer, file, menu) are queued
//     with the scripted user, in order. The run owns the scripted user's
//     queues: they start empty and are emptied again at the end.
//  3. `run` is called. Each modal dialog that opens takes the next unplayed
//     `dialog` block of the level it opens at: a dialog opened while no block
//     plays takes the next block of the top level; a dialog opened while a
//     block plays (by a click, a key, a timer during `wait`) takes the next
//     block inside that block, wherever it is written in it. A dialog with
//     no block left at its level is not scripted: it ends with Cancel. A
//     dialog opened from another dialog's initialisation, before that
//     dialog's block starts, is not scripted either.
//  4. A block checks the dialog's caption (`dialog "CAPTION"`) or its script
//     name (`dialog NAME`, Dialog::scriptName, compared without case; nothing
//     is checked for `dialog next`) and plays its actions in order. Answers inside a block are queued when they are
//     reached, so they answer the boxes opened by the actions after them.
//     A block that ends while its dialog still runs leaves the dialog to
//     end with Cancel, as an unscripted one would.
//  5. After `run` returns, the top-level `wait` and `expect-box` lines run
//     in order.
//  6. Actions left unused (a block no dialog took, an answer no box took)
//     fail the run, and so does a queued answer that was none of its box's
//     buttons.
//
// The first error stops the run: the remaining actions are dropped, the
// dialogs still open end with Cancel and the boxes still to come get their
// default answers, so `run` returns soon; its outcome then means nothing.
// Errors are status 2 (an action that could not be done: missing, hidden or
// disabled control, no such item or cell, a control of the wrong kind, an
// action after its dialog ended) and status 3 (a failed check, a dialog of
// another caption, unused actions). Actions that a control merely refused
// (typing into a read-only edit, a grid cell edit turned down) do not stop
// the run; they are listed in ScriptResult::notes and the checks that follow
// show their effect.
//
// Controls are found by id among the dialog's children, else among the
// controls of its pages (the first visible one with that id). Grids and
// other custom controls take part through script_controls.h.
#pragma once

#include "platform/win/script_text.h"

#include <functional>
#include <string_view>

namespace win {

ZRLWIN_API ScriptResult playScript(const ParsedScript& script, const std::function<void()>& run);
// Parses and plays; a bad script returns at once without calling `run`.
ZRLWIN_API ScriptResult playScript(std::string_view text, const std::function<void()>& run);

} // namespace win
