// Where the automation server and the identifiers file lie: in the folder of
// this module's own file.
#pragma once

#include <string>

namespace comreg {

// The folder of a module's file name, up to and including its last "\" or
// "/". Empty when the name has no folder (unknown, or no separator) or the
// folder is not absolute: a relative folder would make the registered
// server depend on the current folder of whichever program loads it.
std::wstring moduleFolder(const std::wstring& moduleFile);

// The folder of this module's own file, as the host loaded it (empty as
// above).
std::wstring ownModuleFolder();

} // namespace comreg
