// The macro editor's drawing as JSON (docs/dialogs.md, "edit-macro"):
//   {"macros": [{"name", "standards": [{"sheet", "key"}], "modules": [{"name",
//     "group", "rules", "geometries", "variables", "dialogVariables"}]}],
//    "current": {"macro", "module"},
//    "calls": [...]}  (the logged core calls, written by the command; ignored)
#pragma once

#include "platform/core/edit_constr_data.h"

#include <string>
#include <string_view>

// Reads the drawing and the current macro and module; false with the
// refused field's path (outputs unchanged).
bool readEditMacroJson(std::string_view json, Zrl_EditMacroDrawing& drawing,
                       Zrl_String& currentModule, std::string& error);
std::string writeEditMacroJson(const Zrl_EditMacroDrawing& drawing,
                               const Zrl_String& currentModule);
