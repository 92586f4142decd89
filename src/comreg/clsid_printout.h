// The printout of the server's identifiers: a declaration of each class
// identifier for the host's command line, and the lines of the identifiers
// file "RegistryIDs.dat".
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <optional>
#include <string>
#include <string_view>

namespace comreg {

// "const cCLSID CLSID_<name> = {0x0AB0B67A,0x609D,0x4B28,{0x8D,0x58,...}};"
// made from the groups and digit pairs of the identifier's text form;
// nullopt when `idText` is not an identifier's text (such an identifier is
// left out of the printout).
std::optional<std::wstring> clsidDeclaration(std::wstring_view className, std::wstring_view idText);

// The lines of the identifiers file, 34: "TypeLib_={lib}", then
// "Class_<name>={class}" for each class, "Interface_<name>={interface}" for
// each interface.
Zrl_StringArray registryIdLines();

} // namespace comreg
