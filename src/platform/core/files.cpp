#include "platform/core/files.h"

#include "platform/core/paths.h"
#include "platform/core/text_lines.h"
#include "platform/text/fold.h"
#include "platform/text/utf.h"
#include "platform/files/replace_file.h"
#include "platform/files/read_file.h"

#include <algorithm>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// UTF-16 text after its byte order mark; an odd last byte is one U+FFFD.
std::wstring decodeUtf16(std::string_view bytes, bool littleEndian) {
    std::wstring out = zrltext::fromUtf16Bytes(bytes, littleEndian);
    if (bytes.size() % 2 != 0) out += static_cast<wchar_t>(0xFFFD);
    return out;
}


// Matches from pattern position p and name position n; "*" tries every
// split, so the cost is bounded by pattern length × name length.
bool globMatch(const std::wstring& pat, const std::wstring& name) {
    size_t p = 0, n = 0, starP = std::wstring::npos, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() &&
            (pat[p] == L'?' || zrltext::foldCase(pat[p]) == zrltext::foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pat.size() && pat[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::wstring::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == L'*')
        ++p;
    return p == pat.size();
}

struct Entry {
    Zrl_String name;
    fs::path path;
};

// The entries of a folder of one kind (files or folders), sorted by name
// without case. False when the folder cannot be read.
bool listFolder(const fs::path& folder, bool wantFolders, std::vector<Entry>& out) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return false;
        std::error_code kindEc;
        // Linked folders are not entered: a link back up would loop.
        bool isFolder = it->is_directory(kindEc) && !it->is_symlink(kindEc);
        bool isFile = it->is_regular_file(kindEc);
        if (wantFolders ? !isFolder : !isFile) continue;
        out.push_back({pathToText(it->path().filename()), it->path()});
    }
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) {
        int c = Zrl_String::compareNoCase(a.name.str(), b.name.str());
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return true;
}

bool findFiles(const fs::path& folder, const Zrl_String& prefix, const Zrl_String& pattern,
               bool recursive, int depth, Zrl_StringArray& files) {
    std::vector<Entry> entries;
    if (!listFolder(folder, false, entries)) return false;
    for (const Entry& e : entries) {
        if (matchesFilePattern(e.name, pattern)) files.append(prefix + e.name);
    }
    if (!recursive || depth > 256) return true;
    std::vector<Entry> folders;
    listFolder(folder, true, folders);
    for (const Entry& f : folders) {
        findFiles(f.path, prefix + f.name + L"\\", pattern, true, depth + 1, files);
    }
    return true;
}

} // namespace

std::wstring decodeText(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        return decodeUtf16(bytes.substr(2), true);
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
        return decodeUtf16(bytes.substr(2), false);
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::wstring utf8;
    if (zrltext::fromUtf8Strict(bytes, utf8)) return utf8;
    std::wstring latin1;
    latin1.reserve(bytes.size());
    for (char ch : bytes)
        latin1 += static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return latin1;
}

namespace {

bool isLineEnd(wchar_t ch) {
    return ch == L'\n' || ch == L'\r';
}

} // namespace

size_t countTextLines(std::wstring_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), isLineEnd)) + 1;
}

void forEachTextLine(std::wstring_view text, const std::function<void(std::wstring_view)>& fn) {
    // A plain scan (find_first_of searches its set anew at every character).
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = static_cast<size_t>(
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), isLineEnd) -
            text.begin());
        fn(text.substr(start, end - start));
        if (end == text.size()) break;
        start =
            end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);
    }
}

Zrl_StringArray decodeTextLines(std::string_view bytes) {
    const std::wstring text = decodeText(bytes);
    // Room for every line up front: the list grows in small steps otherwise.
    Zrl_StringArray lines(
        static_cast<int>(std::min<size_t>(countTextLines(text), size_t{1} << 24)));
    // Each line is moved in (append would copy it).
    forEachTextLine(text, [&lines](std::wstring_view line) {
        if (lines.length() == lines.physicalLength())
            lines.setPhysicalLength(std::max(8, lines.physicalLength() * 2));
        lines.setLogicalLength(lines.length() + 1);
        lines.last() = Zrl_String(std::wstring(line));
    });
    return lines;
}

bool readFileBytes(const fs::path& path, std::string& bytes, std::string* error) {
    return files::readWholeFile(path, bytes, error);
}

bool writeFileAtomically(const fs::path& path, std::string_view bytes) {
    return files::replaceFile(path, bytes);
}

bool ObjectExportReadFile(const Zrl_String& path, Zrl_StringArray& lines) {
    std::string bytes;
    if (!readFileBytes(resolvePath(path), bytes)) return false;
    lines = decodeTextLines(bytes);
    return true;
}

bool ObjectExportWriteFile(const Zrl_String& path, const Zrl_StringArray& lines) {
    std::string bytes;
    size_t size = 0;
    for (const Zrl_String& line : lines)
        size += static_cast<size_t>(line.length()) + 1;
    bytes.reserve(size);
    for (const Zrl_String& line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return writeFileAtomically(resolvePath(path), bytes);
}

bool matchesFilePattern(const Zrl_String& name, const Zrl_String& pattern) {
    // "*.*" stands for every name, with or without an extension.
    if (pattern.isEmpty() || pattern == L"*.*") return true;
    return globMatch(pattern.str(), name.str());
}

bool ObjectExportFindFiles(const Zrl_String& folder, const Zrl_String& pattern,
                           Zrl_StringArray& files) {
    Zrl_StringArray found;
    bool ok = findFiles(resolvePath(folder), ensureEndBSlash(folder), pattern, false, 0, found);
    files = std::move(found);
    return ok;
}

bool ObjectExportFindFilesRecursive(const Zrl_String& folder, const Zrl_String& pattern,
                                    Zrl_StringArray& files) {
    Zrl_StringArray found;
    bool ok = findFiles(resolvePath(folder), ensureEndBSlash(folder), pattern, true, 0, found);
    files = std::move(found);
    return ok;
}

bool ObjectExportCreateDirectory(const Zrl_String& folder) {
    const fs::path p = resolvePath(folder);
    std::error_code ec;
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec);
}

bool ObjectExportGetFileTime(const Zrl_String& path, std::int64_t& time) {
    std::error_code ec;
    auto t = fs::last_write_time(resolvePath(path), ec);
    if (ec) return false;
    time = std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
    return true;
}

bool deleteFile(const Zrl_String& path) {
    const fs::path p = resolvePath(path);
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(p, ec)) && !fs::is_symlink(p, ec)) return false;
    return fs::remove(p, ec) && !ec;
}

bool fileExists(const Zrl_String& path) {
    std::error_code ec;
    return fs::is_regular_file(resolvePath(path), ec);
}

bool folderExists(const Zrl_String& path) {
    std::error_code ec;
    return fs::is_directory(resolvePath(path), ec);
}

bool copyFile(const Zrl_String& from, const Zrl_String& to) {
    std::string bytes;
    return readFileBytes(resolvePath(from), bytes) && writeFileAtomically(resolvePath(to), bytes);
}
