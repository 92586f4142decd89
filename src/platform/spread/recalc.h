// Recalculation of a sheet's formula cells (used by the Sheet's methods).
#pragma once

#include "platform/spread/sheet_cells.h"

#include <vector>

namespace spread {

class Sheet;

namespace detail {

// Deepest nesting of evaluations (a custom function that sets a formula in
// its caller, whose evaluation calls it again, ...). Beyond it a formula is
// kept but not computed: its cell shows #VALUE!.
constexpr int kMaxEvalDepth = 16;

// Computes the formula of the cell `key` and stores the result; false when
// the cell has no formula.
bool computeCell(Sheet& sheet, CellKey key);
// Computes the formula node `n` (which must hold a formula) into its cell.
void computeNode(Sheet& sheet, uint32_t n);

// Computes every formula cell in dependency order.
void recalcAll(Sheet& sheet);

// Computes, in dependency order, the formula cells that depend (directly or
// not) on the cells `changed`, and every volatile formula. Does nothing while
// the sheet is already calculating.
void recalcFrom(Sheet& sheet, const std::vector<CellKey>& changed);
// The same for one changed cell.
void recalcFrom(Sheet& sheet, CellKey changed);

// Whether an evaluation or recalculation of the sheet is running.
bool calculating(const Sheet& sheet);

} // namespace detail
} // namespace spread
