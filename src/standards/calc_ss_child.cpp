#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "standards/calc_area_text.h"
#include "standards/calc_ss.h"
#include "standards/child_call.h"
#include "standards/child_call_chain.h"
#include "standards/dlg_standards_data.h"
#include "standards/file_cache.h"
#include "standards/standards_eval.h"

Zrl_String resolveChildFile(const Zrl_String& callerFile, const Zrl_String& name) {
    if (name.isEmpty()) return Zrl_String();
    if (filecache::isSheetFile(name)) return name;
    Zrl_String relative = name;
    if (relative.at(0) == L'\\') relative.removeAt(0);
    const Zrl_String standards = Zrl_Settings::libDir() + L"Connection Standards\\";
    const Zrl_String candidates[] = {
        getPath(callerFile) + relative,  standards + name,
        standards + L"Childs\\" + name,  standards + L"Data\\" + name,
        standards + L"Parents\\" + name,
    };
    for (const Zrl_String& candidate : candidates)
        if (filecache::isSheetFile(candidate)) return candidate;
    return Zrl_String();
}

ErrorStatus callChild(VkCalcSS& sheet, const Zrl_String& expression) {
    Zrl_String file;
    Zrl_StringArray names;
    if (!calc_area::parseChildCall(expression, file, names)) return Acad::eInvalidInput;
    return callChild(sheet, file, names);
}

ErrorStatus callChild(VkCalcSS& sheet, const Zrl_String& file, const Zrl_StringArray& names) {
    const Zrl_String childFile = resolveChildFile(sheet.fileName, file);
    if (childFile.isEmpty()) return Acad::eInvalidInput;

    VkVarCells given;
    for (int i = 0; i < names.length(); ++i) {
        int index = -1;
        if (sheet.varCells.findVarCell(names[i], index) != Acad::eOk) return Acad::eInvalidInput;
        VkVarCell copy = sheet.varCells[index];
        copy.col = 0;
        copy.row = 0;
        given.append(copy);
    }
    // A sheet may not call itself, nor any sheet whose evaluation is still
    // waiting for this one: that would nest without end.
    if (childFile.equal(sheet.fileName, false) || child_call::isOpen(childFile) ||
        child_call::depth() >= child_call::kMaxDepth)
        return Acad::eInvalidInput;

    VkDlgStandardsData record;
    record.mode = 1;
    record.sheetFile = childFile;
    record.varCells = given;
    record.genVarNames = sheet.genVarNames;
    record.genVarValues = sheet.genVarValues;
    if (!StartDlgStandardsSS(record)) return Acad::eInvalidInput;

    for (int i = 0; i < record.varCells.length(); ++i) {
        const VkVarCell& entry = record.varCells[i];
        if (!entry.isOutput()) continue;
        int index = -1;
        if (sheet.varCells.findVarCell(entry.name, index) != Acad::eOk) continue;
        VkVarCell& own = sheet.varCells[index];
        if (own.isInput()) return Acad::eInvalidInput;
        if (own.setValueFromOther(sheet, entry) != Acad::eOk) return Acad::eInvalidInput;
    }
    return Acad::eOk;
}
