// Zrl_ProfValuesTable: files, rows, system names and the hand-over to the core.
#include "sections/prof_values_table.h"

#include "platform/core/macro_langs.h"
#include "platform/core/rows_file.h"
#include "platform/core/section_table_file.h"
#include "platform/core/section_tables.h"

namespace {

constexpr int kSysNameCol = 0;
constexpr int kFlagCol = 1;
constexpr int kFirstLanguageCol = 2;

bool isInactive(const Zrl_StringArray& row) {
    return row.length() > kFlagCol && row[kFlagCol].equal(L"0", false);
}

} // namespace

Zrl_ProfValuesTable::Zrl_ProfValuesTable() = default;
Zrl_ProfValuesTable::Zrl_ProfValuesTable(const Zrl_ProfValuesTable& other) = default;
Zrl_ProfValuesTable& Zrl_ProfValuesTable::operator=(const Zrl_ProfValuesTable& other) = default;
Zrl_ProfValuesTable::~Zrl_ProfValuesTable() = default;

// --- files -------------------------------------------------------------------

bool Zrl_ProfValuesTable::readFromFile(const Zrl_String& name) {
    try {
        Zrl_String readName;
        Zrl_StringArrayArray all;
        if (!readFile(sectionTablePath(name), readName, all)) return false;
        Zrl_String shape = picture;
        Zrl_StringArray captions = headers;
        splitSectionRows(all, shape, captions);
        tableName = std::move(readName);
        picture = std::move(shape);
        headers = std::move(captions);
        rows = std::move(all);
        return true;
    } catch (...) {
        return false;
    }
}

bool Zrl_ProfValuesTable::writeToFile(const Zrl_String& name) const {
    try {
        return writeSectionTableFile(sectionTablePath(name), picture, headers, rows);
    } catch (...) {
        return false;
    }
}

// --- rows and columns ----------------------------------------------------------

bool Zrl_ProfValuesTable::getRow(Zrl_StringArray& row, int index) const {
    if (index < 0 || index >= rows.length()) return false;
    row = rows[index];
    return true;
}

bool Zrl_ProfValuesTable::deleteRow(int index) { return rows.removeAt(index); }

int Zrl_ProfValuesTable::getColumnIdx(const Zrl_String& caption) const {
    int index = -1;
    return headers.find(caption, index, false) ? index : -1;
}

bool Zrl_ProfValuesTable::getColumn(Zrl_StringArray& column, int index) const {
    if (rows.isEmpty() || index < 0 || index >= rows[0].length()) return false;
    column.removeAll();
    column.setPhysicalLength(rows.length());
    for (const Zrl_StringArray& row : rows)
        column.append(index < row.length() ? row[index] : Zrl_String());
    return true;
}

bool Zrl_ProfValuesTable::getColumn(Zrl_StringArray& column, const Zrl_String& caption) const {
    return getColumn(column, getColumnIdx(caption));
}

bool Zrl_ProfValuesTable::insertRow(int index) {
    // The new row lies at index + 1, which must be a row of the table.
    if (index + 1 < 0 || index + 1 >= rows.length()) return false;
    const int languageCol = getColumnIdx(gMacroLangs.GetCurLanguage());
    Zrl_StringArray row;
    if (index >= 0) {
        row = rows[index];
    } else {
        for (int c = 0; c < headers.length(); ++c)
            row.append(Zrl_String());
    }
    const bool hasLanguage = languageCol >= 0 && languageCol < row.length();
    Zrl_String prefix = tableName;
    if (hasLanguage) {
        const Zrl_String& user = row[languageCol];
        const int digit = findFirstNumbers(user);
        const Zrl_String stem = digit < 0 ? user : user.left(digit);
        if (!stem.isEmpty()) prefix = stem;
    }
    const Zrl_String base =
        !row.isEmpty() && !row[kSysNameCol].isEmpty() ? row[kSysNameCol] : Zrl_String(L"1");
    const Zrl_String sysName = findUnusedSysName(base);
    if (row.isEmpty()) row.append(Zrl_String());
    row[kSysNameCol] = sysName;
    if (hasLanguage) row[languageCol] = prefix + sysName;
    return rows.insertAt(index + 1, row);
}

