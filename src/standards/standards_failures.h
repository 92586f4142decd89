// What went wrong in a standards evaluation, told to whoever asked to hear
// it: an equation that failed, a look-up that found nothing, an input or
// output that could not be transferred. The evaluation itself goes on as
// before (a failed equation keeps its variable's old value); a caller that
// must not hand on numbers worked out from such faults installs a sink.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_string.h"

struct StandardsFailure {
    // The sheet file, and the sheet line of the equation (0: not an equation).
    Zrl_String file;
    int line = 0;
    // "name = expression" as written, or the variable's name.
    Zrl_String equation;
    // One line: why.
    Zrl_String reason;
};

using StandardsFailureSink = void (*)(const StandardsFailure& failure, void* context);

// Installs the sink every failure of this thread's evaluations goes to (null:
// none, the default). Returns the sink it replaces.
ZRLSS_EXPORT StandardsFailureSink setStandardsFailureSink(StandardsFailureSink sink,
                                                          void* context);

// Hands one failure to the sink, if any.
void reportStandardsFailure(const StandardsFailure& failure);
bool standardsFailureSinkSet();

// A look-up function's note of why it found nothing (a data file missing, a
// key not found); the equation being computed takes it as its reason.
void noteLookupFault(const Zrl_String& reason);
// The note since the last call, then cleared.
Zrl_String takeLookupFault();
