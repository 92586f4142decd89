#include "platform/core/paths.h"

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool isSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}

int lastSeparator(const Zrl_String& path) {
    for (int i = path.length() - 1; i >= 0; --i) {
        if (isSeparator(path.at(i))) return i;
    }
    return -1;
}

// Position of the "." that starts the extension of the last component, -1
// when it has none.
int extensionDot(const Zrl_String& path) {
    const int nameStart = lastSeparator(path) + 1;
    for (int i = path.length() - 1; i > nameStart; --i) {
        if (path.at(i) == L'.') return i;
    }
    return -1;
}

fs::path fromUtf8(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The entry of `folder` whose name equals `name` without case; empty when none.
fs::path matchWithoutCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return {};
    const Zrl_String wanted = Zrl_String::fromUtf8(name);
    fs::path best;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::u8string entry = it->path().filename().u8string();
        Zrl_String text = Zrl_String::fromUtf8(std::string(entry.begin(), entry.end()));
        // The smallest matching name wins so that the choice does not depend
        // on the order the folder lists its entries in.
        if (text.equal(wanted, false) && (best.empty() || it->path().filename() < best))
            best = it->path().filename();
    }
    return best;
}

} // namespace

Zrl_String getPath(const Zrl_String& path) {
    return path.left(lastSeparator(path) + 1);
}

Zrl_String getFileName(const Zrl_String& path) {
    return path.getSubStringAt(lastSeparator(path) + 1);
}

Zrl_String removeExtension(const Zrl_String& path) {
    const int dot = extensionDot(path);
    return dot < 0 ? path : path.left(dot);
}

Zrl_String changeExtension(const Zrl_String& path, const Zrl_String& extension) {
    Zrl_String out = removeExtension(path);
    if (extension.isEmpty()) return out;
    if (extension.at(0) != L'.') out.append(L'.');
    return out.append(extension);
}

Zrl_String ensureEndBSlash(const Zrl_String& path) {
    if (path.isEmpty() || isSeparator(path.at(path.length() - 1))) return path;
    return path + L"\\";
}

fs::path resolvePath(const Zrl_String& path) {
    Zrl_String text = path;
    text.replaceSubString(L"\\", L"/", true);
    std::string utf8 = text.toUtf8();
    fs::path out;
    if (!utf8.empty() && utf8[0] == '/') out = "/";
    bool matching = true;
    size_t start = 0;
    std::error_code ec;
    while (start <= utf8.size()) {
        size_t end = utf8.find('/', start);
        if (end == std::string::npos) end = utf8.size();
        std::string part = utf8.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        fs::path next = out / fromUtf8(part);
        if (matching && part != "." && part != ".." && !fs::exists(next, ec)) {
            fs::path found = matchWithoutCase(out, part);
            if (found.empty()) {
                matching = false;
            } else {
                next = out / found;
            }
        }
        out = std::move(next);
    }
    // A folder path keeps its final separator.
    if (!utf8.empty() && utf8.back() == '/' && !out.empty() && out != "/") out += "/";
    return out;
}

Zrl_String pathToText(const fs::path& path) {
    std::u8string utf8 = path.u8string();
    return Zrl_String::fromUtf8(std::string(utf8.begin(), utf8.end()));
}
