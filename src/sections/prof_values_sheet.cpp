// Zrl_ProfValuesTable and the sheet that shows it for editing.
#include "grid/zrl_spread.h"
#include "sections/prof_values_table.h"

namespace {

// The sheet column of the active flag (table column 1).
constexpr int kFlagSheetCol = 2;

} // namespace

bool Zrl_ProfValuesTable::getFromSS(Zrl_Spread* sheet) {
    if (!sheet || sheet->getMaxRows() <= 0 || sheet->getMaxCols() <= 0) return false;
    try {
        Zrl_StringArray captions;
        Zrl_String name;
        sheet->getRowTexts(Zrl_Spread::kHeader, captions);
        sheet->getCellText(Zrl_Spread::kHeader, 1, name, Zrl_Spread::kValue);
        const int count = sheet->getMaxRows();
        Zrl_StringArrayArray taken(count);
        Zrl_StringArray row;
        for (int r = 1; r <= count; ++r) {
            sheet->getRowTexts(r, row, Zrl_Spread::kValue);
            taken.append(std::move(row));
        }
        headers = std::move(captions);
        tableName = std::move(name);
        rows = std::move(taken);
        return true;
    } catch (...) {
        return false;
    }
}

bool Zrl_ProfValuesTable::setToSS(Zrl_Spread* sheet) const {
    if (!sheet || !sheet->isCreated()) return false;
    try {
        sheet->setBool(GridProperty::Redraw, false);
        sheet->setMaxRows(0);
        sheet->setMaxCols(0);
        if (rows.isEmpty()) {
            sheet->setBool(GridProperty::Redraw, true);
            return false;
        }
        const int count = rows.length();
        sheet->setMaxRows(count);
        sheet->setMaxCols(headers.length());
        if (headers.length() >= kFlagSheetCol)
            sheet->setCheckBoxType(kFlagSheetCol, 1, kFlagSheetCol, count);
        sheet->setRowTexts(Zrl_Spread::kHeader, headers);
        for (int r = 1; r <= count; ++r) {
            sheet->setCellData(Zrl_Spread::kHeader, r, tableName);
            sheet->setRowTexts(r, rows[r - 1]);
        }
        sheet->formatHeaders();
        for (int c = 1; c <= headers.length(); ++c)
            sheet->autoSizeColumn(c);
        sheet->setBool(GridProperty::Changed, false);
        sheet->setBool(GridProperty::Redraw, true);
        return true;
    } catch (...) {
        sheet->setBool(GridProperty::Redraw, true);
        return false;
    }
}
