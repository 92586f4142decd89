// The parts of a record that stand for a sheet: its cells as rows of texts,
// and the sheet file given with --sheet, for the dialogs that work on a grid.
#pragma once

#include "dialog_registry.h"
#include "platform/core/zrl_stringarray.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

class Zrl_Spread;

namespace dialogs {

using TextRows = std::vector<Zrl_StringArray>;

// The field `field` of `root` as a list of lists of texts (absent: `rows`
// unchanged); false with the path of the refused value ("rows[1][2]: expected
// a text").
bool readTextRows(const nlohmann::json& root, const char* field, TextRows& rows,
                  std::string& error);
nlohmann::json textRowsJson(const TextRows& rows);

// The value texts of the grid's cells from (1, 1) to its last column and row.
TextRows gridRows(const Zrl_Spread& grid);
// Sizes the grid to the rows (the longest row giving the columns) and writes
// them as data.
void setGridRows(Zrl_Spread& grid, const TextRows& rows);

// A hidden grid that holds the sheet of --sheet when one is given; false
// with a reason when the file does not load.
bool openSheet(Zrl_Spread& grid, const DialogOptions& options, std::string& error);

} // namespace dialogs
