// The spreadsheet functions a standards sheet calls in its formulas:
// ROUNDTO, GETCELL, GETPROFCELL, SECTIONSIZE, GETSYSNAME,
// STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE, STDSIZEWITHTOLERANCE,
// GETARRAYITEM, TONUMBER, ISNULL and ISPOSITIVE.
//
// Each is a callback of the grid's custom-function hook: it fills `result`
// from `args[0..count-1]` and returns false when it failed (the cell then
// shows the grid's error value). Data files and standard-size files are read
// anew on every call.
#pragma once

#include "platform/spread/custom_function.h"

#include <vector>

namespace ssfn {

bool roundTo(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args, int count);
bool getCell(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args, int count);
bool getProfCell(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
                 int count);
bool sectionSize(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
                 int count);
bool getSysName(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
                int count);
bool stdWidthWithTolerance(spread::Sheet& caller, spread::CalcValue& result,
                           spread::CalcValue* args, int count);
bool stdThicknessWithTolerance(spread::Sheet& caller, spread::CalcValue& result,
                               spread::CalcValue* args, int count);
bool stdSizeWithTolerance(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
                          int count);
bool getArrayItem(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
                  int count);
bool toNumber(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args, int count);
bool isNull(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args, int count);
bool isPositive(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
                int count);

} // namespace ssfn

// The twelve functions with their argument counts, as registered on a sheet.
std::vector<spread::CustomFunction> standardsFunctions();
// Adds the twelve functions to a sheet's functions.
void registerStandardsFunctions(spread::FunctionRegistry& registry);
