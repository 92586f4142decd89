#include "standards/dlg_standards_data.h"

#include "platform/core/text_helpers.h"

ErrorStatus VkDlgStandardsData::initialize(Zrl_DbMacro* newMacroObject, Zrl_String newSheetFile,
                                           Zrl_String newMacroKey, MacroData* newMacroData) {
    if (!newMacroObject || !newMacroData) return Acad::eInvalidInput;
    group = newMacroKey.startsWith(L"Module.", true) ? getSubstrAfter(newMacroKey, L".", false)
                                                     : Zrl_String();
    mode = 0;
    sheetFile = std::move(newSheetFile);
    macroKey = std::move(newMacroKey);
    macroObject = newMacroObject;
    macroData = newMacroData;
    return Acad::eOk;
}