ErrorStatus Zrl_ProfValuesTable::insertRow(int index, const Zrl_String& sysName,
                                           const Zrl_String& userName) {
    if (!insertRow(index)) return Acad::eInvalidInput;
    // The names belong to the row just made, not to the row it copied.
    if (setSysName(index + 1, sysName) != Acad::eOk) return Acad::eInvalidInput;
    if (setUserNames(index + 1, userName) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}

ErrorStatus Zrl_ProfValuesTable::setSysName(int index, const Zrl_String& name) {
    if (index < 0 || index >= rows.length() || rows[index].isEmpty()) return Acad::eInvalidInput;
    rows[index][kSysNameCol] = name;
    return Acad::eOk;
}

ErrorStatus Zrl_ProfValuesTable::setUserNames(int index, const Zrl_String& name) {
    const int languages = getNrLanguages();
    if (index < 0 || index >= rows.length() || rows[index].length() < kFirstLanguageCol + languages)
        return Acad::eInvalidInput;
    for (int c = kFirstLanguageCol; c < kFirstLanguageCol + languages; ++c)
        rows[index][c] = name;
    return Acad::eOk;
}

ErrorStatus Zrl_ProfValuesTable::setValues(int index, const AcArray<double>& values) {
    if (index < 0 || index >= rows.length()) return Acad::eInvalidInput;
    const int first = kFirstLanguageCol + getNrLanguages();
    Zrl_StringArray& row = rows[index];
    if (values.length() != row.length() - first) return Acad::eInvalidInput;
    for (int i = 0; i < values.length(); ++i)
        row[first + i] = Zrl_String(values[i], 1);
    return Acad::eOk;
}

int Zrl_ProfValuesTable::getNrLanguages() const { return sectionLanguageCount(headers); }

// --- system names ----------------------------------------------------------------

void Zrl_ProfValuesTable::getSysNames(Zrl_StringArray& names) const { getSysNames(names, false); }

void Zrl_ProfValuesTable::getFilteredSysNames(Zrl_StringArray& names) const {
    getSysNames(names, true);
}

void Zrl_ProfValuesTable::getSysNames(Zrl_StringArray& names, bool filtered) const {
    names.removeAll();
    // Both the name and the flag column must be readable.
    if (rows.isEmpty() || rows[0].length() <= kFlagCol) return;
    names.setPhysicalLength(rows.length());
    for (const Zrl_StringArray& row : rows) {
        if (filtered && isInactive(row)) continue;
        names.append(tableName + L"-" + (row.isEmpty() ? Zrl_String() : row[kSysNameCol]));
    }
}

bool Zrl_ProfValuesTable::findSysName(const Zrl_String& name, int& index) const {
    for (int i = 0; i < rows.length(); ++i) {
        if (!rows[i].isEmpty() && rows[i][kSysNameCol].equal(name, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

Zrl_String Zrl_ProfValuesTable::findUnusedSysName(const Zrl_String& base) const {
    Zrl_StringArray names;
    if (!getColumn(names, kSysNameCol)) names.removeAll();
    return findNonExistingString(names, base);
}

int Zrl_ProfValuesTable::getfilteredIdx(int index) const {
    if (index < 0 || index >= rows.length()) return -1;
    // The rows the filtered list leaves out: those whose flag is "0".
    int inactive = 0;
    for (int i = 0; i < index; ++i)
        if (isInactive(rows[i])) ++inactive;
    return index - inactive;
}

void Zrl_ProfValuesTable::removeInactiveEntries() {
    Zrl_StringArrayArray kept(rows.length());
    for (Zrl_StringArray& row : rows)
        if (row.length() < 2 || row[kFlagCol] != L"0") kept.append(std::move(row));
    rows = std::move(kept);
}

// --- the core --------------------------------------------------------------------

ErrorStatus Zrl_ProfValuesTable::setToGlobals(Zrl_SectionTableManager* manager) const {
    if (!manager) return Acad::eInvalidInput;
    try {
        const Zrl_String fileName = tableName + L".pr";
        // A drawing file's shape lives in the library's "Prof\" folder.
        const Zrl_String shape = picture.hasSubString(L".", true) ? L"Prof\\" + picture : picture;
        Zrl_StringArray captions = headers;
        captions.removeAt(kFlagCol);
        Zrl_StringArrayArray handed = rows;
        for (Zrl_StringArray& row : handed)
            if (row.length() > 1) row.removeAt(kFlagCol);
        if (manager->hasTable(tableName)) manager->removeTable(tableName);
        return manager->addSectionTable(fileName, shape, captions, handed);
    } catch (...) {
        return Acad::eInvalidInput;
    }
}
