// The host's product name and release number, as its services report them.
// Other programs recognise drag data from the host by a registered data
// format whose name is built from the two ("%ls.r%d").
#pragma once

#include "platform/host/host_api.h"

#include <string>

namespace host {

ZRLHOST_API std::wstring productName();
ZRLHOST_API int productRelease();
// The name of the host's drag-and-drop data format, e.g. L"DraftHost.r24".
ZRLHOST_API std::wstring dragFormatName();

} // namespace host
