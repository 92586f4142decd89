// VkVarCell: one variable a standards sheet declares in its own cells, with
// its current value and the position of its cell.
//
// A declaration is a cell whose text is a type word and the variable's name,
// "Double PlateWidth". The declaration cell is also the value cell: once a
// value is written, the value replaces the declaration text.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_string.h"
#include "platform/host/acadstatus.h"

class Zrl_Spread;
class VkSSMapping;
class VkDlgStandardsData;

// The section of the sheet a variable is declared in.
enum VkCellType : int {
    VkCellInput = 0,  // "Input": the value comes from the macro
    VkCellOutput = 1, // "Output": the value goes back to the macro
    VkCellLocal = 2,  // "Local": the sheet's own working variable, cleared before each run
};

// The type word of a declaration.
enum VkValueType : int {
    VkValueInt = 0,    // "Int": a number shown without decimals
    VkValueDouble = 1, // "Double": a number shown with 7 decimals
    VkValueString = 2, // "String": a text of at most 9999 characters
};

// True for Int and Double.
inline bool isNumericValueType(VkValueType type) {
    return type == VkValueInt || type == VkValueDouble;
}

class ZRLSS_EXPORT VkVarCell {
public:
    // Defined in record_members.cpp.
    VkVarCell();
    VkVarCell(const VkVarCell&);
    VkVarCell& operator=(const VkVarCell&);
    VkVarCell(VkVarCell&&) noexcept;
    VkVarCell& operator=(VkVarCell&&) noexcept;
    virtual ~VkVarCell();

    // Reads the declaration in cell (col, row) of the sheet: eInvalidInput
    // when the sheet is not ready, the cell lies beyond the sheet's last
    // column or row, or its text does not begin with a type word.
    ErrorStatus initialize(Zrl_Spread& sheet, const int& col, const int& row,
                           const VkCellType& type);

    // Parses a declaration text: after leading blanks, the first of "Int",
    // "Double", "String" that begins the text gives the type ("Integer Count"
    // declares an Int); the name is the text after the first blank of the
    // text without its leading blanks (further blanks stay part of it), empty
    // when there is no blank. False when no type word begins the text.
    static bool parseDeclaration(const Zrl_String& text, VkValueType& type, Zrl_String& name);

    bool isInput() const { return cellType == VkCellInput; }
    bool isOutput() const { return cellType == VkCellOutput; }
    bool isLocal() const { return cellType == VkCellLocal; }

    // The value the mapping finds in the macro for this variable's name and
    // type; eInvalidInput when the mapping cannot deliver one (the value is
    // then unchanged).
    ErrorStatus setValueFromMacro(VkSSMapping& mapping, VkDlgStandardsData& data);
    // Hands the value to the macro through the mapping; eInvalidInput when
    // the macro does not take it.
    ErrorStatus setValueToMacro(VkSSMapping& mapping, VkDlgStandardsData& data);
    // Takes the value of another sheet's variable and writes it into this
    // variable's cell.
    ErrorStatus setValueFromOther(Zrl_Spread& sheet, const VkVarCell& other);

    bool operator==(const VkVarCell&) const = default;

    Zrl_String name;
    VkCellType cellType = VkCellInput;
    Zrl_String value;
    VkValueType valueType = VkValueString;
    // The cell, counted from 1; 0 when the variable has no cell.
    int col = 0;
    int row = 0;

private:
    friend class VkCalcSS;
    friend class VkVarCells;

    // The cell's current value text; `value` is not changed.
    ErrorStatus getCurrentValue(Zrl_Spread& sheet, Zrl_String& out);
    // value = v; the sheet is not touched.
    ErrorStatus setNewValue(const Zrl_String& v);
    // value = v, then setValueToSS.
    ErrorStatus setNewValue(Zrl_Spread& sheet, const Zrl_String& v);
    // value = text, the number it reads as written into the cell; for a
    // result that is a number, whose text it is.
    ErrorStatus setNewNumber(Zrl_Spread& sheet, const Zrl_String& text, double number);
    // Formats the cell by valueType and writes value into it.
    ErrorStatus setValueToSS(Zrl_Spread& sheet);
    void setTypeToSS(Zrl_Spread& sheet) const;
};
