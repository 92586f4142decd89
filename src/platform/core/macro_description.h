// Macro descriptions: a connection macro with its dialog record as a JSON
// file (the format is described in docs/macro-description.md).
#pragma once

#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"

#include <string>
#include <string_view>

// Reads a description from JSON text. On failure the outputs are unchanged,
// the result is eInvalidInput and `error` (when given) says why.
ErrorStatus parseMacroDescription(std::string_view json, Zrl_DbMacro& macro, MacroData& data,
                                  Zrl_String* error = nullptr);
// The description as JSON text (UTF-8, indented).
std::string macroDescriptionText(const Zrl_DbMacro& macro, const MacroData& data);

// Reads a description file; eFileNotFound when it cannot be read,
// eInvalidInput when it is not a valid description (outputs unchanged).
ErrorStatus loadMacroDescription(const Zrl_String& path, Zrl_DbMacro& macro, MacroData& data,
                                 Zrl_String* error = nullptr);
// Writes a description file, replacing it atomically; eInvalidInput when it
// cannot be written (an existing file is then left as it was).
ErrorStatus saveMacroDescription(const Zrl_String& path, const Zrl_DbMacro& macro,
                                 const MacroData& data);
