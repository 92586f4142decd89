// Messages of the standards evaluation that only appear when the current
// document's settings ask for standards diagnostics.
#pragma once

#include "platform/core/zrl_string.h"

class VkCalcSS;

// True when the current document asks for standards diagnostics.
bool standardsDiagnosticsOn();

// Tells the user that the equation in row `row` of the sheet failed, with a
// tip for finding the cause (only with diagnostics on).
void reportFailedEquation(VkCalcSS& sheet, const Zrl_String& name, const Zrl_String& expression,
                          int row);

// The text of that message.
Zrl_String failedEquationText(const Zrl_String& file, const Zrl_String& name,
                              const Zrl_String& expression, int row);
