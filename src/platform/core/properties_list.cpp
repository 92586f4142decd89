#include "platform/core/properties_list.h"

#include "platform/core/files.h"
#include "platform/core/rows_file.h"

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

int Zrl_PropertiesList::find(const Zrl_String& name) const {
    const auto at = index_.find(name);
    return at == index_.end() ? -1 : at->second;
}

ErrorStatus Zrl_PropertiesList::set(const Zrl_String& name, Value value) {
    if (name.isEmpty()) return Acad::eInvalidInput;
    int index = find(name);
    if (index >= 0) {
        entries_[static_cast<size_t>(index)].value = std::move(value);
    } else {
        index_.emplace(name, static_cast<int>(entries_.size()));
        entries_.push_back({name, std::move(value)});
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
    index_.clear();
    for (size_t i = 0; i < entries_.size(); ++i)
        index_.emplace(entries_[i].name, static_cast<int>(i));
    return Acad::eOk;
}

Zrl_String Zrl_PropertiesList::nameAt(int index) const {
    if (index < 0 || index >= length()) return Zrl_String();
    return entries_[static_cast<size_t>(index)].name;
}

ErrorStatus Zrl_PropertiesList::readFromFile(const Zrl_String& path) {
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return Acad::eFileNotFound;
    Zrl_PropertiesList read;
    for (const Zrl_String& line : lines) {
        if (line.isEmpty() || line.startsWith(L"#", true)) continue;
        Zrl_StringArray cells = decodeRow(line);
        if (cells.length() != 3 || cells[0].isEmpty()) return Acad::eInvalidInput;
        bool ok = false;
        ErrorStatus es = Acad::eInvalidInput;
        if (cells[1] == L"i") {
            int v = cells[2].toInt(&ok);
            if (ok) es = read.setProperty(cells[0], v);
        } else if (cells[1] == L"d") {
            double v = cells[2].toDouble(&ok);
            if (ok) es = read.setProperty(cells[0], v);
        } else if (cells[1] == L"s") {
            es = read.setProperty(cells[0], cells[2]);
        }
        if (es != Acad::eOk) return Acad::eInvalidInput;
    }
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
