// Zrl_SimplePropsList: entries, typed access and the text and file forms.
#include "sheettools/simple_props_list.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/text/number.h"

#include <string>

namespace {

// Characters of the bytes 0x80..0x9F in Windows-1252; 0 marks the five
// unassigned bytes, which are kept as the control character of that value.
constexpr wchar_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

wchar_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kCp1252High[byte - 0x80] != 0)
        return kCp1252High[byte - 0x80];
    return static_cast<wchar_t>(byte);
}

} // namespace

Zrl_String Zrl_SimplePropsList::Value::toText() const {
    switch (type) {
    case kDouble: {
        return Zrl_String(zrltext::fixedText(number, 2));
    }
    case kInt:
    case kLong:
        return Zrl_String(static_cast<int>(number));
    case kString:
        return text;
    default:
        return Zrl_String();
    }
}

Zrl_SimplePropsList::Value Zrl_SimplePropsList::Value::fromText(int type, const Zrl_String& text) {
    Value v;
    switch (type) {
    case kDouble:
        v.type = kDouble;
        v.number = zrltext::leadingDouble(text.str());
        break;
    case kInt:
    case kLong:
        v.type = type;
        v.number = static_cast<double>(static_cast<int>(zrltext::leadingInteger(text.str())));
        break;
    case kString:
        v.type = kString;
        v.text = text;
        break;
    default:
        break;
    }
    return v;
}

int Zrl_SimplePropsList::find(const Zrl_String& name) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].name == name) return static_cast<int>(i);
    return -1;
}

bool Zrl_SimplePropsList::setValue(const Zrl_String& name, const Value& value) {
    if (name.isEmpty()) return false;
    const int index = find(name);
    if (index >= 0)
        entries_[static_cast<size_t>(index)].value = value;
    else
        entries_.push_back({name, value});
    return true;
}

bool Zrl_SimplePropsList::setInt(const Zrl_String& name, int value) {
    Value v;
    v.type = kInt;
    v.number = value;
    return setValue(name, v);
}

bool Zrl_SimplePropsList::setBool(const Zrl_String& name, bool value) {
    return setInt(name, value ? 1 : 0);
}

bool Zrl_SimplePropsList::setString(const Zrl_String& name, const Zrl_String& value) {
    Value v;
    v.type = kString;
    v.text = value;
    return setValue(name, v);
}

bool Zrl_SimplePropsList::getInt(const Zrl_String& name, int& value) const {
    value = 0;
    const int index = find(name);
    if (index < 0 || entry(index).value.type != kInt) return false;
    value = static_cast<int>(entry(index).value.number);
    return true;
}

bool Zrl_SimplePropsList::getBool(const Zrl_String& name, bool& value) const {
    int number = 0;
    const bool ok = getInt(name, number);
    value = ok && number != 0;
    return ok;
}

bool Zrl_SimplePropsList::getString(const Zrl_String& name, Zrl_String& value) const {
    value = Zrl_String();
    const int index = find(name);
    if (index < 0 || entry(index).value.type != kString) return false;
    value = entry(index).value.text;
    return true;
}

Zrl_String Zrl_SimplePropsList::toText() const {
    std::wstring out;
    for (const Entry& e : entries_) {
        out += e.name.str();
        out += kSeparator;
        out += std::to_wstring(e.value.type);
        out += kSeparator;
        out += e.value.toText().str();
        out += kSeparator;
    }
    return Zrl_String(std::move(out));
}

void Zrl_SimplePropsList::setTriple(const Zrl_String& name, const Zrl_String& type,
                                    const Zrl_String& value) {
    setValue(name, Value::fromText(static_cast<int>(zrltext::leadingInteger(type.str())), value));
}

bool Zrl_SimplePropsList::fromText(const Zrl_String& text) {
    clear();
    if (text.isEmpty()) return false;
    const std::wstring& s = text.str();
    if (s.front() == kSeparator) return true;
    Zrl_String fields[3];
    int field = 0;
    size_t start = 0;
    for (size_t pos = s.find(kSeparator); pos != std::wstring::npos;
         start = pos + 1, pos = s.find(kSeparator, start)) {
        fields[field++] = Zrl_String(std::wstring_view(s).substr(start, pos - start));
        if (field == 3) {
            setTriple(fields[0], fields[1], fields[2]);
            field = 0;
        }
    }
    return true;
}

bool Zrl_SimplePropsList::fromFile(const Zrl_String& path) {
    clear();
    if (path.isEmpty()) return false;
    std::string bytes;
    if (!readFileBytes(resolvePath(path), bytes)) return false;
    Zrl_String fields[3];
    int field = 0;
    std::wstring current;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        // Files written on Windows end their lines with CR LF: read as LF.
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        // A line break between entries is not part of the next entry's name.
        if ((byte == '\n' || byte == '\r') && field == 0 && current.empty()) continue;
        if (byte != 0xA4) {
            current += fromCp1252(byte);
            continue;
        }
        fields[field++] = Zrl_String(std::move(current));
        current.clear();
        if (field == 3) {
            setTriple(fields[0], fields[1], fields[2]);
            field = 0;
        }
    }
    return true;
}
