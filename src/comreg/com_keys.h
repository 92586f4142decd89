// The registry keys of the automation server under HKEY_CLASSES_ROOT: the
// values registration writes, and the check that every key written or
// deleted lies within one of the product's own trees.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace comreg {

// One default string value that registration writes.
struct ComEntry {
    std::wstring path;
    std::wstring value;
};

// The values of a registration, in order: the type library's three, then
// three per class, then three per interface (3 + 19 x 3 + 14 x 3 = 102).
std::vector<ComEntry> registrationEntries(const std::wstring& serverPath);

// True when `path` is one of the product's trees ("CLSID\{class}") or a
// subkey that registration writes in it ("CLSID\{class}\InProcServer32"):
// a root, an identifier of the table under that root, and that root's
// subkeys, names compared without case. Everything else is refused: a bare
// root, "CLSID\" (what a path built from an identifier without text would
// be), a malformed or foreign identifier, another subkey, empty parts.
bool isProductKeyPath(std::wstring_view path);

} // namespace comreg
