#include "standards/var_cells.h"

#include "platform/core/settings.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"
#include "standards/dlg_standards_data.h"
#include "standards/standards_failures.h"
#include "standards/standards_timers.h"

namespace {

// Tells the user that a variable could not be transferred, when the document
// settings ask for standards diagnostics.
void reportMissingVariable(const VkVarCell& cell, const VkDlgStandardsData& data) {
    const bool input = cell.isInput();
    if (standardsFailureSinkSet()) {
        StandardsFailure failure;
        failure.file = data.sheetFile;
        failure.equation = cell.name;
        failure.reason = input ? L"the input could not be fetched from the macro or module"
                               : L"the output could not be set in the macro or module";
        reportStandardsFailure(failure);
    }
    if (!curDocSettings().standardsDiagnostics) return;
    Zrl_String text = Zrl_String(L"The following ") + (input ? L"Input" : L"Output") +
                      L" variable couldn't be " + (input ? L"retrieved" : L"set") + L" : \n" +
                      cell.name + L"\nMake sure the variable exists in the macro or module.\n" +
                      L"Spreadsheet : " + data.sheetFile;
    win::messageBox(nullptr, text.str(), L"", win::MB_OK | win::MB_ICONEXCLAMATION);
}

} // namespace

ErrorStatus VkVarCells::findVarCell(const Zrl_String& name, int& index) const {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].name.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

ErrorStatus VkVarCells::getFromMacro(VkDlgStandardsData& data) {
    gInitMapping.start();
    // The mapping is set up afresh: entries of an earlier run must never
    // carry values into this macro.
    mapping_ = VkSSMapping();
    ErrorStatus es = Acad::eInvalidInput;
    if (!data.group.isEmpty()) {
        es = mapping_.initFromModuleGroup(data.group);
    } else {
        if (!data.macroObject) return Acad::eInvalidInput;
        es = mapping_.initFromMacro(data);
    }
    if (es != Acad::eOk) {
        // The sheet's own values stand in, as before; a listener hears of it.
        StandardsFailure failure;
        failure.file = data.sheetFile;
        failure.equation = data.macroKey;
        failure.reason = data.group.isEmpty()
                             ? Zrl_String(L"the mapping of the macro cannot be read")
                             : L"unknown module group " + data.group + L" or its mapping";
        reportStandardsFailure(failure);
        gInitMapping.end();
        return Acad::eOk;
    }
    gInitMapping.end();

    gInitFromMacro.start();
    for (VkVarCell& cell : cells_) {
        if (cell.isLocal()) {
            cell.setNewValue(Zrl_String());
        } else if (cell.setValueFromMacro(mapping_, data) != Acad::eOk) {
            reportMissingVariable(cell, data);
        }
    }
    gInitFromMacro.end();
    return Acad::eOk;
}

ErrorStatus VkVarCells::setToMacro(VkDlgStandardsData& data) {
    for (VkVarCell& cell : cells_) {
        if (cell.isOutput()) cell.setValueToMacro(mapping_, data);
    }
    return Acad::eOk;
}

bool VkVarCells::hasSameInput(const VkVarCells& other) const {
    for (const VkVarCell& cell : cells_) {
        if (!cell.isInput()) continue;
        int index = -1;
        if (other.findVarCell(cell.name, index) != Acad::eOk) return false;
        const VkVarCell& match = other[index];
        if (match.valueType != cell.valueType || !match.value.equal(cell.value, false))
            return false;
    }
    return true;
}
