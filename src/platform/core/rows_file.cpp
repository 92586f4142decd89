#include "platform/core/rows_file.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"

#include <algorithm>
#include <cwchar>

namespace {

// A line that stands for a row holding one empty text (an empty line is a
// row without cells).
const wchar_t* const kOneEmptyCell = L"\\e";

// Characters written as a backslash and a letter, and those letters.
constexpr wchar_t kRaw[] = L"\\\t\n\r";
constexpr wchar_t kEscaped[] = L"\\tnr";

void appendEscaped(std::wstring& out, const std::wstring& cell) {
    for (wchar_t ch : cell) {
        const wchar_t* hit = std::wcschr(kRaw, ch);
        if (ch != L'\0' && hit) {
            out += L'\\';
            out += kEscaped[hit - kRaw];
        } else {
            out += ch;
        }
    }
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

Zrl_StringArray decodeRow(const Zrl_String& line) {
    Zrl_StringArray row;
    if (line.isEmpty()) return row;
    if (line == kOneEmptyCell) {
        row.append(Zrl_String());
        return row;
    }
    const std::wstring& s = line.str();
    // The row is sized first and its cells moved in: appending copies each
    // text, and a table of thousands of rows is read cell by cell.
    // (An escaped character is never a tab.)
    int cells = 1;
    for (size_t i = 0; i < s.size(); ++i)
        if (s[i] == L'\\')
            ++i;
        else if (s[i] == L'\t')
            ++cells;
    row.setLogicalLength(cells);
    // Each cell is made at its final size in one allocation: a cell without
    // escapes is a plain piece of the line.
    int at = 0;
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
        std::wstring cell;
        if (!escaped) {
            cell.assign(s, start, end - start);
        } else {
            cell.reserve(end - start);
            for (size_t i = start; i < end; ++i) {
                if (s[i] == L'\\' && i + 1 < end)
                    appendUnescaped(cell, s[++i]);
                else
                    cell += s[i];
            }
        }
        row[at++] = Zrl_String(std::move(cell));
        if (end >= s.size()) break;
        start = end + 1;
    }
    return row;
}

bool readFile(const Zrl_String& path, Zrl_String& name, Zrl_StringArrayArray& rows) {
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    Zrl_StringArrayArray out;
    out.setLogicalLength(lines.length());
    for (int i = 0; i < lines.length(); ++i)
        out[i] = decodeRow(lines[i]); // moved, not copied as append would
    rows = std::move(out);
    // The name as the file is called on disk, whatever case the caller used.
    name = removeExtension(pathToText(resolvePath(path).filename()));
    return true;
}

bool writeFile(const Zrl_String& path, const Zrl_StringArrayArray& rows) {
    Zrl_StringArray lines(rows.length());
    for (const Zrl_StringArray& row : rows)
        lines.append(encodeRow(row));
    return ObjectExportWriteFile(path, lines);
}
