// Sheets in records: rows of texts, and the --sheet file.
#include "sheet_record.h"

#include "grid/zrl_spread.h"

#include <algorithm>

namespace dialogs {

using nlohmann::json;

bool readTextRows(const json& root, const char* field, TextRows& rows, std::string& error) {
    const auto it = root.find(field);
    if (it == root.end()) return true;
    const std::string path = field;
    if (!it->is_array()) {
        error = path + ": expected a list of rows";
        return false;
    }
    TextRows read;
    for (size_t r = 0; r < it->size(); ++r) {
        const json& row = (*it)[r];
        const std::string rowPath = path + "[" + std::to_string(r) + "]";
        if (!row.is_array()) {
            error = rowPath + ": expected a list of texts";
            return false;
        }
        Zrl_StringArray cells;
        for (size_t c = 0; c < row.size(); ++c) {
            if (!row[c].is_string()) {
                error = rowPath + "[" + std::to_string(c) + "]: expected a text";
                return false;
            }
            cells.append(Zrl_String::fromUtf8(row[c].get<std::string>()));
        }
        read.push_back(std::move(cells));
    }
    rows = std::move(read);
    return true;
}

json textRowsJson(const TextRows& rows) {
    json out = json::array();
    for (const Zrl_StringArray& row : rows) {
        json cells = json::array();
        for (const Zrl_String& cell : row)
            cells.push_back(cell.toUtf8());
        out.push_back(std::move(cells));
    }
    return out;
}

TextRows gridRows(const Zrl_Spread& grid) {
    TextRows rows;
    Zrl_String text;
    for (int row = 1; row <= grid.getMaxRows(); ++row) {
        Zrl_StringArray cells;
        for (int col = 1; col <= grid.getMaxCols(); ++col) {
            grid.getCellText(col, row, text, Zrl_Spread::kValue);
            cells.append(text);
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

void setGridRows(Zrl_Spread& grid, const TextRows& rows) {
    int cols = 0;
    for (const Zrl_StringArray& row : rows)
        cols = std::max(cols, row.length());
    grid.setMaxCols(cols);
    grid.setMaxRows(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].length(); ++c)
            grid.setCellData(c + 1, static_cast<int>(r) + 1, rows[r][c]);
}

bool openSheet(Zrl_Spread& grid, const DialogOptions& options, std::string& error) {
    if (!grid.isCreated() && !grid.createHidden()) {
        error = "cannot make the sheet's grid";
        return false;
    }
    if (options.sheet.empty()) return true;
    Zrl_String why;
    if (!grid.loadSheet(Zrl_String::fromUtf8(options.sheet), &why)) {
        error = "--sheet " + options.sheet + ": " + why.toUtf8();
        return false;
    }
    return true;
}

} // namespace dialogs
