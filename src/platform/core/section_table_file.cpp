// Section table files: paths, shape and languages, reading, writing, checks.
#include "platform/core/section_table_file.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/rows_file.h"
#include "platform/core/settings.h"
#include "platform/core/zrl_string_index.h"

namespace {

constexpr int kFirstLanguageColumn = 2;
constexpr int kKoreanColumn = 6;
constexpr int kLastShape = 24;

Zrl_String rowLabel(int fileRow) { return L"row " + Zrl_String(fileRow); }

} // namespace

Zrl_String sectionTableFolder() { return Zrl_Settings::libDir() + L"prof\\"; }

Zrl_String sectionTablePath(const Zrl_String& tableName) {
    Zrl_String path = sectionTableFolder() + tableName;
    if (!tableName.endsWith(L".pr", false)) path += L".pr";
    return path;
}

Zrl_StringArray sectionTableNames() {
    Zrl_StringArray files;
    Zrl_StringArray names;
    if (!ObjectExportFindFiles(sectionTableFolder(), L"*.pr", files)) return names;
    for (const Zrl_String& file : files)
        names.append(removeExtension(getFileName(file)));
    sortArray(names, false);
    return names;
}

int sectionLanguageCount(const Zrl_StringArray& headers) {
    return headers.length() > kKoreanColumn && headers[kKoreanColumn].equal(L"Korean", false) ? 5
                                                                                               : 4;
}

int sectionShapeNumber(const Zrl_String& picture) {
    const Zrl_String t = picture.trimmed();
    if (t.isEmpty() || t.length() > 2) return 0;
    for (wchar_t ch : t.str())
        if (ch < L'0' || ch > L'9') return 0;
    const int shape = t.toInt();
    return shape >= 1 && shape <= kLastShape ? shape : 0;
}

bool isSectionShape(const Zrl_String& picture) {
    if (picture.endsWith(L".dwg", false)) return picture.length() > 4;
    return sectionShapeNumber(picture) != 0;
}

void splitSectionRows(Zrl_StringArrayArray& rows, Zrl_String& picture, Zrl_StringArray& headers) {
    if (rows.length() < 2) return;
    if (!rows[0].isEmpty()) picture = rows[0][0];
    headers = std::move(rows[1]);
    rows.removeSubArray(0, 1);
}

Zrl_StringArrayArray joinSectionRows(const Zrl_String& picture, const Zrl_StringArray& headers,
                                     const Zrl_StringArrayArray& rows) {
    Zrl_StringArrayArray all(rows.length() + 2);
    Zrl_StringArray shape;
    shape.append(picture);
    all.append(shape);
    all.append(headers);
    for (const Zrl_StringArray& row : rows)
        all.append(row);
    return all;
}

bool readSectionTableFile(const Zrl_String& path, SectionTableFile& table, Zrl_String& name,
                          Zrl_String* error) {
    Zrl_StringArrayArray rows;
    Zrl_String read;
    if (!readFile(path, read, rows)) {
        if (error) *error = (fileExists(path) ? L"cannot be read: " : L"no such table: ") + path;
        return false;
    }
    name = read;
    splitSectionRows(rows, table.picture, table.headers);
    table.rows = std::move(rows);
    return true;
}

bool writeSectionTableFile(const Zrl_String& path, const Zrl_String& picture,
                           const Zrl_StringArray& headers, const Zrl_StringArrayArray& rows,
                           Zrl_String* error) {
    // Written straight from the table's parts: no joined copy of its rows.
    RowsFileText text;
    Zrl_StringArray shape;
    shape.append(picture);
    text.add(shape);
    text.add(headers);
    for (const Zrl_StringArray& row : rows)
        text.add(row);
    if (text.writeTo(path)) return true;
    if (error) *error = L"cannot be written: " + path;
    return false;
}

std::vector<Zrl_String> checkSectionRows(const Zrl_StringArrayArray& rows, size_t limit) {
    std::vector<Zrl_String> problems;
    auto add = [&](Zrl_String text) {
        if (limit == 0 || problems.size() < limit) problems.push_back(std::move(text));
        return limit != 0 && problems.size() >= limit;
    };
    if (rows.length() < 2) {
        add(L"fewer than two rows: a table needs its shape and its captions");
        return problems;
    }
    const Zrl_String picture = rows[0].isEmpty() ? Zrl_String() : rows[0][0];
    if (rows[0].length() != 1 || !isSectionShape(picture))
        if (add(rowLabel(1) + L": shape \"" + picture + L"\" is neither 1 to 24 nor a .dwg name"))
            return problems;
    const Zrl_StringArray& headers = rows[1];
    const int width = headers.length();
    const int firstValue = kFirstLanguageColumn + sectionLanguageCount(headers);
    if (width < firstValue)
        if (add(rowLabel(2) + L": " + Zrl_String(width) + L" captions, a table needs at least " +
                Zrl_String(firstValue)))
            return problems;

    // Sections are rows 2.. of `rows`; the index finds the first of each name.
    const int first = 2;
    auto sysName = [&](int i) -> const Zrl_String& {
        static const Zrl_String empty;
        return rows[first + i].isEmpty() ? empty : rows[first + i][0];
    };
    const int count = rows.length() - first;
    Zrl_NameIndex names;
    names.build(count, sysName, [&](int i) { return !sysName(i).trimmed().isEmpty(); });
    for (int i = 0; i < count; ++i) {
        const Zrl_StringArray& row = rows[first + i];
        const Zrl_String label = rowLabel(first + i + 1);
        if (row.length() != width)
            if (add(label + L": " + Zrl_String(row.length()) + L" cells, the captions have " +
                    Zrl_String(width)))
                return problems;
        const Zrl_String& name = sysName(i);
        if (name.trimmed().isEmpty()) {
            if (add(label + L": empty system name")) return problems;
        } else if (const int at = names.findFirst(name, sysName, [](int) { return true; });
                   at != i) {
            if (add(label + L": system name \"" + name + L"\" repeats row " +
                    Zrl_String(first + at + 1)))
                return problems;
        }
        if (row.length() > 1 && row[1] != L"0" && row[1] != L"1")
            if (add(label + L": flag \"" + row[1] + L"\" is neither 0 nor 1")) return problems;
        for (int c = firstValue; c < row.length(); ++c) {
            if (isNumber(row[c])) continue;
            const Zrl_String caption = c < width ? headers[c] : Zrl_String(c + 1);
            if (add(label + L": " + caption + L" \"" + row[c] + L"\" is not a number"))
                return problems;
        }
    }
    return problems;
}
