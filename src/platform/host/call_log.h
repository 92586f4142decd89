// The host's call log: every host function the module calls is recorded here
// with its arguments as texts, in call order, so that a test can assert what
// the module asked of the host.
#pragma once

#include "platform/host/host_api.h"

#include <string>
#include <vector>

namespace host {

struct HostCall {
    std::string name;               // the host function, e.g. "acedPostCommand"
    std::vector<std::wstring> args; // its arguments, formatted as texts
};

// Appends one call to the log.
ZRLHOST_API void recordCall(std::string name, std::vector<std::wstring> args = {});

ZRLHOST_API const std::vector<HostCall>& callLog();
ZRLHOST_API void clearCallLog();

// The names of the logged calls, in order.
ZRLHOST_API std::vector<std::string> callNames();
// How many logged calls have this name.
ZRLHOST_API int countCalls(const std::string& name);
// The last logged call of this name, or null when there is none.
ZRLHOST_API const HostCall* lastCall(const std::string& name);

// Formats a pointer the way the log shows it ("0x..." or "null").
ZRLHOST_API std::wstring pointerText(const void* p);

} // namespace host
