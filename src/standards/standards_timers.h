// The profiling timers of the standards engine, one per step of an
// evaluation. They are exported so that the core module (and the zrlss
// command) can read and reset them; each is started at the beginning of its
// step and ended at its end, so a step that fails leaves its interval
// uncounted.
#pragma once

#include "frame/export.h"
#include "platform/core/timers.h"

// Loading the sheet file.
ZRLSS_EXPORT extern Zrl_Timer gLoadFile;
// Mode 0: general variables and declarations; the fetch from the macro with
// its mapping set-up and value transfer; values into the sheet; general
// variable names replaced; calculation and outputs read back; outputs into
// the macro.
ZRLSS_EXPORT extern Zrl_Timer gInitSSForInput;
ZRLSS_EXPORT extern Zrl_Timer gSSSGetFromMacro;
ZRLSS_EXPORT extern Zrl_Timer gInitMapping;
ZRLSS_EXPORT extern Zrl_Timer gInitFromMacro;
ZRLSS_EXPORT extern Zrl_Timer gSetMacroValuelsToSS;
ZRLSS_EXPORT extern Zrl_Timer gSSSreplaceGenVars;
ZRLSS_EXPORT extern Zrl_Timer gCalcMain;
ZRLSS_EXPORT extern Zrl_Timer gSetToMacro;
// Mode 1: preparation from the given variables; calculation; outputs into
// the given list.
ZRLSS_EXPORT extern Zrl_Timer gGetFromVars;
ZRLSS_EXPORT extern Zrl_Timer gCalcChild;
ZRLSS_EXPORT extern Zrl_Timer gSetToVars;
// The calculation area.
ZRLSS_EXPORT extern Zrl_Timer gRegisterFuntions;
ZRLSS_EXPORT extern Zrl_Timer gFindDuplicates;
ZRLSS_EXPORT extern Zrl_Timer gCalcCells;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellSplitSymbol;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellFindVarCell;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellFindFunctions;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellCalcNativeFunctions;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellCalcFunctionsPrepare;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellCalcFunctions;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellGetVarNames;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellGetVarCoords;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellGetVarCoordName;
ZRLSS_EXPORT extern Zrl_Timer gCalcCellReplaceVariables;

namespace standards_timers {

// All 25 timers in the order above.
constexpr int kCount = 25;
Zrl_Timer* const* all();
// Forgets every timer's totals.
void resetAll();

} // namespace standards_timers
