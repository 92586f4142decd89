// The macro dialog's record as JSON: a macro description
// (docs/macro-description.md) whose "dialog" may also hold "drawing" (the
// drawing's other macros: id, name, locked, tabs) and "previousSelection"
// (the ids the user selects when asked to select other macros).
//
// The described macro is itself in the drawing, under the record's first
// object id (the record selects object 1 when it names none), with the
// dialog's tabs. When the record gives no filter items they are made from
// the selected macros.
#pragma once

#include "platform/core/macro_drawing.h"
#include "platform/core/macro_model.h"

#include <string>
#include <string_view>

// Reads the record; false with a one-line reason (outputs unchanged).
bool readMacroDialogJson(std::string_view json, Zrl_DbMacro& macro, MacroData& data,
                         Zrl_MacroDrawing& drawing, std::string& error);
// The record with the drawing as it is now.
std::string writeMacroDialogJson(const Zrl_DbMacro& macro, const MacroData& data,
                                 const Zrl_MacroDrawing& drawing);
