// Setting a formula compiled before into a cell: a caller that sets the same
// formulas run after run (a calculation sheet evaluated once per object)
// compiles each once with Formula::parse and shares it from then on.
#pragma once

#include "platform/spread/formula.h"
#include "platform/spread/spread_api.h"

namespace spread {

class Sheet;

// Sheet::setFormula with `formula`, compiled for the cell (col, row) in the
// sheet's reference style, instead of a text to parse: the cell holds it in
// place of what it held and is computed at once. False for a null formula
// or a cell outside the sheet.
ZRLSPREAD_API bool setCompiledFormula(Sheet& sheet, int col, int row, const FormulaRef& formula);

} // namespace spread
