// File dialogs: open (one or several files) and save.
//
// Headless, the answer is the next one queued with Script::queueFileDialog
// (a list of paths) or Script::queueFileDialogCancel; with none queued the
// user cancels. A chosen name without an extension gets `defaultExt`. When
// saving with `overwritePrompt` onto an existing file, a message box asks
// "<path> already exists.\nDo you want to replace it?" (Yes / No, default
// No); No lets the user choose again (the next queued answer, else cancel).
// Every file dialog is recorded (Script::shown).
#pragma once

#include "platform/win/types.h"

#include <string>
#include <utility>
#include <vector>

namespace win {

class Window;

struct FileDialogRequest {
    bool save = false;
    bool multiSelect = false;    // open only
    bool overwritePrompt = true; // save only
    bool fileMustExist = false;  // open only: a missing file counts as no choice
    Window* parent = nullptr;
    std::wstring title;
    // Pairs of "description|pattern", closed by "||":
    // "Sheets (*.vks)|*.vks|All files (*.*)|*.*||".
    std::wstring filter;
    std::wstring defaultExt; // without the dot, "vks"
    std::wstring initialDir;
    std::wstring fileName;
};

struct FileDialogResult {
    bool ok = false;                 // false: cancelled
    std::vector<std::wstring> paths; // one unless multiSelect
    std::wstring path() const { return paths.empty() ? std::wstring() : paths.front(); }
};

ZRLWIN_API FileDialogResult fileDialog(const FileDialogRequest& request);

// The (description, pattern) pairs of a filter text.
ZRLWIN_API std::vector<std::pair<std::wstring, std::wstring>>
parseFileFilter(const std::wstring& filter);

} // namespace win
