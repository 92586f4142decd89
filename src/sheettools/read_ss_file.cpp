// The formulas dialog's exported starters.
#include "sheettools/read_ss_file.h"

#include "frame/library_instance.h"
#include "sheettools/formula_dlg.h"

void ReadSSFile(const Zrl_String& fileName, Zrl_String& title, Zrl_StringArray& columnNames,
                Zrl_Array<Zrl_StringArray>& rows) {
    try {
        zrlss::ResourceScope resources;
        CFormula dlg;
        dlg.mode = CFormula::kModeRead;
        dlg.fileName = fileName;
        dlg.columnNames = &columnNames;
        dlg.rows = &rows;
        dlg.doModal();
        title = dlg.title;
    } catch (...) {
    }
}

void EvaluateSS() {
    try {
        zrlss::ResourceScope resources;
        CFormula dlg;
        dlg.mode = CFormula::kModeEvaluate;
        dlg.fileName = L"c:\\a\\t3.sss";
        dlg.evalColumn = 1;
        dlg.evalRow = 1;
        dlg.doModal();
    } catch (...) {
    }
}
