// File dialogs answered by the scripted user.
#include "platform/win/file_dialog.h"

#include "platform/text/utf.h"
#include "platform/win/constants.h"
#include "platform/win/detail_state.h"
#include "platform/win/message_box.h"

#include <filesystem>

namespace win {

namespace {

bool exists(const std::wstring& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(zrltext::toUtf8(path)), ec);
}

// Adds ".ext" to a file name without an extension.
std::wstring withExtension(const std::wstring& path, const std::wstring& ext) {
    if (ext.empty()) return path;
    const size_t slash = path.find_last_of(L"/\\");
    const size_t name = slash == std::wstring::npos ? 0 : slash + 1;
    if (path.find(L'.', name) != std::wstring::npos || name == path.size()) return path;
    return path + L"." + ext;
}

} // namespace

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

    FileDialogResult result;
    while (!s.fileAnswers.empty()) {
        std::optional<std::vector<std::wstring>> answer = std::move(s.fileAnswers.front());
        s.fileAnswers.pop_front();
        if (!answer || answer->empty()) break;
        std::vector<std::wstring> paths = std::move(*answer);
        if (!request.multiSelect || request.save) paths.resize(1);
        for (auto& p : paths)
            p = withExtension(p, request.defaultExt);

        bool accepted = true;
        if (request.save && request.overwritePrompt && exists(paths.front())) {
            const int answerYes = messageBox(
                request.parent, paths.front() + L" already exists.\nDo you want to replace it?",
                record.title, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
            accepted = answerYes == IDYES;
        }
        if (!request.save && request.fileMustExist) {
            for (const auto& p : paths)
                if (accepted && !exists(p)) {
                    messageBox(request.parent,
                               p + L"\nFile not found.\nCheck the file name and try again.",
                               record.title, MB_OK | MB_ICONEXCLAMATION);
                    accepted = false;
                }
        }
        if (accepted) {
            result.ok = true;
            result.paths = std::move(paths);
            break;
        }
    }
    s.shown.fileDialogs[recordIndex].paths = result.paths;
    return result;
}

} // namespace win
