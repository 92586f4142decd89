#include "platform/core/section_tables.h"

#include "platform/core/macro_parts.h"
#include "platform/core/paths.h"
#include "platform/core/section_table_file.h"
#include "platform/text/fold.h"

#include <atomic>

namespace {

// Stamps of changes, unique across managers: a manager copied over another
// does not take up a stamp the other once had.
uint64_t nextChangeStamp() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

const wchar_t* const kColumns[] = {L"h", L"b", L"tw", L"tf", L"r"};

struct BuiltIn {
    const wchar_t* family;
    const wchar_t* size;
    double h, b, tw, tf, r;
};

// European I and H sections.
const BuiltIn kBuiltIn[] = {
    {L"IPE", L"200", 200, 100, 5.6, 8.5, 12},  {L"IPE", L"220", 220, 110, 5.9, 9.2, 12},
    {L"IPE", L"240", 240, 120, 6.2, 9.8, 15},  {L"IPE", L"270", 270, 135, 6.6, 10.2, 15},
    {L"IPE", L"300", 300, 150, 7.1, 10.7, 15}, {L"IPE", L"330", 330, 160, 7.5, 11.5, 18},
    {L"IPE", L"360", 360, 170, 8.0, 12.7, 18}, {L"IPE", L"400", 400, 180, 8.6, 13.5, 21},
    {L"HEA", L"200", 190, 200, 6.5, 10, 18},   {L"HEA", L"220", 210, 220, 7, 11, 18},
    {L"HEA", L"240", 230, 240, 7.5, 12, 21},   {L"HEA", L"260", 250, 260, 7.5, 12.5, 24},
    {L"HEA", L"280", 270, 280, 8, 13, 24},     {L"HEA", L"300", 290, 300, 8.5, 14, 27},
    {L"HEB", L"200", 200, 200, 9, 15, 18},     {L"HEB", L"220", 220, 220, 9.5, 16, 18},
    {L"HEB", L"240", 240, 240, 10, 17, 21},    {L"HEB", L"260", 260, 260, 10, 17.5, 24},
    {L"HEB", L"280", 280, 280, 10.5, 18, 24},  {L"HEB", L"300", 300, 300, 11, 19, 27},
};

Zrl_String reduced(const Zrl_String& name) {
    std::wstring out;
    for (wchar_t ch : name.str()) {
        if (ch == L' ' || ch == L'\t' || ch == L'-' || ch == L'_') continue;
        out += zrltext::upperCase(ch);
    }
    return Zrl_String(std::move(out));
}

std::shared_ptr<const Zrl_StringArray> builtInColumns() {
    static const auto columns = [] {
        auto list = std::make_shared<Zrl_StringArray>();
        for (const wchar_t* c : kColumns)
            list->append(c);
        return list;
    }();
    return columns;
}

} // namespace

Zrl_SectionTableManager gSectionTables;

Zrl_SectionTableManager::Zrl_SectionTableManager() {
    for (const BuiltIn& s : kBuiltIn)
        addSection(s.family, s.size, {s.h, s.b, s.tw, s.tf, s.r});
}

void Zrl_SectionTableManager::index(const Zrl_SectionRecord& section) {
    bySystemName_[reduced(section.family + section.size).str()] = &section;
}

void Zrl_SectionTableManager::rebuildIndex() {
    bySystemName_.clear();
    for (const Zrl_SectionRecord& s : sections_)
        index(s);
    for (const auto& table : tables_)
        for (const Zrl_SectionRecord& s : table->sections)
            index(s);
}

void Zrl_SectionTableManager::addSection(const Zrl_String& family, const Zrl_String& size,
                                         std::vector<double> values) {
    changes_ = nextChangeStamp();
    const Zrl_String key = reduced(family + size);
    if (auto it = ownIndex_.find(key.str()); it != ownIndex_.end()) {
        sections_[it->second].values = std::move(values);
        return;
    }
    Zrl_SectionRecord s{family.trimmed(), size.trimmed(), Zrl_String(), std::move(values),
                        builtInColumns()};
    s.userName = s.family + L" " + s.size;
    sections_.push_back(std::move(s));
    ownIndex_.emplace(key.str(), sections_.size() - 1);
    // A table's section of the same name keeps answering.
    bySystemName_.try_emplace(key.str(), &sections_.back());
}

const Zrl_SectionTableManager::Table*
Zrl_SectionTableManager::findTable(const Zrl_String& tableName) const {
    for (const auto& table : tables_)
        if (table->name.equal(tableName, false)) return table.get();
    return nullptr;
}

bool Zrl_SectionTableManager::hasTable(const Zrl_String& tableName) const {
    return findTable(tableName) != nullptr;
}

ErrorStatus Zrl_SectionTableManager::removeTable(const Zrl_String& tableName) {
    for (auto it = tables_.begin(); it != tables_.end(); ++it) {
        if (!(*it)->name.equal(tableName, false)) continue;
        tables_.erase(it);
        changes_ = nextChangeStamp();
        rebuildIndex();
        return Acad::eOk;
    }
    return Acad::eKeyNotFound;
}

