// General variables: names the sheet may use in any cell, replaced by their
// values before the equations run (numbers bare, other texts quoted).
#include "standards/calc_area_bounds.h"
#include "standards/calc_area_text.h"
#include "standards/calc_ss.h"

ErrorStatus VkCalcSS::replaceGenVars() {
    calc_area::WordReplacer values;
    for (int i = 0; i < genVarNames.length(); ++i) {
        const Zrl_String value = i < genVarValues.length() ? genVarValues[i] : Zrl_String();
        values.add(genVarNames[i], calc_area::genVarLiteral(value));
    }
    if (values.empty()) return Acad::eOk;
    // Cells past the last used column and row are empty: nothing to replace.
    const int lastCol = calc_area::usedCols(*this);
    const int lastRow = calc_area::usedRows(*this);
    Zrl_String text;
    for (int col = 1; col <= lastCol; ++col) {
        for (int row = 1; row <= lastRow; ++row) {
            if (!getCellText(col, row, text, 3) || text.isEmpty()) continue;
            if (values.apply(text, false) > 0) setCellData(col, row, text);
        }
    }
    return Acad::eOk;
}
