// Formulas compiled before, kept for the next time the same text is set in
// the same cell.
//
// A compiled formula depends only on its text, the reference style it is
// written in and the cell it is written for (relative references are
// resolved against that cell), so a program kept under those four is the
// program a new parse would build. Sheets that set the same equations again
// and again (a calculation sheet evaluated once per object) skip the parse.
//
// The cache is per thread, holds at most kFormulaCacheSlots formulas of at
// most kFormulaCacheTextLimit characters each, in sets of two slots, and
// drops the least recently used formula of a full set.
#pragma once

#include "platform/spread/formula.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace spread {

class CompiledFormula;

constexpr size_t kFormulaCacheSlots = 1024;
constexpr size_t kFormulaCacheTextLimit = 512;

// The formula kept for (text, style, col, row), shared, or null. `text` is
// the formula without its leading "=".
FormulaRef cachedFormula(std::wstring_view text, RefStyle style, int col, int row);

// Keeps `formula`, compiled from (text, style, col, row), sharing it. Texts
// longer than kFormulaCacheTextLimit are not kept. Never throws.
void keepFormula(std::wstring_view text, RefStyle style, int col, int row,
                 const FormulaRef& formula);

// Forgets every kept formula of this thread.
void clearFormulaCache();

} // namespace spread
