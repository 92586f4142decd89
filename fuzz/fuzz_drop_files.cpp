// Feeds arbitrary bytes as the file list of a drop (what another program
// hands over). Every path read must be non-empty and without NUL, and the
// paths must survive being written and read again; nothing may crash.
#include "platform/win/clipboard.h"
#include "platform/win/drag_drop.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    win::DataObject dropped;
    dropped.setData(win::CF_HDROP, std::vector<std::uint8_t>(data, data + size));
    const std::vector<std::wstring> paths = dropped.files();
    for (const std::wstring& path : paths)
        if (path.empty() || path.find(L'\0') != std::wstring::npos) std::abort();
    win::DataObject again;
    again.setFiles(paths);
    if (again.files() != paths) std::abort();
    return 0;
}
