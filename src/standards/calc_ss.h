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
    // load for an evaluation (runStandardsEvaluation): a window whose sheet
    // holds the same remembered file, changed since only by evaluations of
    // it that wrote no general variables, is not loaded again. Such an
    // evaluation writes nothing but its variables' cells and its equations'
    // cells, each the same way every time, and the next one writes all of
    // its variables before it reads one; so the sheet is as good as loaded
    // for it, provided no equation reads the cells of the calculation area
    // (see calculate). `generalVariables`: the run will replace general
    // variable names in the sheet, which then is loaded anew.
    ErrorStatus loadForRun(const Zrl_String& name, bool generalVariables);
    // Marks the end of an evaluation that started with loadForRun: the sheet
    // is left to the next one (nothing but the evaluation wrote to it since
    // the load).
    void endRun();
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

    // What scanDeclarations and calculate learn of a remembered sheet and
    // keep with it.
    struct Declarations;
    struct CalcPlan;
    struct Equation;

private:
    // The grid's settings a calculation sheet runs with, set before a load.
    void setCalcProperties();
    // load, for a run that may learn from the sheet (see learning_).
    ErrorStatus loadAnew(const Zrl_String& name, bool generalVariables);
    ErrorStatus scanCells();
    // Computes the equations below the title row `titleRow` with `plan`:
    // the cells' texts read, or when this run reuses the kept sheet, the
    // equations the plan found in them before.
    void calcArea(int titleRow, const std::shared_ptr<CalcPlan>& plan);
    // Whether the kept plan can compute a kept sheet whose calculation area
    // starts below `titleRow`.
    bool keptPlanFits(int titleRow) const;
    // The plan of the equation in (col, row): one kept for its text, else
    // `fresh`. False when the cell is empty.
    bool planCell(int col, int row, Equation*& plan, Equation& fresh);
    ErrorStatus calcEquation(int col, int row, Equation& plan);

    // The remembered sheet file the window was last loaded from.
    std::shared_ptr<const spread::Sheet> source_;
    // The row of the title "Calc" as the last scan of declarations found it;
    // 0 when unknown. Values written into the sheet later cannot move it.
    int calcTitleRow_ = 0;
    // The declarations of source_, once read.
    std::shared_ptr<const Declarations> scan_;
    // Kept between evaluations (see loadForRun): whether the sheet holds
    // source_ as only evaluations of it changed it, and the plan of its
    // calculation area that the last one used; whether this run reuses them.
    bool keptSheet_ = false;
    std::shared_ptr<CalcPlan> keptPlan_;
    bool reused_ = false;
    // This run loaded the sheet for an evaluation without general variables:
    // calculate may learn the order of its equations.
    bool learning_ = false;
    // The state of the sheet's functions when the module's were registered.
    bool functionsRegistered_ = false;
    uint64_t functionsVersion_ = 0;
    // calcCell's texts, kept so that cell after cell reuses their storage.
    Zrl_String cellText_, resultText_;
};
