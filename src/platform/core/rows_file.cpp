#include "platform/core/rows_file.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/text_lines.h"
#include "platform/text/utf.h"

#include <algorithm>
#include <cwchar>

namespace {

// A line that stands for a row holding one empty text (an empty line is a
// row without cells).
const wchar_t* const kOneEmptyCell = L"\\e";

// Characters written as a backslash and a letter, and those letters.
constexpr wchar_t kRaw[] = L"\\\t\n\r";
constexpr wchar_t kEscaped[] = L"\\tnr";

// Hands the cell to `plain` in runs that need no escape and to `escape` the
// letter of each character that does.
template <class Plain, class Escape>
void walkEscapes(std::wstring_view cell, Plain&& plain, Escape&& escape) {
    size_t run = 0;
    for (size_t i = 0; i < cell.size(); ++i) {
        const wchar_t ch = cell[i];
        if (ch != L'\\' && ch != L'\t' && ch != L'\n' && ch != L'\r') continue;
        plain(cell.substr(run, i - run));
        escape(kEscaped[std::wcschr(kRaw, ch) - kRaw]);
        run = i + 1;
    }
    plain(cell.substr(run));
}

void appendEscaped(std::wstring& out, std::wstring_view cell) {
    walkEscapes(
        cell, [&](std::wstring_view run) { out += run; },
        [&](wchar_t letter) {
            out += L'\\';
            out += letter;
        });
}

// The same as the file's UTF-8.
void appendEscapedUtf8(std::string& out, std::wstring_view cell) {
    walkEscapes(
        cell, [&](std::wstring_view run) { zrltext::appendUtf8(out, run); },
        [&](wchar_t letter) {
            out += '\\';
            out += static_cast<char>(letter);
        });
}

// The character an escape stands for; "\e" stands for nothing.
void appendUnescaped(std::wstring& out, wchar_t letter) {
    if (letter == L'e') return;
    const wchar_t* hit = std::wcschr(kEscaped, letter);
    out += (letter != L'\0' && hit) ? kRaw[hit - kEscaped] : letter;
}

} // namespace

Zrl_String encodeRow(const Zrl_StringArray& row) {
    if (row.length() == 1 && row[0].isEmpty()) return Zrl_String(kOneEmptyCell);
    std::wstring out;
    for (int i = 0; i < row.length(); ++i) {
        if (i > 0) out += L'\t';
        appendEscaped(out, row[i].str());
    }
    return Zrl_String(std::move(out));
}

void forEachRowCell(std::wstring_view s, const std::function<void(std::wstring_view)>& fn) {
    if (s.empty()) return;
    if (s == kOneEmptyCell) {
        fn({});
        return;
    }
    // A cell without escapes is handed over as a piece of the line.
    std::wstring unescaped;
    size_t start = 0;
    while (true) {
        size_t end = start;
        bool escaped = false;
        for (; end < s.size() && s[end] != L'\t'; ++end) {
            if (s[end] == L'\\') {
                escaped = true;
                ++end;
                if (end == s.size()) break;
            }
        }
        end = std::min(end, s.size());
        if (!escaped) {
            fn(s.substr(start, end - start));
        } else {
            unescaped.clear();
            for (size_t i = start; i < end; ++i) {
                if (s[i] == L'\\' && i + 1 < end)
                    appendUnescaped(unescaped, s[++i]);
                else
                    unescaped += s[i];
            }
            fn(unescaped);
        }
        if (end >= s.size()) break;
        start = end + 1;
    }
}

Zrl_StringArray decodeRow(std::wstring_view s) {
    Zrl_StringArray row;
    // The row is sized first and its cells moved in: appending copies each
    // text, and a table of thousands of rows is read cell by cell.
    // (An escaped character is never a tab.)
    int cells = s.empty() ? 0 : 1;
    for (size_t i = 0; i < s.size(); ++i)
        if (s[i] == L'\\')
            ++i;
        else if (s[i] == L'\t')
            ++cells;
    row.setLogicalLength(cells);
    int at = 0;
    forEachRowCell(s, [&](std::wstring_view cell) { row[at++] = Zrl_String(std::wstring(cell)); });
    return row;
}

Zrl_StringArray decodeRow(const Zrl_String& line) {
    return decodeRow(std::wstring_view(line.str()));
}

bool readFile(const Zrl_String& path, Zrl_String& name, Zrl_StringArrayArray& rows) {
    std::string bytes;
    if (!readFileBytes(resolvePath(path), bytes)) return false;
    const std::wstring text = decodeText(bytes);
    bytes = std::string();
    // Each line taken apart where it lies in the text: no copy of it is made.
    Zrl_StringArrayArray out;
    out.setPhysicalLength(static_cast<int>(std::min<size_t>(countTextLines(text), 1 << 24)));
    forEachTextLine(text, [&out](std::wstring_view line) {
        if (out.length() == out.physicalLength())
            out.setPhysicalLength(std::max(8, out.physicalLength() * 2));
        out.setLogicalLength(out.length() + 1);
        out.last() = decodeRow(line); // moved, not copied as append would
    });
    rows = std::move(out);
    // The name as the file is called on disk, whatever case the caller used.
    name = removeExtension(pathToText(resolvePath(path).filename()));
    return true;
}

void RowsFileText::add(const Zrl_StringArray& row) {
    if (row.length() == 1 && row[0].isEmpty()) {
        zrltext::appendUtf8(bytes_, kOneEmptyCell);
    } else {
        for (int i = 0; i < row.length(); ++i) {
            if (i > 0) bytes_ += '\t';
            appendEscapedUtf8(bytes_, row[i].str());
        }
    }
    bytes_ += '\n';
}

bool RowsFileText::writeTo(const Zrl_String& path) const {
    return writeFileAtomically(resolvePath(path), bytes_);
}

bool writeFile(const Zrl_String& path, const Zrl_StringArrayArray& rows) {
    RowsFileText text;
    for (const Zrl_StringArray& row : rows)
        text.add(row);
    return text.writeTo(path);
}
