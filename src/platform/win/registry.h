// The registry: keys with string values under the roots HKEY_LOCAL_MACHINE,
// HKEY_CLASSES_ROOT and HKEY_CURRENT_USER, kept in a JSON file.
//
// Key paths are separated by backslashes ("Software\\Vendor\\Product");
// key and value names compare without case and keep the case they were
// created with. The empty value name is the key's default value.
//
// The file is, in this order of precedence: the path given to
// setRegistryPath; the environment variable ZRLSS_REGISTRY;
// $XDG_CONFIG_HOME/zrlss/registry.json; $HOME/.config/zrlss/registry.json.
// It is read on first use (and again by reloadRegistry) and rewritten whole
// after every change: written beside it, then renamed over it, so that it is
// never left half written. When writing fails the change is undone in memory
// too and the call answers false. A file that exists but cannot be read (bad
// JSON) is never overwritten: reads see an empty registry, writes answer
// false, registryError() says why.
#pragma once

#include "platform/win/types.h"

#include <optional>
#include <string>
#include <vector>

namespace win {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };
inline constexpr RegistryRoot HKEY_CLASSES_ROOT = RegistryRoot::ClassesRoot;
inline constexpr RegistryRoot HKEY_CURRENT_USER = RegistryRoot::CurrentUser;
inline constexpr RegistryRoot HKEY_LOCAL_MACHINE = RegistryRoot::LocalMachine;

// Creates the key and the keys above it. True when it exists afterwards.
ZRLWIN_API bool regCreateKey(RegistryRoot root, const std::wstring& path);
ZRLWIN_API bool regKeyExists(RegistryRoot root, const std::wstring& path);
// Sets a string value (name "" = default value), creating the key.
ZRLWIN_API bool regSetString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                             const std::wstring& value);
// nullopt when the key or the value does not exist.
ZRLWIN_API std::optional<std::wstring> regGetString(RegistryRoot root, const std::wstring& path,
                                                    const std::wstring& name);
// False when the value did not exist (or the file could not be written).
ZRLWIN_API bool regDeleteValue(RegistryRoot root, const std::wstring& path,
                               const std::wstring& name);
// Deletes the key with all keys and values below it. False when it did not
// exist (or the file could not be written). An empty path is refused.
ZRLWIN_API bool regDeleteTree(RegistryRoot root, const std::wstring& path);
// Names of the direct subkeys and of the values of a key, in the order created.
ZRLWIN_API std::vector<std::wstring> regSubKeys(RegistryRoot root, const std::wstring& path);
ZRLWIN_API std::vector<std::wstring> regValueNames(RegistryRoot root, const std::wstring& path);

// Uses this file from now on (empty: back to the environment and default);
// the registry is read again from it on next use.
ZRLWIN_API void setRegistryPath(const std::wstring& path);
ZRLWIN_API std::wstring registryPath();
// Forgets what is in memory and reads the file again (as after a restart).
// False when the file exists but cannot be read.
ZRLWIN_API bool reloadRegistry();
// Why the file could not be read or written last; empty when all is well.
ZRLWIN_API std::wstring registryError();

} // namespace win
