// Exported starters of the formulas dialog: reading a sheet file as a table,
// and the fixed evaluation entry.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"

// Reads the sheet file `fileName` as a table: `title` receives the text of
// cell (1, 1), `columnNames` the column titles and `rows` one list of cell
// texts per row (columns 1 to the last). A file that does not load gives what
// the empty grid holds. Reports nothing.
ZRLSS_EXPORT void ReadSSFile(const Zrl_String& fileName, Zrl_String& title,
                             Zrl_StringArray& columnNames, Zrl_Array<Zrl_StringArray>& rows);

// Opens the formulas dialog on the file "c:\a\t3.sss" and evaluates its cell
// (1, 1); the result is left to the user.
ZRLSS_EXPORT void EvaluateSS();
