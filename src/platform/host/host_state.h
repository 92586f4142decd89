// Resetting the host stand-in between tests: the call log, posted commands,
// the print sink, the drawing with its selection sets, picks and transient
// graphics, open transactions, registered commands and the dynamic linker's
// applications.
#pragma once

#include "platform/host/host_api.h"

namespace host {

ZRLHOST_API void resetHostState();

} // namespace host
