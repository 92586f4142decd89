#include "platform/win/registry_export.h"

#include "platform/text/utf.h"
#include "platform/win/detail_registry.h"

namespace win {

namespace {

using detail::RegKey;

void appendQuoted(std::string& out, const std::wstring& text) {
    out += '"';
    for (char ch : zrltext::toUtf8(text)) {
        if (ch == '\\' || ch == '"') out += '\\';
        out += ch;
    }
    out += '"';
}

void appendTree(std::string& out, const RegKey& key, std::string& path) {
    out += '[';
    out += path;
    out += "]\n";
    // The default value first, as it is always shown.
    for (const auto& [name, value] : key.values)
        if (name.empty()) {
            out += "@=";
            appendQuoted(out, value);
            out += '\n';
        }
    for (const auto& [name, value] : key.values)
        if (!name.empty()) {
            appendQuoted(out, name);
            out += '=';
            appendQuoted(out, value);
            out += '\n';
        }
    out += '\n';
    const size_t length = path.size();
    for (const RegKey& sub : key.keys) {
        path += '\\';
        path += zrltext::toUtf8(sub.name);
        appendTree(out, sub, path);
        path.resize(length);
    }
}

} // namespace

std::string regExportText(RegistryRoot root, const std::vector<std::wstring>& paths) {
    std::string out = "Windows Registry Editor Version 5.00\n\n";
    const detail::RegRoots* roots = detail::registryRoots();
    if (!roots) return out;
    for (const std::wstring& wanted : paths) {
        // Walked part by part, so that the path is written as the keys spell it.
        const RegKey* key = &(*roots)[static_cast<size_t>(root)];
        std::string path = detail::regRootName(root);
        const std::vector<std::wstring> parts = detail::splitRegPath(wanted);
        for (const std::wstring& part : parts) {
            if (!(key = key->sub(part))) break;
            path += '\\';
            path += zrltext::toUtf8(key->name);
        }
        if (key && !parts.empty()) appendTree(out, *key, path);
    }
    return out;
}

} // namespace win
