// File dialogs: the filter parser and the record of each dialog shown.
#include "platform/win/file_dialog.h"

#include "platform/win/backend.h"
#include "platform/win/detail_state.h"

namespace win {


std::vector<std::pair<std::wstring, std::wstring>> parseFileFilter(const std::wstring& filter) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t bar = filter.find(L'|', start);
        parts.push_back(filter.substr(start, bar == std::wstring::npos ? bar : bar - start));
        if (bar == std::wstring::npos) break;
        start = bar + 1;
    }
    std::vector<std::pair<std::wstring, std::wstring>> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;
        out.emplace_back(parts[i], parts[i + 1]);
    }
    return out;
}

FileDialogResult fileDialog(const FileDialogRequest& request) {
    auto& s = detail::state();
    FileDialogRecord record;
    record.save = request.save;
    record.title = request.title.empty() ? (request.save ? L"Save As" : L"Open") : request.title;
    record.fileName = request.fileName;
    const size_t recordIndex = s.shown.fileDialogs.size();
    s.shown.fileDialogs.push_back(record);
    FileDialogResult result = backend().fileDialog(request);
    s.shown.fileDialogs[recordIndex].paths = result.paths;
    return result;
}

} // namespace win
