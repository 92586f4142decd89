// Internal: the registry's keys in memory, for the parts of the registry
// kept in files of their own (batches, .reg export). Not part of the
// interface.
#pragma once

#include "platform/win/registry.h"

#include <array>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace win::detail {

struct RegKey {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> values; // in the order created
    std::vector<RegKey> keys;                                  // in the order created

    // The direct subkey with this name (compared without case), or null;
    // the first one when the file held the name twice.
    RegKey* sub(const std::wstring& n);
    const RegKey* sub(const std::wstring& n) const;
    // Appends a subkey whose name is not among the keys yet.
    RegKey& addSub(const std::wstring& n);
    // Removes the subkey at this position in `keys`.
    void eraseSub(std::size_t at);

private:
    // Positions in `keys` by name folded to lower case, made on the first
    // look-up in a key with many subkeys (a class root holds thousands), so
    // that a look-up does not compare the name with every subkey. `keys` is
    // changed only through addSub and eraseSub, which keep it right.
    mutable std::unordered_map<std::wstring, std::size_t> index_;
    mutable bool indexed_ = false;
    mutable bool twice_ = false; // a name is held twice (read so from a file)
    void makeIndex() const;
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
