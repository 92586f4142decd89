#include "standards/standards_eval.h"

#include "frame/library_instance.h"
#include "standards/ss_dlgs_mgr.h"
#include "standards/calc_ss.h"
#include "standards/child_call_chain.h"
#include "standards/dlg_ss_standards.h"
#include "standards/dlg_standards_data.h"
#include "standards/file_cache.h"
#include "standards/standards_timers.h"

#include <utility>
#include <vector>

namespace {

constexpr ErrorStatus kFail = Acad::eInvalidInput;

// Mode 0: values come from the macro and go back to it.
ErrorStatus runOnMacro(VkCalcSS& sheet, VkDlgStandardsData& record) {
    if (record.macroObject == nullptr || record.transaction == nullptr) return kFail;

    gInitSSForInput.start();
    sheet.genVarNames = record.genVarNames;
    sheet.genVarValues = record.genVarValues;
    if (sheet.scanDeclarations() != Acad::eOk) return kFail;
    gInitSSForInput.end();

    gSSSGetFromMacro.start();
    if (sheet.varCells.getFromMacro(record) != Acad::eOk) return kFail;
    gSSSGetFromMacro.end();

    gSetMacroValuelsToSS.start();
    if (sheet.varCells.setValuesToSS(sheet) != Acad::eOk) return kFail;
    gSetMacroValuelsToSS.end();

    gSSSreplaceGenVars.start();
    sheet.replaceGenVars();
    gSSSreplaceGenVars.end();

    gCalcMain.start();
    if (sheet.calculate() != Acad::eOk) return kFail;
    if (sheet.varCells.getValuesFromSS(sheet) != Acad::eOk) return kFail;
    gCalcMain.end();

    gSetToMacro.start();
    sheet.varCells.setToMacro(record);
    gSetToMacro.end();

    // The window's list is read afresh by the next run: handed over whole.
    record.varCells = std::move(sheet.varCells);
    return Acad::eOk;
}

// Mode 1: the sheet's inputs and outputs, in declaration order with the
// locals skipped, pair up by position with the caller's list.
//
// The pairs are made once, before the calculation, and kept by the cell of
// the sheet's variable: the calculation drops duplicate declarations from
// the sheet's list, and pairing again by position afterwards would hand
// every later output to the wrong entry of the caller's list.
ErrorStatus runOnList(VkCalcSS& sheet, VkDlgStandardsData& record) {
    VkVarCells& given = record.varCells;
    struct OutputPair {
        int col, row; // the sheet variable's cell
        int pos;      // its partner in the caller's list
    };
    std::vector<OutputPair> outputs;

    gGetFromVars.start();
    sheet.genVarNames = record.genVarNames;
    sheet.genVarValues = record.genVarValues;
    sheet.scanDeclarations();
    const VkVarCell empty;
    int locals = 0;
    for (int i = 0; i < sheet.varCells.length(); ++i) {
        VkVarCell& cell = sheet.varCells[i];
        if (cell.isLocal()) {
            ++locals;
            if (cell.setValueFromOther(sheet, empty) != Acad::eOk) return kFail;
            continue;
        }
        const int pos = i - locals;
        if (pos >= given.length()) return kFail;
        if (cell.isOutput() && given[pos].isInput()) return kFail;
        if (cell.setValueFromOther(sheet, given[pos]) != Acad::eOk) return kFail;
        if (cell.isOutput()) outputs.push_back({cell.col, cell.row, pos});
    }
    sheet.replaceGenVars();
    gGetFromVars.end();

    gCalcChild.start();
    if (sheet.calculate() != Acad::eOk) return kFail;
    gCalcChild.end();

    gSetToVars.start();
    // The pairs are in the order of the sheet's list, which the calculation
    // only shortens, and a cell declares one variable: each pair's variable
    // is looked for after the last one found.
    int next = 0;
    for (const OutputPair& pair : outputs) {
        for (int i = next; i < sheet.varCells.length(); ++i) {
            const VkVarCell& cell = sheet.varCells[i];
            if (cell.col != pair.col || cell.row != pair.row || !cell.isOutput()) continue;
            given[pair.pos].value = cell.value;
            next = i + 1;
            break;
        }
    }
    gSetToVars.end();
    return Acad::eOk;
}

} // namespace

ErrorStatus runStandardsEvaluation(VkCalcSS& sheet, VkDlgStandardsData& record) {
    gLoadFile.start();
    const bool generalVariables =
        (record.mode == 0 || record.mode == 1) && !record.genVarNames.isEmpty();
    if (sheet.loadForRun(record.sheetFile, generalVariables) != Acad::eOk) return kFail;
    gLoadFile.end();

    // The sheet stays on the chain of open sheets while it computes, so that
    // no child call can reach it again.
    const child_call::OpenSheet open(sheet.fileName);
    ErrorStatus es = Acad::eOk;
    switch (record.mode) {
    case 0:
        es = runOnMacro(sheet, record);
        break;
    case 1:
        es = runOnList(sheet, record);
        break;
    default:
        break;
    }
    sheet.endRun();
    return es;
}

namespace {

// A window handed out by the pool, given back however the run ends.
class PooledWindow {
public:
    PooledWindow() : dlg_(static_cast<CDlgSSStandards*>(gSSDlgsMgr.getDlg())) {}
    ~PooledWindow() {
        if (dlg_ != nullptr) gSSDlgsMgr.releaseDlg(dlg_);
    }
    PooledWindow(const PooledWindow&) = delete;
    PooledWindow& operator=(const PooledWindow&) = delete;
    CDlgSSStandards* get() const { return dlg_; }

private:
    CDlgSSStandards* dlg_;
};

} // namespace

namespace {

// Runs `data` in a pooled window. The window works on a copy, handed back
// on success, or when `take` on the record itself, handed back either way.
bool runPooled(VkDlgStandardsData& data, bool take) {
    try {
        const zrlss::ResourceScope resources;
        const filecache::Scope files;
        const PooledWindow window;
        CDlgSSStandards* dlg = window.get();
        if (dlg == nullptr) return false;
        if (take)
            dlg->data = std::move(data);
        else
            dlg->data = data;
        const bool ok = runStandardsEvaluation(dlg->sheet, dlg->data) == Acad::eOk;
        // The pooled window's copy is not looked at again: handed back whole.
        if (ok || take) data = std::move(dlg->data);
        return ok;
    } catch (...) {
        return false;
    }
}

} // namespace

bool StartDlgStandardsSS(VkDlgStandardsData& data) {
    return runPooled(data, false);
}

bool runChildEvaluation(VkDlgStandardsData& record) {
    return runPooled(record, true);
}

bool StartDlgStandardsSStest() {
    try {
        VkDlgStandardsData data;
        data.mode = 1;
        data.sheetFile = L"c:\\a\\a\\a\\test.vks";
        const struct {
            const wchar_t* name;
            VkCellType kind;
            const wchar_t* value;
        } vars[] = {
            {L"Column", VkCellInput, L"IPE-200"},
            {L"Thickness", VkCellInput, L"10"},
            {L"Width", VkCellOutput, L"212"},
            {L"Length", VkCellOutput, L"356"},
        };
        for (const auto& v : vars) {
            VkVarCell cell;
            cell.name = v.name;
            cell.cellType = v.kind;
            cell.value = v.value;
            cell.valueType = VkValueString;
            data.varCells.append(cell);
        }
        return StartDlgStandardsSS(data);
    } catch (...) {
        return false;
    }
}
