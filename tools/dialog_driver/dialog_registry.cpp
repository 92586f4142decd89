// The registry of dialogs and the small helpers its entries share.
#include "dialog_registry.h"

#include "platform/core/record_json.h"

#include <algorithm>
#include <filesystem>

namespace dialogs {

namespace {

std::vector<DialogEntry>& entries() {
    static std::vector<DialogEntry> list;
    return list;
}

} // namespace

DialogRegistrar::DialogRegistrar(DialogEntry entry) {
    auto& list = entries();
    const auto at = std::lower_bound(
        list.begin(), list.end(), entry.name,
        [](const DialogEntry& e, const std::string& name) { return e.name < name; });
    list.insert(at, std::move(entry));
}

const std::vector<DialogEntry>& registeredDialogs() {
    return entries();
}

const DialogEntry* findDialog(std::string_view name) {
    for (const DialogEntry& e : entries())
        if (e.name == name) return &e;
    return nullptr;
}

bool RecordSession::prepare(const std::string* text, const DialogOptions& options,
                            std::string& error) {
    options_ = options;
    if (!setUp(options, error)) return false;
    if (text == nullptr) return true;
    nlohmann::json root;
    if (!RecordReader::parse(*text, root, error)) return false;
    RecordReader reader(root, error);
    return readFields(root, reader, error);
}

bool RecordSession::setUp(const DialogOptions& options, std::string& error) {
    return refuseSheet(options, error);
}

std::string resolveFrom(const DialogOptions& options, const std::string& name) {
    const std::filesystem::path path(name);
    if (name.empty() || path.is_absolute() || options.baseDir.empty()) return name;
    return (std::filesystem::path(options.baseDir) / path).lexically_normal().string();
}

nlohmann::json endCodeJson(long long code) {
    if (code == 1) return "IDOK";
    if (code == 2) return "IDCANCEL";
    return code;
}

bool refuseSheet(const DialogOptions& options, std::string& error) {
    if (options.sheet.empty()) return true;
    error = "--sheet: this dialog works on no sheet";
    return false;
}

} // namespace dialogs
