// Calling a sheet's custom functions from a formula. Private to the engine.
#pragma once

#include "platform/spread/formula_values.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace spread {

// The number of a custom function's name (as the parser writes it, upper
// case), the same for every formula of the process: a sheet keeps what it
// found under that number (FunctionRegistry::findNumbered). 0 when the
// names numbered so far are too many.
uint32_t customNameId(std::wstring_view name);

// Calls the sheet's function `name` (numbered `nameId`) with the operands
// args[0..argc-1]: #NAME? when the sheet has no such function, #VALUE! when
// the argument count is outside its range or the function fails.
Slot callCustom(const std::wstring& name, uint32_t nameId, Slot* args, int argc, FormulaHost& host,
                int col, int row);

} // namespace spread
