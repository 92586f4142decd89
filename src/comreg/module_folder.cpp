#include "comreg/module_folder.h"

#include "frame/library_instance.h"
#include "platform/win/module_file.h"

namespace comreg {

namespace {

bool isSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}

// "/x", "\\server\x", "C:\x" or "C:/x".
bool isAbsolute(const std::wstring& folder) {
    if (!folder.empty() && isSeparator(folder[0])) return true;
    const bool driveLetter = folder.size() >= 3 && ((folder[0] >= L'A' && folder[0] <= L'Z') ||
                                                    (folder[0] >= L'a' && folder[0] <= L'z'));
    return driveLetter && folder[1] == L':' && isSeparator(folder[2]);
}

} // namespace

std::wstring moduleFolder(const std::wstring& moduleFile) {
    const size_t last = moduleFile.find_last_of(L"\\/");
    if (last == std::wstring::npos) return {};
    std::wstring folder = moduleFile.substr(0, last + 1);
    return isAbsolute(folder) ? folder : std::wstring();
}

std::wstring ownModuleFolder() {
    return moduleFolder(win::moduleFileName(zrlss::libraryModule()));
}

} // namespace comreg
