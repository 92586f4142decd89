// The names a module's shared library exports: the defined symbols of its
// dynamic symbol table, read from the ELF file, demangled.
#pragma once

#include "platform/host/host_api.h"

#include <string>
#include <vector>

namespace host {

// The demangled names of the library's defined dynamic symbols, sorted and
// without repeats (a constructor's variants give one name). On failure
// (missing file, no 64-bit ELF shared library, damaged tables): empty, and
// `error` holds a one-line reason.
ZRLHOST_API std::vector<std::string> listModuleExports(const std::string& path, std::string& error);

// A symbol name demangled; the name itself when it is no C++ name.
ZRLHOST_API std::string demangle(const char* name);

} // namespace host
