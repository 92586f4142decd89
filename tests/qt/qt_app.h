// What the Qt tests share: the application under Qt's offscreen platform,
// and a registered dialog run on screen while a piece of test code works in
// its window through real Qt events.
#pragma once

#include "dialog_run.h"

#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

namespace win {
class Window;
}

namespace qtapp {

// The application, made once, and the module attached; false when it
// could not be.
bool prepare();

// Runs the dialog `name` with `record` under the Qt back end; `work` gets
// the dialog and its window once the dialog waits for its user.
dialogs::DialogRun runOnScreen(const std::string& name, const std::string& record,
                               const std::function<void(win::Window&, QWidget&)>& work);

} // namespace qtapp
