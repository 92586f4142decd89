// Naming, placing and checking a new section size.
#include "sections/simple_section.h"

#include "platform/core/macro_parts.h"
#include "platform/core/section_table_file.h"

#include <algorithm>

namespace {

constexpr int kFirstLanguageCol = 2;
constexpr int kMaxLearnRows = 9999;
// Rectangular tubes: the radius (value 4) must be 0 or above the thickness
// (value 3).
constexpr int kTubeShape = 10;
constexpr int kTubeThickness = 2;
constexpr int kTubeRadius = 3;

int firstValueCol(const Zrl_ProfValuesTable& table) {
    return kFirstLanguageCol + table.getNrLanguages();
}

Zrl_StringArray parts(const Zrl_String& sysName) {
    Zrl_StringArray out;
    splitStringAtSymbol(sysName, L"x", out, false);
    return out;
}

// The value indexes that explain the name, in part order; false when some
// part finds no value.
bool explain(const Zrl_String& sysName, const Zrl_StringArray& values, std::vector<int>& found) {
    const Zrl_StringArray named = parts(sysName);
    if (named.isEmpty()) return false;
    std::vector<bool> taken(static_cast<size_t>(values.length()), false);
    found.clear();
    for (const Zrl_String& part : named) {
        double number = 0;
        const bool numeric = isNumber(part) && macroTextToNumber(part, number);
        int hit = -1;
        for (int v = 0; v < values.length() && hit < 0; ++v) {
            if (taken[static_cast<size_t>(v)]) continue;
            double value = 0;
            const bool match = numeric ? macroTextToNumber(values[v], value) && value == number
                                       : values[v].equal(part, false);
            if (match) hit = v;
        }
        if (hit < 0) return false;
        taken[static_cast<size_t>(hit)] = true;
        found.push_back(hit);
    }
    return true;
}

Zrl_StringArray prefixesOf(const Zrl_ProfValuesTable& table, int row) {
    Zrl_StringArray prefixes;
    for (int l = 0; l < table.getNrLanguages(); ++l) {
        const int col = kFirstLanguageCol + l;
        const Zrl_String user =
            row >= 0 && col < table.rows[row].length() ? table.rows[row][col] : Zrl_String();
        const int digit = findFirstNumbers(user);
        prefixes.append(digit < 0 ? Zrl_String() : user.left(digit));
    }
    return prefixes;
}

} // namespace

int simpleStartRow(const Zrl_ProfValuesTable& table, const Zrl_String& sysName) {
    if (table.rows.isEmpty()) return -1;
    int index = 0;
    return table.findSysName(sysName, index) ? index : 0;
}

Zrl_StringArray simpleStartValues(const Zrl_ProfValuesTable& table, int row) {
    Zrl_StringArray values;
    const int first = firstValueCol(table);
    const int end = row >= 0 ? table.rows[row].length() : table.headers.length();
    for (int c = first; c < end; ++c)
        values.append(row >= 0 ? table.rows[row][c] : Zrl_String());
    return values;
}

SectionNaming learnSectionNaming(const Zrl_ProfValuesTable& table, int row) {
    SectionNaming naming;
    naming.prefixes = prefixesOf(table, row);
    if (row < 0) return naming;
    const int last = std::min(table.rows.length() - 1, row + kMaxLearnRows);
    for (int r = row; r <= last; ++r) {
        const Zrl_StringArray& cells = table.rows[r];
        if (cells.isEmpty()) continue;
        if (explain(cells[0], simpleStartValues(table, r), naming.nameValues)) {
            naming.explained = true;
            naming.prefixes = prefixesOf(table, r);
            return naming;
        }
    }
    naming.nameValues.clear();
    return naming;
}

Zrl_String composeSectionName(const SectionNaming& naming, const Zrl_StringArray& values) {
    Zrl_String name;
    for (size_t i = 0; i < naming.nameValues.size(); ++i) {
        const int v = naming.nameValues[i];
        const Zrl_String text = v < values.length() ? values[v].trimmed() : Zrl_String();
        double number = 0;
        if (i > 0) name += L"x";
        name += isNumber(text) && macroTextToNumber(text, number) ? macroNumberText(number) : text;
    }
    return name;
}

bool isSquareSectionName(const Zrl_String& sysName) {
    const Zrl_StringArray p = parts(sysName);
    return p.length() >= 2 && !p[0].isEmpty() && p[0].equal(p[1], false);
}

int sortedSectionIndex(const Zrl_ProfValuesTable& table, const Zrl_String& sysName) {
    // Straight over the rows' first cells: copying the column for the search
    // would cost more than the search itself on a large table.
    const auto& rows = table.rows;
    if (rows.isEmpty() || rows[0].isEmpty()) return 0;
    static const Zrl_String none;
    const auto nameAt = [&rows](int i) -> const Zrl_String& {
        return rows[i].isEmpty() ? none : rows[i][0];
    };
    const int count = rows.length();
    if (isSquareSectionName(sysName)) {
        int firstSquare = -1;
        int nearest = -1;
        for (int i = 0; i < count; ++i) {
            if (!isSquareSectionName(nameAt(i))) continue;
            if (firstSquare < 0) firstSquare = i;
            if (compareNatural(nameAt(i), sysName, false) < 0 &&
                (nearest < 0 || compareNatural(nameAt(i), nameAt(nearest), false) >= 0))
                nearest = i;
        }
        if (nearest >= 0) return nearest + 1;
        if (firstSquare >= 0) return firstSquare;
    }
    // The position after the last name not above sysName.
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (compareNatural(sysName, nameAt(mid), false) < 0) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

SimpleSectionRefusal addSimpleSection(Zrl_ProfValuesTable& table, int startRow,
                                      const Zrl_StringArray& values, const Zrl_String& sysName,
                                      const Zrl_StringArray& prefixes, int& index) {
    const Zrl_String name = sysName.trimmed();
    if (name.isEmpty()) return SimpleSectionRefusal::EmptyName;
    int existing = -1;
    if (table.findSysName(name, existing)) return SimpleSectionRefusal::NameInUse;

    Zrl_StringArray row;
    if (startRow >= 0 && startRow < table.rows.length()) {
        row = table.rows[startRow];
    } else {
        for (int c = 0; c < table.headers.length(); ++c)
            row.append(Zrl_String());
    }
    const int first = firstValueCol(table);
    while (row.length() < first)
        row.append(Zrl_String());
    row[0] = name;
    row[1] = L"1";
    for (int l = 0; l < table.getNrLanguages(); ++l)
        row[kFirstLanguageCol + l] = (l < prefixes.length() ? prefixes[l] : Zrl_String()) + name;
    for (int v = 0; v < values.length() && first + v < row.length(); ++v)
        row[first + v] = values[v];

    if (sectionShapeNumber(table.picture) == kTubeShape) {
        double thickness = 0;
        double radius = 0;
        const int t = first + kTubeThickness;
        const int r = first + kTubeRadius;
        if (r < row.length() && macroTextToNumber(row[t], thickness) &&
            macroTextToNumber(row[r], radius) && radius != 0 && radius <= thickness)
            return SimpleSectionRefusal::TubeRadius;
    }
    index = sortedSectionIndex(table, name);
    table.rows.insertAt(index, row);
    return SimpleSectionRefusal::None;
}
