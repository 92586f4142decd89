#include "platform/host/host_state.h"

#include "platform/host/call_log.h"
#include "platform/host/command_line.h"
#include "platform/host/rx_registry.h"
#include "platform/host/selection_sets.h"
#include "platform/host/transactions.h"
#include "platform/host/transients.h"

namespace host {

void resetHostState() {
    clearCallLog();
    clearPostedCommands();
    setPrintSink({});
    clearDrawing();
    clearTransients();
    acdbTransactionManager()->reset();
    acedRegCmds()->clear();
    acrxDynamicLinker()->clear();
}

} // namespace host
