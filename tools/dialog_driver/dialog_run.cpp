// Running a registered dialog with a record and an action script.
#include "dialog_run.h"

#include "pictures.h"
#include "platform/paint/png_file.h"
#include "platform/core/settings.h"
#include "platform/core/zrl_string.h"
#include "platform/host/command_line.h"
#include "platform/win/registry.h"
#include "platform/win/script.h"
#include "platform/win/script_play.h"

#include <algorithm>
#include <filesystem>

namespace dialogs {

namespace {

using nlohmann::json;

std::string utf8(const std::wstring& text) {
    return Zrl_String(text).toUtf8();
}

// A message box answer by the name a script gives it.
json answerName(int answer) {
    static const char* const names[] = {"",      "OK",     "CANCEL", "ABORT",
                                        "RETRY", "IGNORE", "YES",    "NO"};
    if (answer > 0 && answer < static_cast<int>(std::size(names))) return names[answer];
    return answer;
}

json texts(const std::vector<std::wstring>& list) {
    json out = json::array();
    for (const std::wstring& t : list)
        out.push_back(utf8(t));
    return out;
}

// What the dialogs showed, kind by kind: dialogs opened, message boxes with
// their answers, file dialogs, menus, the lines printed on the host's command
// line, then the notes and errors of the run.
json shownJson(const win::Shown& shown, const std::wstring& printed,
               const std::vector<std::string>& notes) {
    json list = json::array();
    for (const std::wstring& caption : shown.dialogs)
        list.push_back({{"dialog", utf8(caption)}});
    for (const win::MessageBoxRecord& box : shown.messageBoxes)
        list.push_back({{"box", utf8(box.text)},
                        {"caption", utf8(box.caption)},
                        {"answer", answerName(box.answer)}});
    for (const win::FileDialogRecord& file : shown.fileDialogs) {
        json answer = file.paths.empty() ? json("cancel") : texts(file.paths);
        list.push_back({{"file", utf8(file.title)}, {"save", file.save}, {"answer", answer}});
    }
    for (const win::MenuRecord& menu : shown.menus) {
        json chosen = menu.chosen == 0 ? json("dismiss") : json(menu.chosen);
        list.push_back({{"menu", texts(menu.items)}, {"chosen", chosen}});
    }
    size_t start = 0;
    while (start < printed.size()) {
        const size_t end = std::min(printed.find(L'\n', start), printed.size());
        if (end > start) list.push_back({{"printed", utf8(printed.substr(start, end - start))}});
        start = end + 1;
    }
    for (const std::string& note : notes)
        list.push_back({{"note", note}});
    for (const std::wstring& error : shown.errors)
        list.push_back({{"error", utf8(error)}});
    return list;
}

// What the dialogs remember kept in a folder of the caller's for the run.
class SettingsScope {
public:
    explicit SettingsScope(const std::string& folder) : active_(!folder.empty()) {
        if (!active_) return;
        const std::filesystem::path path(folder);
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8(path.string()));
        win::setRegistryPath((path / "registry.json").wstring());
        win::reloadRegistry();
    }
    ~SettingsScope() {
        if (!active_) return;
        Zrl_Settings::setConfigDir(Zrl_String());
        win::setRegistryPath(L"");
        win::reloadRegistry();
    }
    SettingsScope(const SettingsScope&) = delete;
    SettingsScope& operator=(const SettingsScope&) = delete;

private:
    bool active_;
};

DialogRun refused(int status, std::string message, int line = 0) {
    DialogRun run;
    run.status = status;
    run.message = std::move(message);
    run.line = line;
    return run;
}

} // namespace

DialogRun runDialog(const DialogRequest& request) {
    const DialogEntry* entry = findDialog(request.name);
    if (!entry) return refused(kRunRefused, "no dialog named \"" + request.name + "\"");

    win::ParsedScript parsed;
    if (request.script) {
        const win::ScriptResult r = win::parseScript(*request.script, parsed);
        if (!r.ok()) return refused(r.status, r.message, r.line);
    }
    std::unique_ptr<DialogSession> session = entry->session();
    std::string error;
    if (!session->prepare(request.record ? &*request.record : nullptr, request.options, error))
        return refused(kRunRefused, error);

    if (request.scale < 1 || request.scale > 4)
        return refused(kRunRefused, "--scale: a whole number from 1 to 4");

    const SettingsScope settings(request.settings);
    win::script().reset();
    DialogRun run;
    // What the dialogs print goes to the shown list, not to the caller's output.
    host::PrintCapture printed;
    // Grids are drawn on screen and in pictures alike, and worked in a window.
    const GridPainterScope grids;
    PictureBackend pictures(request.scale);
    std::optional<win::BackendScope> drawing;
    if (!request.png.empty()) drawing.emplace(pictures);
    const win::ScriptResult r = win::playScript(parsed, [&] {
        run.result = session->start();
        pictures.finish();
    });
    drawing.reset();
    run.shown = shownJson(win::script().shown(), printed.text(), r.notes);
    if (!r.ok()) {
        run.status = r.status;
        run.message = r.message;
        run.line = r.line;
        run.result = nullptr;
        return run;
    }
    if (!request.png.empty()) {
        std::string error;
        if (!pictures.png()) return refused(kRunFailed, "--png: the run opened no dialog");
        if (!paint::savePng(request.png, *pictures.png(), error))
            return refused(kRunFailed, "--png: " + error);
        run.faults = pictures.faults();
    }
    run.record = session->record();
    return run;
}

} // namespace dialogs
