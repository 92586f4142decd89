// The operations of variable cells that read or write the sheet.
#include "grid/zrl_spread.h"
#include "platform/core/zrl_string.h"
#include "standards/var_cell.h"
#include "standards/var_cells.h"

#include <cmath>

namespace {

// The longest text a String variable's cell keeps.
constexpr int kMaxTextLength = 9999;

} // namespace

ErrorStatus VkVarCell::initialize(Zrl_Spread& sheet, const int& col, const int& row,
                                  const VkCellType& type) {
    if (!sheet.getCellText(col, row, name, Zrl_Spread::kValue)) return Acad::eInvalidInput;
    const Zrl_String text = name;
    if (!parseDeclaration(text, valueType, name)) return Acad::eInvalidInput;
    // Blanks after a name are not part of it: "Double Width " declares Width.
    int end = name.length();
    while (end > 0 && (name.at(end - 1) == L' ' || name.at(end - 1) == L'\t'))
        --end;
    if (end < name.length()) name = name.left(end);
    this->col = col;
    this->row = row;
    cellType = type;
    return Acad::eOk;
}

ErrorStatus VkVarCell::getCurrentValue(Zrl_Spread& sheet, Zrl_String& out) {
    return sheet.getCellText(col, row, out, Zrl_Spread::kValue) ? Acad::eOk : Acad::eInvalidInput;
}

ErrorStatus VkVarCell::setNewValue(Zrl_Spread& sheet, const Zrl_String& v) {
    value = v;
    return setValueToSS(sheet);
}

ErrorStatus VkVarCell::setNewNumber(Zrl_Spread& sheet, const Zrl_String& text, double number) {
    value = text;
    // The number the text reads as, written as it is: the text is the
    // number's shortest exact form ("0" for -0).
    if (!std::isfinite(number)) return setValueToSS(sheet);
    setTypeToSS(sheet);
    return sheet.sheet().setNumber(col, row, number == 0 ? 0.0 : number) ? Acad::eOk
                                                                        : Acad::eInvalidInput;
}

void VkVarCell::setTypeToSS(Zrl_Spread& sheet) const {
    // Built once: a run sets the value of every variable.
    static const auto kInt = Zrl_Spread::sharedNumberType(0, false);
    static const auto kDouble = Zrl_Spread::sharedNumberType(7, false);
    static const auto kText = Zrl_Spread::sharedEditType(0x110000, kMaxTextLength);
    switch (valueType) {
    case VkValueInt:
        sheet.setTypeBeforeValue(col, row, kInt);
        break;
    case VkValueDouble:
        sheet.setTypeBeforeValue(col, row, kDouble);
        break;
    case VkValueString:
        sheet.setTypeBeforeValue(col, row, kText);
        break;
    }
}

ErrorStatus VkVarCell::setValueToSS(Zrl_Spread& sheet) {
    setTypeToSS(sheet);
    return sheet.setCellValue(col, row, value) ? Acad::eOk : Acad::eInvalidInput;
}

ErrorStatus VkVarCell::setValueFromOther(Zrl_Spread& sheet, const VkVarCell& other) {
    return setNewValue(sheet, other.value);
}

ErrorStatus VkVarCells::getValuesFromSS(Zrl_Spread& sheet) {
    for (int i = 0; i < cells_.length(); ++i) {
        VkVarCell& cell = cells_[i];
        if (!cell.isOutput()) continue;
        Zrl_String v;
        if (cell.getCurrentValue(sheet, v) != Acad::eOk) return Acad::eInvalidInput;
        cell.value = v;
    }
    return Acad::eOk;
}

ErrorStatus VkVarCells::setValuesToSS(Zrl_Spread& sheet) {
    for (int i = 0; i < cells_.length(); ++i)
        if (cells_[i].setValueToSS(sheet) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}
