// Zrl_Spread: the logical size and typed cell access (texts of four kinds,
// numbers, whole rows and columns).
#include "grid/zrl_spread.h"
#include "platform/text/number.h"

#include <climits>
#include <cmath>

namespace {

// The C library's conversions in the "C" locale: the leading number of the
// text, 0 when the text does not start with one.
double textToDouble(const Zrl_String& text) {
    return zrltext::leadingDouble(text.str());
}

int textToInt(const Zrl_String& text) {
    const long long value = zrltext::leadingInteger(text.str());
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

// --- size -------------------------------------------------------------------

int Zrl_Spread::getMaxRows() const {
    return created_ ? TSpread::getMaxRows() : -1;
}

int Zrl_Spread::getMaxCols() const {
    return created_ ? TSpread::getMaxCols() : -1;
}

bool Zrl_Spread::setMaxRows(int count, bool copyLastFormat) {
    if (!created_) return false;
    const int old = TSpread::getMaxRows();
    if (!setMaxRowsRaw(count)) return false;
    if (count > old) {
        const int cols = TSpread::getMaxCols();
        if (cols > 0) setFontRange(1, old + 1, cols, count, normalFont());
        if (copyLastFormat && old > 0)
            for (int row = old + 1; row <= count; ++row)
                for (int col = 1; col <= cols; ++col)
                    copyCellFormat(col, old, col, row);
        // The new header cells keep the bold font of the headers.
        setFontRange(kHeader, old + 1, kHeader, count, boldFont());
    }
    return true;
}

bool Zrl_Spread::setMaxCols(int count, bool copyLastFormat) {
    if (!created_) return false;
    const int old = TSpread::getMaxCols();
    if (!setMaxColsRaw(count)) return false;
    if (count > old) {
        const int rows = TSpread::getMaxRows();
        if (rows > 0) setFontRange(old + 1, 1, count, rows, normalFont());
        if (copyLastFormat && old > 0)
            for (int col = old + 1; col <= count; ++col)
                for (int row = 1; row <= rows; ++row)
                    copyCellFormat(old, row, col, row);
        setFontRange(old + 1, kHeader, count, kHeader, boldFont());
    }
    // A layout that shares the width among the columns shares it again
    // among the new set (sizing to content waits for its own call).
    if (count != old && layoutMode_ != 0 && layoutMode_ != 2) applyLayout();
    return true;
}

void Zrl_Spread::copyCellFormat(int fromCol, int fromRow, int toCol, int toRow) {
    spread::Sheet& s = sheet();
    s.setCellType(toCol, toRow, s.cellType(fromCol, fromRow));
    s.setLock(toCol, toRow, s.isLocked(fromCol, fromRow));
    spread::Color back = spread::kDefaultColor, fore = spread::kDefaultColor;
    s.color(fromCol, fromRow, back, fore);
    s.setColor(toCol, toRow, back, fore);
    s.setFont(toCol, toRow, s.font(fromCol, fromRow));
    s.setBorder(toCol, toRow, s.border(fromCol, fromRow));
}

// --- single cells ---------------------------------------------------------------

bool Zrl_Spread::getCellText(int col, int row, Zrl_String& text, int kind) const {
    std::wstring& out = text.str();
    out.clear();
    if (!inSheet(col, row)) return false;
    switch (kind) {
    case kText:
        out = getData(col, row);
        return true;
    case kFormula:
        out = getFormula(col, row);
        return true;
    case kTag:
        out = getCellTag(col, row);
        return true;
    case kValue:
        // Written into the caller's text: read cell after cell, it keeps its storage.
        sheet().valueAt(col, row).textInto(out);
        return true;
    default:
        return false;
    }
}

bool Zrl_Spread::getCellDouble(int col, int row, double& value) const {
    value = 0;
    if (!inSheet(col, row)) return false;
    // The number the value text starts with, without writing the text.
    const spread::Value& v = sheet().valueAt(col, row);
    if (v.isNumber()) {
        // As its text reads back: "0" for -0, "#NUM!" (0) when not finite.
        if (std::isfinite(v.number()) && v.number() != 0) value = v.number();
    } else if (v.isLogical())
        value = v.logicalValue() ? 1 : 0;
    else if (v.isText())
        value = zrltext::leadingDouble(v.text());
    return true;
}

bool Zrl_Spread::setCellDouble(int col, int row, double value) {
    return setCellData(col, row, Zrl_String(value, 2));
}

bool Zrl_Spread::setCellData(int col, int row, const Zrl_String& text) {
    if (!inSheet(col, row)) return false;
    return setData(col, row, text.str());
}

bool Zrl_Spread::setCellValue(int col, int row, const Zrl_String& text) {
    if (!inSheet(col, row)) return false;
    return setValue(col, row, text.str());
}

bool Zrl_Spread::setFormula(int col, int row, const Zrl_String& formula) {
    if (!inSheet(col, row)) return false;
    return setFormulaRaw(col, row, formula.str());
}

// --- rows and columns as lists ---------------------------------------------------------

bool Zrl_Spread::getColumnTexts(int col, Zrl_StringArray& list, int kind) const {
    list.removeAll();
    if (!created_ || col > TSpread::getMaxCols()) return false;
    const int rows = TSpread::getMaxRows();
    list.setPhysicalLength(rows);
    Zrl_String text;
    for (int row = 1; row <= rows; ++row) {
        getCellText(col, row, text, kind);
        list.append(text);
    }
    return true;
}

bool Zrl_Spread::getRowTexts(int row, Zrl_StringArray& list, int kind) const {
    list.removeAll();
    if (!created_ || row > TSpread::getMaxRows()) return false;
    const int cols = TSpread::getMaxCols();
    list.setPhysicalLength(cols);
    Zrl_String text;
    for (int col = 1; col <= cols; ++col) {
        getCellText(col, row, text, kind);
        list.append(text);
    }
    return true;
}

bool Zrl_Spread::setColumnTexts(int col, const Zrl_StringArray& list, bool asValue) {
    if (!created_ || col > TSpread::getMaxCols()) return false;
    const int rows = TSpread::getMaxRows();
    for (int i = 0; i < list.length() && i + 1 <= rows; ++i) {
        if (asValue)
            setCellValue(col, i + 1, list[i]);
        else
            setCellData(col, i + 1, list[i]);
    }
    return true;
}

bool Zrl_Spread::setRowTexts(int row, const Zrl_StringArray& list, bool asValue) {
    if (!created_ || row > TSpread::getMaxRows()) return false;
    const int cols = TSpread::getMaxCols();
    for (int i = 0; i < list.length() && i + 1 <= cols; ++i) {
        if (asValue)
            setCellValue(i + 1, row, list[i]);
        else
            setCellData(i + 1, row, list[i]);
    }
    return true;
}

// --- typed columns ------------------------------------------------------------------

namespace {

template <class T, class Format>
bool writeColumn(Zrl_Spread& grid, int col, const AcArray<T>& list, Format format) {
    if (!grid.isCreated() || col > grid.getMaxCols()) return false;
    const int rows = grid.getMaxRows();
    for (int i = 0; i < list.length() && i + 1 <= rows; ++i)
        grid.setCellData(col, i + 1, format(list[i]));
    return true;
}

template <class T, class Parse>
bool readColumn(const Zrl_Spread& grid, int col, AcArray<T>& list, Parse parse) {
    list.removeAll();
    if (!grid.isCreated() || col > grid.getMaxCols()) return false;
    const int rows = grid.getMaxRows();
    Zrl_String text;
    for (int row = 1; row <= rows; ++row) {
        grid.getCellText(col, row, text, Zrl_Spread::kValue);
        list.append(parse(text));
    }
    return true;
}

} // namespace

bool Zrl_Spread::setColumnInts(int col, const AcArray<int>& list) {
    return writeColumn(*this, col, list, [](int v) { return Zrl_String(v); });
}

bool Zrl_Spread::getColumnInts(int col, AcArray<int>& list) const {
    return readColumn(*this, col, list, textToInt);
}

bool Zrl_Spread::setColumnDoubles(int col, const AcArray<double>& list) {
    return writeColumn(*this, col, list, [](double v) { return Zrl_String(v, 2); });
}

bool Zrl_Spread::getColumnDoubles(int col, AcArray<double>& list) const {
    return readColumn(*this, col, list, textToDouble);
}

bool Zrl_Spread::setColumnBools(int col, const AcArray<bool>& list) {
    return writeColumn(*this, col, list, [](bool v) { return Zrl_String(v ? L"1" : L"0"); });
}

bool Zrl_Spread::getColumnBools(int col, AcArray<bool>& list) const {
    return readColumn(*this, col, list,
                      [](const Zrl_String& text) { return text.equal(L"1", true); });
}

bool Zrl_Spread::getAllRows(Zrl_Array<Zrl_StringArray>& rows) const {
    rows.removeAll();
    if (!created_) return false;
    const int count = TSpread::getMaxRows();
    Zrl_StringArray values;
    for (int row = 1; row <= count; ++row) {
        getRowTexts(row, values, kValue);
        rows.append(values);
    }
    return true;
}
