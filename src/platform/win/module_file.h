// The file each module was loaded from, as the host's loader records it:
// the stand-in of asking the system for a module's own file name.
#pragma once

#include "platform/win/resources.h"
#include "platform/win/types.h"

#include <string>

namespace win {

// Records the full path of the module's file (the loader does this when it
// loads a module; tests and the stand-in host may set another). False, and
// nothing recorded, for an unknown module.
ZRLWIN_API bool setModuleFileName(ModuleHandle module, const std::wstring& path);
// The recorded path; empty for an unknown module or one loaded from no file.
ZRLWIN_API std::wstring moduleFileName(ModuleHandle module);

} // namespace win
