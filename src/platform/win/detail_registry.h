// Internal: the registry's keys in memory, for the parts of the registry
// kept in files of their own (batches, .reg export). Not part of the
// interface.
#pragma once

#include "platform/win/registry.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace win::detail {

struct RegKey {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> values; // in the order created
    std::vector<RegKey> keys;                                  // in the order created

    // The direct subkey with this name (compared without case), or null.
    RegKey* sub(const std::wstring& n);
    const RegKey* sub(const std::wstring& n) const;
};

using RegRoots = std::array<RegKey, 3>;

// The name of a root as written in files ("HKEY_CLASSES_ROOT").
const char* regRootName(RegistryRoot root);
// The parts of a key path; empty parts (doubled or outer backslashes) dropped.
std::vector<std::wstring> splitRegPath(const std::wstring& path);
// The key at the path below `from`, or null.
const RegKey* findRegKey(const RegKey& from, const std::wstring& path);
// The key at the path below `from`, created with the keys above it.
RegKey* makeRegKey(RegKey& from, const std::wstring& path);
// Deletes the key at the path parts below `from` with everything below it;
// false when it is not there (or no part is given).
bool eraseRegTree(RegKey& from, const std::vector<std::wstring>& parts);
// Sets a value of the key (name "" = default). False when it held that
// value already.
bool setRegValue(RegKey& key, const std::wstring& name, const std::wstring& value);

// The roots as read from the file (on first use); null when the file
// exists but cannot be read.
RegRoots* registryRoots();
// Writes the roots to the file; false, with registryError() set, when it
// cannot be written (the caller puts the roots back).
bool saveRegistry();

} // namespace win::detail
