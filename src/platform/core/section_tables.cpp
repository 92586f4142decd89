#include "platform/core/section_tables.h"

#include "platform/core/macro_parts.h"
#include "platform/text/fold.h"

namespace {

const wchar_t* const kColumns[] = {L"h", L"b", L"tw", L"tf", L"r"};
constexpr int kColumnCount = 5;

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

} // namespace

Zrl_SectionTables gSectionTables;

Zrl_SectionTables::Zrl_SectionTables() {
    for (const BuiltIn& s : kBuiltIn)
        addSection(s.family, s.size, {s.h, s.b, s.tw, s.tf, s.r});
}

void Zrl_SectionTables::addSection(const Zrl_String& family, const Zrl_String& size,
                                   std::vector<double> values) {
    const Zrl_String key = reduced(family + size);
    auto it = bySystemName_.find(key.str());
    if (it != bySystemName_.end()) {
        sections_[it->second].values = std::move(values);
        return;
    }
    sections_.push_back({family.trimmed(), size.trimmed(), std::move(values)});
    bySystemName_.emplace(key.str(), sections_.size() - 1);
}

const Zrl_SectionRecord* Zrl_SectionTables::find(const Zrl_String& name) const {
    const Zrl_String key = reduced(name);
    if (key.isEmpty()) return nullptr;
    auto it = bySystemName_.find(key.str());
    return it == bySystemName_.end() ? nullptr : &sections_[it->second];
}

ErrorStatus Zrl_SectionTables::getSystemName(const Zrl_String& name, Zrl_String& systemName) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    systemName = reduced(s->family + s->size);
    return Acad::eOk;
}

ErrorStatus Zrl_SectionTables::getUserName(const Zrl_String& name, Zrl_String& userName) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    userName = s->family + L" " + s->size;
    return Acad::eOk;
}

ErrorStatus Zrl_SectionTables::getSectionValue(const Zrl_String& name, int index,
                                               Zrl_String& text) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    if (index < 0 || index >= static_cast<int>(s->values.size())) return Acad::eInvalidIndex;
    text = macroNumberText(s->values[index]);
    return Acad::eOk;
}

ErrorStatus Zrl_SectionTables::getSectionColumnNames(const Zrl_String& name,
                                                     Zrl_StringArray& names) const {
    const Zrl_SectionRecord* s = find(name);
    if (!s) return Acad::eKeyNotFound;
    names.removeAll();
    for (int i = 0; i < static_cast<int>(s->values.size()); ++i) {
        names.append(i < kColumnCount ? Zrl_String(kColumns[i]) : Zrl_String(L"c") + Zrl_String(i));
    }
    return Acad::eOk;
}

void Zrl_SectionTables::getFamilies(Zrl_StringArray& families) const {
    families.setLogicalLength(0);
    for (const Zrl_SectionRecord& s : sections_) {
        if (!families.contains(s.family, false)) families.append(s.family);
    }
}

void Zrl_SectionTables::getSections(const Zrl_String& family, Zrl_StringArray& sections) const {
    sections.setLogicalLength(0);
    for (const Zrl_SectionRecord& s : sections_) {
        if (s.family.equal(family, false)) sections.append(s.family + L" " + s.size);
    }
}
