#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "standards/calc_area_text.h"
#include "standards/calc_ss.h"
#include "standards/child_call.h"
#include "standards/child_call_chain.h"
#include "standards/dlg_standards_data.h"
#include "standards/file_cache.h"
#include "standards/first_existing.h"
#include "standards/standards_eval.h"

Zrl_String resolveChildFile(const Zrl_String& callerFile, const Zrl_String& name) {
    if (name.isEmpty()) return Zrl_String();
    thread_local filecache::FirstExisting places;
    const Zrl_String* found = places.find(
        callerFile.str() + L'\n' + name.str(), [] { return Zrl_Settings::libDir().str(); },
        [&](const std::wstring& lib) {
            Zrl_String relative = name;
            if (relative.at(0) == L'\\') relative.removeAt(0);
            const Zrl_String standards = Zrl_String(lib) + L"Connection Standards\\";
            return std::vector<Zrl_String>{
                name,
                getPath(callerFile) + relative,
                standards + name,
                standards + L"Childs\\" + name,
                standards + L"Data\\" + name,
                standards + L"Parents\\" + name,
            };
        },
        filecache::isSheetFile);
    return found != nullptr ? *found : Zrl_String();
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

    VkDlgStandardsData record;
    record.mode = 1;
    record.sheetFile = childFile;
    for (int i = 0; i < names.length(); ++i) {
        int index = -1;
        if (sheet.varCells.findVarCell(names[i], index) != Acad::eOk) return Acad::eInvalidInput;
        VkVarCell copy = sheet.varCells[index];
        copy.col = 0;
        copy.row = 0;
        record.varCells.append(copy);
    }
    // A sheet may not call itself, nor any sheet whose evaluation is still
    // waiting for this one: that would nest without end.
    if (childFile.equal(sheet.fileName, false) || child_call::isOpen(childFile) ||
        child_call::depth() >= child_call::kMaxDepth)
        return Acad::eInvalidInput;

    record.genVarNames = sheet.genVarNames;
    record.genVarValues = sheet.genVarValues;
    if (!runChildEvaluation(record)) return Acad::eInvalidInput;

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
