// VkCalcSS: the calculation sheet of a standards evaluation. A grid (usually
// without a dialog: one of the pooled hidden windows) that loads a standards
// sheet, finds its declared variables, replaces general variable names by
// their values and computes the equations of its calculation area.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"
#include "standards/var_cells.h"

#include <memory>

class VkCalcSS : public Zrl_Spread {
public:
    VkCalcSS() = default;
    ~VkCalcSS() override = default;

    // Loads the sheet `name` (a path, else the library's
    // "Connection Standards\" + name + ".vks"); on success fileName is the
    // path. eInvalidInput leaves fileName as it was.
    ErrorStatus load(const Zrl_String& name);
    // A sheet loaded from a path rather than by load (also through the base
    // class) is not the remembered file of the last load: its declarations
    // are then read from its cells.
    bool loadSheet(const Zrl_String& path, Zrl_String* error = nullptr) override;
    // Reads the declarations under "Input", "Output" and "Local" into varCells.
    ErrorStatus scanDeclarations();
    // Replaces general variable names in every cell by their values.
    ErrorStatus replaceGenVars();
    // Registers the module's functions and computes every equation below "Calc".
    ErrorStatus calculate();
    // Computes the one equation in (col, row).
    ErrorStatus calcCell(int col, int row);

    Zrl_String fileName;
    VkVarCells varCells;
    Zrl_StringArray genVarNames;
    Zrl_StringArray genVarValues;

private:
    ErrorStatus scanCells();

    // The remembered sheet file the window was last loaded from.
    std::shared_ptr<const spread::Sheet> source_;
    // The row of the title "Calc" as the last scan of declarations found it;
    // 0 when unknown. Values written into the sheet later cannot move it.
    int calcTitleRow_ = 0;
    // calcCell's texts, kept so that cell after cell reuses their storage.
    Zrl_String cellText_, resultText_;
};
