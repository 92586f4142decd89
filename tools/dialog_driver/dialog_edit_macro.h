// The macro editor's record for the dialogs that run on the drawing's
// macros (edit-macro, and macro-settings on such a record).
#pragma once

#include "platform/core/zrl_string.h"

#include <nlohmann/json.hpp>
#include <string>

namespace dialogs {

// Reads the drawing's macros into the core and the current module; false
// with the refused field's path.
bool readEditMacroDrawing(const std::string& json, Zrl_String& module, std::string& error);
// The macros as the core operations left them, with the core calls made
// since the start (window pointers left out, they differ from run to run).
nlohmann::json editMacroDrawingJson(const Zrl_String& module);

} // namespace dialogs
