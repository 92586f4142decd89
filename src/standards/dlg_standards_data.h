// VkDlgStandardsData: the record of one standards evaluation, handed in by
// the core module and handed back with the sheet's variables.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"
#include "standards/var_cells.h"

class Zrl_DbMacro;
class MacroData;
class AcTransaction;

class ZRLSS_EXPORT VkDlgStandardsData {
public:
    // Defined in record_members.cpp.
    VkDlgStandardsData();
    VkDlgStandardsData(const VkDlgStandardsData&);
    VkDlgStandardsData& operator=(const VkDlgStandardsData&);
    VkDlgStandardsData(VkDlgStandardsData&&) noexcept;
    VkDlgStandardsData& operator=(VkDlgStandardsData&&) noexcept;
    virtual ~VkDlgStandardsData();

    // Prepares a run on a macro (mode 0). eInvalidInput, record unchanged,
    // when the macro object or the macro data is missing. A key "Module." +
    // group selects the module group; any other key leaves the group empty.
    // The transaction is not touched.
    ErrorStatus initialize(Zrl_DbMacro* macroObject, Zrl_String sheetFile, Zrl_String macroKey,
                           MacroData* macroData);

    // 0: values come from the macro and go back to it; 1: values come from
    // varCells and go back to it.
    int mode = 0;
    // The standards sheet: a file path, or a sheet name of the library.
    Zrl_String sheetFile;
    Zrl_DbMacro* macroObject = nullptr;
    // "Module." + a module group name, or the key of the sheet's mapping file.
    Zrl_String macroKey;
    // The module group of a "Module." key, else empty.
    Zrl_String group;
    // The open transaction macro values are read and written under (mode 0).
    AcTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    Zrl_StringArray genVarNames;
    Zrl_StringArray genVarValues;
    VkVarCells varCells;
};
