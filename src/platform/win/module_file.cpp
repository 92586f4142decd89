#include "platform/win/module_file.h"

#include <map>

namespace win {

namespace {
std::map<ModuleHandle, std::wstring>& fileNames() {
    static auto* const names = new std::map<ModuleHandle, std::wstring>;
    return *names;
}
} // namespace

bool setModuleFileName(ModuleHandle module, const std::wstring& path) {
    if (moduleName(module).empty()) return false;
    fileNames()[module] = path;
    return true;
}

std::wstring moduleFileName(ModuleHandle module) {
    const auto it = fileNames().find(module);
    return it == fileNames().end() ? std::wstring() : it->second;
}

} // namespace win
