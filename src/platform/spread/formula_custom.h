// Calling a sheet's custom functions from a formula. Private to the engine.
#pragma once

#include "platform/spread/formula_values.h"

#include <string>

namespace spread {

// Calls the sheet's function `name` with the operands args[0..argc-1]:
// #NAME? when the sheet has no such function, #VALUE! when the argument
// count is outside its range or the function fails.
Slot callCustom(const std::wstring& name, Slot* args, int argc, FormulaHost& host, int col,
                int row);

} // namespace spread
