#include "platform/core/rows_file.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"

namespace {

// A line that stands for a row holding one empty text (an empty line is a
// row without cells).
const wchar_t* const kOneEmptyCell = L"\\e";

void appendEscaped(std::wstring& out, const std::wstring& cell) {
    for (wchar_t ch : cell) {
        switch (ch) {
        case L'\\':
            out += L"\\\\";
            break;
        case L'\t':
            out += L"\\t";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\r':
            out += L"\\r";
            break;
        default:
            out += ch;
        }
    }
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
    std::wstring cell;
    const std::wstring& s = line.str();
    for (size_t i = 0; i < s.size(); ++i) {
        wchar_t ch = s[i];
        if (ch == L'\t') {
            row.append(Zrl_String(std::move(cell)));
            cell.clear();
        } else if (ch == L'\\' && i + 1 < s.size()) {
            wchar_t next = s[++i];
            switch (next) {
            case L't':
                cell += L'\t';
                break;
            case L'n':
                cell += L'\n';
                break;
            case L'r':
                cell += L'\r';
                break;
            case L'e':
                break;
            default:
                cell += next; // "\\" and any other escaped character
            }
        } else {
            cell += ch;
        }
    }
    row.append(Zrl_String(std::move(cell)));
    return row;
}

bool readFile(const Zrl_String& path, Zrl_String& name, Zrl_StringArrayArray& rows) {
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    Zrl_StringArrayArray out(lines.length());
    for (const Zrl_String& line : lines)
        out.append(decodeRow(line));
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
