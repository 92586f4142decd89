// FROMTABLE(file, cell [, target]) and FROMTABLE(file, keyTitle, valueTitle,
// key): the formulas dialog's spreadsheet function that reads a value out of
// another sheet file.
//
//   2 arguments: the value of `cell` (a cell reference) in the sheet `file`.
//   3 arguments: the same cell's text, written as data into the cell
//                `target` of the calling sheet; the function's own result
//                stays empty.
//   4 arguments: in the sheet `file`, the column titled `keyTitle` (row 0)
//                is searched from row 1 down for `key`; the result is the
//                value of that row in the column titled `valueTitle`.
//
// The look-up runs in a formulas dialog of its own (look-up mode) that loads
// the file, so a looked-up sheet may itself use FROMTABLE. Every failure
// (an argument without a value, a file that does not load, a title or key
// not found, a cell outside the sheet, a sheet already being looked up
// further out) gives no result; the function itself never fails.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/spread/custom_function.h"

#include <cstdint>

class Zrl_Spread;

// The look-up with everything copied out of the engine's argument records,
// and what it found.
struct FromTableLookUp {
    int argCount = 0;
    Zrl_String fileName;
    // 2 and 3 arguments: the cell of the looked-up sheet.
    int col = 0;
    int row = 0;
    // 3 arguments: the cell of the calling sheet that receives the text.
    int targetCol = 0;
    int targetRow = 0;
    // 4 arguments.
    Zrl_String keyTitle;
    Zrl_String valueTitle;
    Zrl_String key;

    // Filled by the look-up.
    bool found = false;
    Zrl_String cellText;
    std::uint8_t status = spread::kCalcEmpty;
    std::uint8_t type = spread::kCalcInt;
    int intValue = 0;
    double doubleValue = 0.0;
};

// The engine's callback (registered with flag 1: references arrive as cells).
bool fromTable(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
               int count);

// Adds FROMTABLE (2 to 4 arguments, flag 1) to the grid's functions.
bool registerFromTable(Zrl_Spread& grid);

// Copies the arguments into `lookUp`; a cell reference used as a title or key
// gives the text of that cell of `calling`. False when an argument holds no
// value, the first is no text, or a cell argument is no cell reference.
bool readFromTableArguments(const spread::Sheet& calling, const spread::CalcValue* args, int count,
                            FromTableLookUp& lookUp);

// Finds and recalculates the cell of a look-up on the grid that holds the
// looked-up sheet, and fills the result part of `lookUp` (printing the result
// line of the 2- and 4-argument forms).
void performLookUp(Zrl_Spread& grid, FromTableLookUp& lookUp);