Zrl_String Zrl_SectionTableManager::tablePicture(const Zrl_String& tableName) const {
    const Table* table = findTable(tableName);
    return table ? table->picture : Zrl_String();
}

ErrorStatus Zrl_SectionTableManager::addSectionTable(const Zrl_String& fileName,
                                                     const Zrl_String& picture,
                                                     const Zrl_StringArray& captions,
                                                     const Zrl_StringArrayArray& rows) {
    const Zrl_String name = removeExtension(getFileName(fileName));
    if (name.trimmed().isEmpty() || hasTable(name)) return Acad::eInvalidInput;
    // The captions lack the flag column: the languages start at column 1.
    Zrl_StringArray withFlag = captions;
    withFlag.insertAt(captions.isEmpty() ? 0 : 1, Zrl_String());
    const int firstValue = 1 + sectionLanguageCount(withFlag);
    auto columns = std::make_shared<Zrl_StringArray>();
    for (int c = firstValue; c < captions.length(); ++c)
        columns->append(captions[c]);

    auto table = std::make_unique<Table>();
    table->name = name;
    table->picture = picture;
    table->sections.reserve(static_cast<size_t>(rows.length()));
    for (const Zrl_StringArray& row : rows) {
        if (row.isEmpty() || row[0].trimmed().isEmpty()) continue;
        Zrl_SectionRecord s{name, L"-" + row[0].trimmed(), row.length() > 1 ? row[1] : Zrl_String(),
                            {}, columns};
        for (int c = firstValue; c < row.length(); ++c) {
            double value = 0;
            if (!macroTextToNumber(row[c], value)) value = 0;
            s.values.push_back(value);
        }
        table->sections.push_back(std::move(s));
    }
    tables_.push_back(std::move(table));
    changes_ = nextChangeStamp();
    for (const Zrl_SectionRecord& s : tables_.back()->sections)
        index(s);
    return Acad::eOk;
}

const Zrl_SectionRecord* Zrl_SectionTableManager::find(const Zrl_String& name) const {
    const Zrl_String key = reduced(name);
    if (key.isEmpty()) return nullptr;
    auto it = bySystemName_.find(key.str());
    return it == bySystemName_.end() ? nullptr : it->second;
}

ErrorStatus Zrl_SectionTableManager::getSystemName(const Zrl_String& name,
                                                   Zrl_String& systemName) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    // A table's section keeps its "-": "HEA-200".
    systemName = s->size.startsWith(L"-", true) ? s->family + s->size : reduced(s->family + s->size);
    return Acad::eOk;
}

ErrorStatus Zrl_SectionTableManager::getUserName(const Zrl_String& name,
                                                 Zrl_String& userName) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    userName = s->userName;
    return Acad::eOk;
}

ErrorStatus Zrl_SectionTableManager::getSectionValue(const Zrl_String& name, int index,
                                                     Zrl_String& text) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    if (index < 0 || index >= static_cast<int>(s->values.size())) return Acad::eInvalidIndex;
    text = macroNumberText(s->values[index]);
    return Acad::eOk;
}

ErrorStatus Zrl_SectionTableManager::getSectionColumnNames(const Zrl_String& name,
                                                           Zrl_StringArray& names) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    names.removeAll();
    const int known = s->columns ? s->columns->length() : 0;
    for (int i = 0; i < static_cast<int>(s->values.size()); ++i)
        names.append(i < known ? (*s->columns)[i] : Zrl_String(L"c") + Zrl_String(i));
    return Acad::eOk;
}

void Zrl_SectionTables::getFamilies(Zrl_StringArray& families) const {
    families.setLogicalLength(0);
    for (const Zrl_SectionRecord& s : sections_) {
        if (!families.contains(s.family, false)) families.append(s.family);
    }
}

void Zrl_SectionTableManager::getSectionNames(Zrl_StringArray& names) const {
    names.setLogicalLength(0);
    std::unordered_map<std::wstring, bool> named;
    const auto add = [&](const Zrl_SectionRecord& s) {
        if (!named.emplace(reduced(s.family + s.size).str(), true).second) return;
        // A table's size carries its "-" already.
        names.append(s.size.startsWith(L"-", true) ? s.family + s.size : s.family + L"-" + s.size);
    };
    for (const Zrl_SectionRecord& s : sections_)
        add(s);
    for (const auto& table : tables_)
        for (const Zrl_SectionRecord& s : table->sections)
            add(s);
}

void Zrl_SectionTables::getSections(const Zrl_String& family, Zrl_StringArray& sections) const {
    sections.setLogicalLength(0);
    for (const Zrl_SectionRecord& s : sections_) {
        if (s.family.equal(family, false)) sections.append(s.family + L" " + s.size);
    }
}
