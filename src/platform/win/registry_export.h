// Key trees of the registry written as .reg text, the form in which
// registry contents are shown to people and exchanged.
//
// The text is UTF-8: the line "Windows Registry Editor Version 5.00", a
// blank line, then for each key, in the order the keys were created (a key
// before the keys below it): "[HKEY_CLASSES_ROOT\path]" with the path as the
// key's names are spelled, the default value as @="value", the other values
// as "name"="value" (backslashes and double quotes escaped with a
// backslash), and a blank line. Lines end with LF.
#pragma once

#include "platform/win/registry.h"

#include <string>
#include <vector>

namespace win {

// The trees at `paths` below the root, in the order given; a path that is
// not there is left out (no trees: the header line and the blank line).
ZRLWIN_API std::string regExportText(RegistryRoot root, const std::vector<std::wstring>& paths);

} // namespace win
