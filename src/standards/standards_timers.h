// The profiling timers of the standards engine, one per step of an
// evaluation. They are exported so that the core module (and the zrlss
// command) can read and reset them; each is started at the beginning of its
// step and ended at its end, so a step that fails leaves its interval
// uncounted. They time only while step timing is on (asked for, or the
// document's standards diagnostics): reading the clock some forty times an
// evaluation is a cost a plain run does not pay.
#pragma once

#include "frame/export.h"
#include "platform/core/timers.h"

// Turns the step timers on or off for every later evaluation; the previous
// setting. Off unless asked; the document's standards diagnostics turn them
// on as well.
ZRLSS_EXPORT bool setStandardsStepTiming(bool on);

namespace standards_timers {
// Whether the steps are timed now.
bool timing();
} // namespace standards_timers

// A step timer: its start is ignored while step timing is off, and so then
// is its end.
class StandardsStepTimer : public Zrl_Timer {
public:
    using Zrl_Timer::Zrl_Timer;
    void start() {
        if (standards_timers::timing()) Zrl_Timer::start();
    }
};

// Loading the sheet file.
ZRLSS_EXPORT extern StandardsStepTimer gLoadFile;
// Mode 0: general variables and declarations; the fetch from the macro with
// its mapping set-up and value transfer; values into the sheet; general
// variable names replaced; calculation and outputs read back; outputs into
// the macro.
ZRLSS_EXPORT extern StandardsStepTimer gInitSSForInput;
ZRLSS_EXPORT extern StandardsStepTimer gSSSGetFromMacro;
ZRLSS_EXPORT extern StandardsStepTimer gInitMapping;
ZRLSS_EXPORT extern StandardsStepTimer gInitFromMacro;
ZRLSS_EXPORT extern StandardsStepTimer gSetMacroValuelsToSS;
ZRLSS_EXPORT extern StandardsStepTimer gSSSreplaceGenVars;
ZRLSS_EXPORT extern StandardsStepTimer gCalcMain;
ZRLSS_EXPORT extern StandardsStepTimer gSetToMacro;
// Mode 1: preparation from the given variables; calculation; outputs into
// the given list.
ZRLSS_EXPORT extern StandardsStepTimer gGetFromVars;
ZRLSS_EXPORT extern StandardsStepTimer gCalcChild;
ZRLSS_EXPORT extern StandardsStepTimer gSetToVars;
// The calculation area.
ZRLSS_EXPORT extern StandardsStepTimer gRegisterFuntions;
ZRLSS_EXPORT extern StandardsStepTimer gFindDuplicates;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCells;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellSplitSymbol;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellFindVarCell;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellFindFunctions;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellCalcNativeFunctions;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellCalcFunctionsPrepare;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellCalcFunctions;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellGetVarNames;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellGetVarCoords;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellGetVarCoordName;
ZRLSS_EXPORT extern StandardsStepTimer gCalcCellReplaceVariables;

namespace standards_timers {

// All 25 timers in the order above.
constexpr int kCount = 25;
Zrl_Timer* const* all();
// Forgets every timer's totals.
void resetAll();

} // namespace standards_timers
