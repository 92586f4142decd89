#include "platform/host/host_windows.h"

#include "platform/host/call_log.h"
#include "platform/win/window.h"

namespace {

// The dialog of the running editor command, kept with its handle so that a
// dialog destroyed meanwhile is recognised without touching the object.
struct EditorCommand {
    win::Window* dialog = nullptr;
    win::WindowHandle handle = 0;

    win::Window* live() const {
        return dialog && win::Window::fromHandle(handle) == dialog ? dialog : nullptr;
    }
};

EditorCommand& running() {
    static EditorCommand command;
    return command;
}

} // namespace

win::Window* acedGetAcadFrame() {
    host::recordCall("acedGetAcadFrame");
    return &win::mainWindow();
}

win::Window* adsw_acadMainWnd() {
    host::recordCall("adsw_acadMainWnd");
    return &win::mainWindow();
}

bool BeginEditorCommand(win::Window* dialog) {
    host::recordCall("BeginEditorCommand", {host::pointerText(dialog)});
    if (!dialog || !dialog->isCreated()) return false;
    win::Window* current = running().live();
    if (current && current != dialog) return false;
    running() = EditorCommand{dialog, dialog->handle()};
    dialog->show(false);
    win::mainWindow().setFocus();
    return true;
}

bool CompleteEditorCommand(win::Window* dialog, bool restoreDialog) {
    host::recordCall("CompleteEditorCommand",
                     {host::pointerText(dialog), restoreDialog ? L"true" : L"false"});
    if (!dialog || dialog != running().live()) return false;
    running() = EditorCommand{};
    if (restoreDialog) {
        dialog->show(true);
        dialog->setFocus();
    }
    return true;
}

namespace host {
win::Window* editorCommandDialog() {
    return running().live();
}
} // namespace host
