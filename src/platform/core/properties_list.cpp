#include "platform/core/properties_list.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/rows_file.h"
#include "platform/core/text_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// The shortest text that reads back as the same double.
Zrl_String exactDouble(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return Zrl_String::fromUtf8(std::string_view(buf, static_cast<size_t>(res.ptr - buf)));
}

} // namespace

size_t Zrl_PropertiesList::slotOf(const Zrl_String& name, size_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t s = hash & mask;; s = (s + 1) & mask) {
        const int at = slots_[s];
        if (at < 0) return s;
        const Entry& e = entries_[static_cast<size_t>(at)];
        if (e.hash == hash && e.name == name) return s;
    }
}

int Zrl_PropertiesList::find(const Zrl_String& name) const {
    if (slots_.empty()) return -1;
    return slots_[slotOf(name, std::hash<Zrl_String>()(name))];
}

void Zrl_PropertiesList::rebuildIndex(size_t slotCount) {
    slots_.assign(slotCount, -1);
    const size_t mask = slotCount - 1;
    for (size_t i = 0; i < entries_.size(); ++i) {
        size_t s = entries_[i].hash & mask;
        while (slots_[s] >= 0)
            s = (s + 1) & mask;
        slots_[s] = static_cast<int>(i);
    }
}

ErrorStatus Zrl_PropertiesList::set(const Zrl_String& name, Value value) {
    if (name.isEmpty()) return Acad::eInvalidInput;
    // At most half full, so that a probe soon meets a free slot.
    if (2 * (entries_.size() + 1) > slots_.size())
        rebuildIndex(std::max<size_t>(16, 2 * slots_.size()));
    const size_t hash = std::hash<Zrl_String>()(name);
    const size_t s = slotOf(name, hash);
    if (slots_[s] >= 0) {
        entries_[static_cast<size_t>(slots_[s])].value = std::move(value);
    } else {
        slots_[s] = static_cast<int>(entries_.size());
        entries_.push_back({name, std::move(value), hash});
    }
    return Acad::eOk;
}

ErrorStatus Zrl_PropertiesList::setProperty(const Zrl_String& name, int value) {
    return set(name, value);
}

ErrorStatus Zrl_PropertiesList::setProperty(const Zrl_String& name, double value) {
    if (!std::isfinite(value)) return Acad::eInvalidInput;
    return set(name, value);
}

ErrorStatus Zrl_PropertiesList::setProperty(const Zrl_String& name, const Zrl_String& value) {
    return set(name, value);
}

ErrorStatus Zrl_PropertiesList::getProperty(const Zrl_String& name, int& value) const {
    int index = find(name);
    if (index < 0) return Acad::eKeyNotFound;
    const Value& v = entries_[static_cast<size_t>(index)].value;
    if (!std::holds_alternative<int>(v)) return Acad::eInvalidInput;
    value = std::get<int>(v);
    return Acad::eOk;
}

ErrorStatus Zrl_PropertiesList::getProperty(const Zrl_String& name, double& value) const {
    int index = find(name);
    if (index < 0) return Acad::eKeyNotFound;
    const Value& v = entries_[static_cast<size_t>(index)].value;
    if (std::holds_alternative<int>(v)) {
        value = std::get<int>(v);
    } else if (std::holds_alternative<double>(v)) {
        value = std::get<double>(v);
    } else {
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

ErrorStatus Zrl_PropertiesList::getProperty(const Zrl_String& name, Zrl_String& value) const {
    int index = find(name);
    if (index < 0) return Acad::eKeyNotFound;
    const Value& v = entries_[static_cast<size_t>(index)].value;
    if (!std::holds_alternative<Zrl_String>(v)) return Acad::eInvalidInput;
    value = std::get<Zrl_String>(v);
    return Acad::eOk;
}

ErrorStatus Zrl_PropertiesList::removeProperty(const Zrl_String& name) {
    int index = find(name);
    if (index < 0) return Acad::eKeyNotFound;
    entries_.erase(entries_.begin() + index);
    rebuildIndex(slots_.size());
    return Acad::eOk;
}

Zrl_String Zrl_PropertiesList::nameAt(int index) const {
    if (index < 0 || index >= length()) return Zrl_String();
    return entries_[static_cast<size_t>(index)].name;
}

ErrorStatus Zrl_PropertiesList::readFromFile(const Zrl_String& path) {
    std::string bytes;
    if (!readFileBytes(resolvePath(path), bytes)) return Acad::eFileNotFound;
    const std::wstring text = decodeText(bytes);
    // One pass over the text: each line taken apart in place, each name
    // hashed once into an index sized for every line, so that neither the
    // list nor the index grows on the way.
    Zrl_PropertiesList read;
    const size_t lines = countTextLines(text);
    read.entries_.reserve(lines);
    size_t slots = 16;
    while (slots < 2 * (lines + 1))
        slots *= 2;
    read.slots_.assign(slots, -1);
    bool ok = true;
    forEachTextLine(text, [&](std::wstring_view line) {
        if (!ok || line.empty() || line.front() == L'#') return;
        int cells = 0;
        Zrl_String name;
        wchar_t type = 0;
        Value value;
        forEachRowCell(line, [&](std::wstring_view cell) {
            switch (cells++) {
            case 0:
                name = Zrl_String(std::wstring(cell));
                break;
            case 1:
                type = cell.size() == 1 ? cell[0] : 0;
                break;
            case 2:
                if (type == L'i') {
                    int v = 0;
                    if (!parseIntText(cell, v)) type = 0;
                    value = v;
                } else if (type == L'd') {
                    double v = 0;
                    if (!parseDoubleText(cell, v)) type = 0;
                    value = v;
                } else if (type == L's') {
                    value = Zrl_String(std::wstring(cell));
                }
                break;
            }
        });
        ok = cells == 3 && !name.isEmpty() && (type == L'i' || type == L'd' || type == L's') &&
             read.set(name, std::move(value)) == Acad::eOk;
    });
    if (!ok) return Acad::eInvalidInput;
    *this = std::move(read);
    return Acad::eOk;
}

ErrorStatus Zrl_PropertiesList::writeToFile(const Zrl_String& path) const {
    Zrl_StringArray lines;
    lines.append(L"# properties: name, type (i integer, d double, s text), value");
    for (const Entry& e : entries_) {
        Zrl_StringArray cells;
        cells.append(e.name);
        if (std::holds_alternative<int>(e.value)) {
            cells.append(L"i");
            cells.append(Zrl_String(std::get<int>(e.value)));
        } else if (std::holds_alternative<double>(e.value)) {
            cells.append(L"d");
            cells.append(exactDouble(std::get<double>(e.value)));
        } else {
            cells.append(L"s");
            cells.append(std::get<Zrl_String>(e.value));
        }
        Zrl_String line = encodeRow(cells);
        // A name starting with "#" must not read back as a comment line.
        if (line.startsWith(L"#", true)) line.insertAt(0, L"\\");
        lines.append(line);
    }
    return ObjectExportWriteFile(path, lines) ? Acad::eOk : Acad::eInvalidInput;
}
