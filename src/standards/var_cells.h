// VkVarCells: the variables of one standards sheet in scan order, with the
// mapping that ties the sheet to a macro.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_array.h"
#include "standards/ss_mapping.h"
#include "standards/var_cell.h"

class ZRLSS_EXPORT VkVarCells {
public:
    // Defined in record_members.cpp.
    VkVarCells();
    VkVarCells(const VkVarCells&);
    VkVarCells& operator=(const VkVarCells&);
    VkVarCells(VkVarCells&&) noexcept;
    VkVarCells& operator=(VkVarCells&&) noexcept;
    virtual ~VkVarCells();

    int length() const { return cells_.length(); }
    const VkVarCell& operator[](int index) const { return cells_[index]; }
    VkVarCell& operator[](int index) { return cells_[index]; }
    void append(const VkVarCell& cell) { cells_.append(cell); }
    void removeAt(int index) { cells_.removeAt(index); }
    // Empties the list; the mapping stays.
    void resetVarCells() { cells_.removeAll(); }
    VkSSMapping& mapping() { return mapping_; }
    const VkSSMapping& mapping() const { return mapping_; }

    // Index of the first variable named `name` (without case); eInvalidInput
    // and index untouched when there is none.
    ErrorStatus findVarCell(const Zrl_String& name, int& index) const;

    // Sets up the mapping for the record's macro (module group or mapping
    // file), clears the locals and fetches every input's and output's value
    // from the macro. A variable that cannot be fetched keeps its value and
    // is reported when the document settings ask for standards diagnostics.
    ErrorStatus getFromMacro(VkDlgStandardsData& data);
    // Hands every output's value to the macro; refused values are dropped.
    ErrorStatus setToMacro(VkDlgStandardsData& data);

    // Reads every output's value from its cell; stops at the first cell that
    // cannot be read (eInvalidInput). Inputs and locals are not read.
    ErrorStatus getValuesFromSS(Zrl_Spread& sheet);
    // Writes every variable's value into its cell; stops at the first
    // refusal (eInvalidInput).
    ErrorStatus setValuesToSS(Zrl_Spread& sheet);

    // True when every input of this list has a same-named variable in
    // `other` with the same type and an equal value (without case).
    bool hasSameInput(const VkVarCells& other) const;

    bool operator==(const VkVarCells&) const = default;

private:
    Zrl_Array<VkVarCell> cells_;
    VkSSMapping mapping_;
};
