#include "standards/standards_timers.h"

#include "platform/core/settings.h"

#define ZRLSS_DEFINE_TIMER(name) ZRLSS_EXPORT StandardsStepTimer name(L## #name)

ZRLSS_DEFINE_TIMER(gLoadFile);
ZRLSS_DEFINE_TIMER(gInitSSForInput);
ZRLSS_DEFINE_TIMER(gSSSGetFromMacro);
ZRLSS_DEFINE_TIMER(gInitMapping);
ZRLSS_DEFINE_TIMER(gInitFromMacro);
ZRLSS_DEFINE_TIMER(gSetMacroValuelsToSS);
ZRLSS_DEFINE_TIMER(gSSSreplaceGenVars);
ZRLSS_DEFINE_TIMER(gCalcMain);
ZRLSS_DEFINE_TIMER(gSetToMacro);
ZRLSS_DEFINE_TIMER(gGetFromVars);
ZRLSS_DEFINE_TIMER(gCalcChild);
ZRLSS_DEFINE_TIMER(gSetToVars);
ZRLSS_DEFINE_TIMER(gRegisterFuntions);
ZRLSS_DEFINE_TIMER(gFindDuplicates);
ZRLSS_DEFINE_TIMER(gCalcCells);
ZRLSS_DEFINE_TIMER(gCalcCellSplitSymbol);
ZRLSS_DEFINE_TIMER(gCalcCellFindVarCell);
ZRLSS_DEFINE_TIMER(gCalcCellFindFunctions);
ZRLSS_DEFINE_TIMER(gCalcCellCalcNativeFunctions);
ZRLSS_DEFINE_TIMER(gCalcCellCalcFunctionsPrepare);
ZRLSS_DEFINE_TIMER(gCalcCellCalcFunctions);
ZRLSS_DEFINE_TIMER(gCalcCellGetVarNames);
ZRLSS_DEFINE_TIMER(gCalcCellGetVarCoords);
ZRLSS_DEFINE_TIMER(gCalcCellGetVarCoordName);
ZRLSS_DEFINE_TIMER(gCalcCellReplaceVariables);

namespace {
bool stepTiming = false;
} // namespace

bool setStandardsStepTiming(bool on) {
    const bool was = stepTiming;
    stepTiming = on;
    return was;
}

namespace standards_timers {

bool timing() {
    return stepTiming || curDocSettings().standardsDiagnostics;
}

Zrl_Timer* const* all() {
    static Zrl_Timer* const timers[kCount] = {
        &gLoadFile,
        &gInitSSForInput,
        &gSSSGetFromMacro,
        &gInitMapping,
        &gInitFromMacro,
        &gSetMacroValuelsToSS,
        &gSSSreplaceGenVars,
        &gCalcMain,
        &gSetToMacro,
        &gGetFromVars,
        &gCalcChild,
        &gSetToVars,
        &gRegisterFuntions,
        &gFindDuplicates,
        &gCalcCells,
        &gCalcCellSplitSymbol,
        &gCalcCellFindVarCell,
        &gCalcCellFindFunctions,
        &gCalcCellCalcNativeFunctions,
        &gCalcCellCalcFunctionsPrepare,
        &gCalcCellCalcFunctions,
        &gCalcCellGetVarNames,
        &gCalcCellGetVarCoords,
        &gCalcCellGetVarCoordName,
        &gCalcCellReplaceVariables,
    };
    return timers;
}

void resetAll() {
    for (int i = 0; i < kCount; ++i)
        all()[i]->reset();
}

} // namespace standards_timers
