// The native sheet file: a JSON document with one cell per line (see
// docs/sheet-file-format.md).
#include "platform/spread/sheet_file.h"

#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_utf8.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <unordered_set>

namespace spread {

using detail::fromUtf8;
using detail::toUtf8;
using nlohmann::json;

namespace {

constexpr const char* kFormatName = "zrlss-sheet";
constexpr int kFormatVersion = 1;

struct KindName {
    CellKind kind;
    const char* name;
};
constexpr KindName kKindNames[] = {
    {CellKind::General, "general"}, {CellKind::Edit, "edit"},      {CellKind::StaticText, "static"},
    {CellKind::Button, "button"},   {CellKind::ComboBox, "combo"}, {CellKind::Picture, "picture"},
    {CellKind::Integer, "integer"}, {CellKind::CheckBox, "check"}, {CellKind::Number, "number"},
};

std::string colorText(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(c));
    return buf;
}

// ---- writing --------------------------------------------------------------

json fontJson(const Font& f) {
    json j = json::object();
    j["name"] = toUtf8(f.name);
    j["height"] = f.height;
    j["weight"] = f.weight;
    if (f.italic) j["italic"] = true;
    if (f.underline) j["underline"] = true;
    return j;
}

json typeJson(const CellType& t) {
    json j = json::object();
    for (const KindName& k : kKindNames)
        if (k.kind == t.kind) j["kind"] = k.name;
    const CellType plain;
    if (t.style != plain.style) j["style"] = t.style;
    if (t.maxLength != plain.maxLength) j["maxLength"] = t.maxLength;
    if (t.decimals != plain.decimals) j["decimals"] = t.decimals;
    if (t.min != plain.min) j["min"] = t.min;
    if (t.max != plain.max) j["max"] = t.max;
    if (t.separator) j["separator"] = true;
    if (!t.text.empty()) j["text"] = toUtf8(t.text);
    if (!t.picture.empty()) j["picture"] = toUtf8(t.picture);
    if (!t.picture2.empty()) j["picture2"] = toUtf8(t.picture2);
    if (!t.items.empty()) {
        json items = json::array();
        for (const auto& item : t.items)
            items.push_back(toUtf8(item));
        j["items"] = std::move(items);
    }
    if (t.editable) j["editable"] = true;
    return j;
}

void putValue(json& j, const Value& v) {
    switch (v.type()) {
    case Value::Type::Empty:
        break;
    case Value::Type::Number:
        j["n"] = v.number();
        break;
    case Value::Type::Text:
        j["t"] = toUtf8(v.text());
        break;
    case Value::Type::Logical:
        j["b"] = v.logicalValue();
        break;
    case Value::Type::Error:
        j["e"] = toUtf8(errorName(v.errorKind()));
        break;
    }
}

json cellJson(const SheetContent& c, CellKey key, const Cell& cell) {
    json j = json::object();
    j["c"] = keyCol(key);
    j["r"] = keyRow(key);
    if (cell.formula != kNone)
        j["f"] =
            toUtf8(c.nodes[cell.formula].formula->text(RefStyle::A1, keyCol(key), keyRow(key)));
    putValue(j, cell.value);
    if (cell.attrs == kNone) return j;
    const CellAttrs& a = c.attrs[cell.attrs];
    if (a.hasTyped) j["typed"] = toUtf8(a.typed);
    if (!a.tag.empty()) j["tag"] = toUtf8(a.tag);
    if (a.locked) j["lock"] = true;
    if (a.back != kDefaultColor) j["back"] = colorText(a.back);
    if (a.fore != kDefaultColor) j["fore"] = colorText(a.fore);
    if (a.type) j["type"] = typeJson(*a.type);
    if (a.font) j["font"] = fontJson(*a.font);
    if (a.border != Border{})
        j["border"] = {{"sides", a.border.sides},
                       {"style", a.border.style},
                       {"color", colorText(a.border.color)}};
    return j;
}

json sizesJson(const std::map<int, int>& m) {
    json j = json::object();
    for (const auto& [index, pixels] : m)
        j[std::to_string(index)] = pixels;
    return j;
}

// ---- reading --------------------------------------------------------------

struct Reader {
    std::wstring error;
    std::unordered_set<CellKey> seen;

    bool fail(std::wstring why) {
        if (error.empty()) error = std::move(why);
        return false;
    }

    bool text(const json& j, const char* key, std::wstring& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_string() || !fromUtf8(it->get_ref<const std::string&>(), out))
            return fail(L"\"" + std::wstring(key, key + std::strlen(key)) + L"\" is not text");
        return true;
    }

    bool integer(const json& j, const char* key, int& out, int min, int max) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_number_integer())
            return fail(L"\"" + std::wstring(key, key + std::strlen(key)) +
                        L"\" is not a whole number");
        auto v = it->get<int64_t>();
        if (v < min || v > max)
            return fail(L"\"" + std::wstring(key, key + std::strlen(key)) + L"\" out of range");
        out = static_cast<int>(v);
        return true;
    }

    bool number(const json& j, const char* key, double& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_number()) return fail(L"not a number");
        out = it->get<double>();
        return std::isfinite(out) || fail(L"not a finite number");
    }

    bool flag(const json& j, const char* key, bool& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_boolean()) return fail(L"not true or false");
        out = it->get<bool>();
        return true;
    }

    bool color(const json& j, const char* key, Color& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_string()) return fail(L"colour is not text");
        const std::string& s = it->get_ref<const std::string&>();
        if (s.size() != 10 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X'))
            return fail(L"colour is not 0xXXXXXXXX");
        uint32_t v = 0;
        for (size_t i = 2; i < s.size(); ++i) {
            int d = std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0'
                    : (s[i] >= 'a' && s[i] <= 'f')                 ? s[i] - 'a' + 10
                    : (s[i] >= 'A' && s[i] <= 'F')                 ? s[i] - 'A' + 10
                                                                   : -1;
            if (d < 0) return fail(L"colour is not 0xXXXXXXXX");
            v = v * 16 + static_cast<uint32_t>(d);
        }
        out = v;
        return true;
    }

    bool font(const json& j, Font& f) {
        if (!j.is_object()) return fail(L"font is not an object");
        return text(j, "name", f.name) && integer(j, "height", f.height, 0, 10000) &&
               integer(j, "weight", f.weight, 0, 1000) && flag(j, "italic", f.italic) &&
               flag(j, "underline", f.underline);
    }

    bool type(const json& j, CellType& t) {
        if (!j.is_object()) return fail(L"type is not an object");
        auto kind = j.find("kind");
        if (kind == j.end() || !kind->is_string()) return fail(L"type without kind");
        bool known = false;
        for (const KindName& k : kKindNames)
            if (*kind == k.name) {
                t.kind = k.kind;
                known = true;
            }
        if (!known) return fail(L"unknown cell type");
        auto st = j.find("style");
        if (st != j.end()) {
            if (!st->is_number_unsigned() || st->get<uint64_t>() > 0xFFFFFFFFu)
                return fail(L"bad style");
            t.style = static_cast<uint32_t>(st->get<uint64_t>());
        }
        if (!integer(j, "maxLength", t.maxLength, 0, 1 << 30) ||
            !integer(j, "decimals", t.decimals, 0, 15) || !number(j, "min", t.min) ||
            !number(j, "max", t.max) || !flag(j, "separator", t.separator) ||
            !text(j, "text", t.text) || !text(j, "picture", t.picture) ||
            !text(j, "picture2", t.picture2) || !flag(j, "editable", t.editable))
            return false;
        auto items = j.find("items");
        if (items != j.end()) {
            if (!items->is_array()) return fail(L"items is not a list");
            for (const json& item : *items) {
                std::wstring w;
                if (!item.is_string() || !fromUtf8(item.get_ref<const std::string&>(), w))
                    return fail(L"item is not text");
                t.items.push_back(std::move(w));
            }
        }
        return true;
    }

    bool value(const json& j, Value& v) {
        int kinds = int(j.contains("n")) + int(j.contains("t")) + int(j.contains("b")) +
                    int(j.contains("e"));
        if (kinds > 1) return fail(L"cell with two values");
        if (j.contains("n")) {
            double x = 0;
            if (!number(j, "n", x)) return false;
            v = Value(x);
        } else if (j.contains("t")) {
            std::wstring w;
            if (!text(j, "t", w)) return false;
            v = Value(std::move(w));
        } else if (j.contains("b")) {
            bool b = false;
            if (!flag(j, "b", b)) return false;
            v = Value::logical(b);
        } else if (j.contains("e")) {
            std::wstring w;
            ErrorKind e;
            if (!text(j, "e", w)) return false;
            if (!parseErrorName(w, e)) return fail(L"unknown error value");
            v = Value::error(e);
        }
        return true;
    }

    bool sizes(const json& j, const char* key, int last, std::map<int, int>& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_object()) return fail(L"sizes are not an object");
        for (auto& [name, px] : it->items()) {
            int index = -1;
            if (name.empty() || name.size() > 7 ||
                !std::all_of(name.begin(), name.end(),
                             [](char ch) { return ch >= '0' && ch <= '9'; }))
                return fail(L"bad size index");
            index = std::stoi(name);
            if (index > last) return fail(L"size index beyond the sheet");
            if (!px.is_number_integer() || px.get<int64_t>() < 0 || px.get<int64_t>() > 100000)
                return fail(L"bad size");
            out[index] = static_cast<int>(px.get<int64_t>());
        }
        return true;
    }

    bool cell(Sheet& sheet, const json& j) {
        SheetData& d = sheet.internals();
        SheetContent& c = d.content;
        if (!j.is_object()) return fail(L"cell is not an object");
        int col = -1, row = -1;
        if (!j.contains("c") || !j.contains("r")) return fail(L"cell without \"c\" and \"r\"");
        if (!integer(j, "c", col, 0, c.maxCols) || !integer(j, "r", row, 0, c.maxRows))
            return fail(L"cell outside the sheet");
        CellKey key = cellKey(col, row);
        if (!seen.insert(key).second) return fail(L"cell given twice");
        Value v;
        if (!value(j, v)) return false;
        CellAttrs a;
        a.hasTyped = j.contains("typed");
        bool ok = text(j, "typed", a.typed) && text(j, "tag", a.tag) && flag(j, "lock", a.locked) &&
                  color(j, "back", a.back) && color(j, "fore", a.fore);
        if (!ok) return false;
        if (auto t = j.find("type"); t != j.end()) {
            CellType type;
            if (!this->type(*t, type)) return false;
            a.type = std::make_shared<const CellType>(std::move(type));
        }
        if (auto f = j.find("font"); f != j.end()) {
            Font font;
            if (!this->font(*f, font)) return false;
            a.font = std::make_shared<const Font>(std::move(font));
        }
        if (auto b = j.find("border"); b != j.end()) {
            if (!b->is_object() || !integer(*b, "sides", a.border.sides, 0, 255) ||
                !integer(*b, "style", a.border.style, 0, 255) ||
                !color(*b, "color", a.border.color))
                return fail(L"bad border");
        }
        std::unique_ptr<Formula> formula;
        if (j.contains("f")) {
            std::wstring text, why;
            if (!this->text(j, "f", text)) return false;
            if (col == 0 || row == 0) return fail(L"formula in a header cell");
            formula = Formula::parse(text, RefStyle::A1, col, row, &why);
            if (!formula) return fail(L"formula does not parse: " + why);
        }
        Cell& cell = c.cells[key];
        cell.value = std::move(v);
        if (!a.plain()) detail::ensureAttrs(c, key) = std::move(a);
        if (formula) detail::attachFormula(d, key, c.cells[key], std::move(formula));
        detail::eraseIfVacant(c, key);
        return true;
    }

    bool sheet(Sheet& sheet, const json& root) {
        SheetContent& c = sheet.internals().content;
        if (!root.is_object()) return fail(L"not a sheet file");
        auto format = root.find("format");
        if (format == root.end() || *format != kFormatName) return fail(L"not a sheet file");
        int version = 0;
        if (!integer(root, "version", version, 1, 1 << 20)) return false;
        if (version > kFormatVersion) return fail(L"sheet file of a later version");
        if (!integer(root, "cols", c.maxCols, 0, kMaxSheetCols) ||
            !integer(root, "rows", c.maxRows, 0, kMaxSheetRows) ||
            !integer(root, "defaultColWidth", c.defaultColWidth, 0, 100000) ||
            !integer(root, "defaultRowHeight", c.defaultRowHeight, 0, 100000) ||
            !sizes(root, "colWidths", c.maxCols, c.colWidths) ||
            !sizes(root, "rowHeights", c.maxRows, c.rowHeights))
            return false;
        if (auto hidden = root.find("hiddenRows"); hidden != root.end()) {
            if (!hidden->is_array()) return fail(L"hiddenRows is not a list");
            for (const json& r : *hidden) {
                if (!r.is_number_integer() || r.get<int64_t>() < 1 || r.get<int64_t>() > c.maxRows)
                    return fail(L"bad hidden row");
                c.hiddenRows.insert(static_cast<int>(r.get<int64_t>()));
            }
        }
        if (auto spans = root.find("spans"); spans != root.end()) {
            if (!spans->is_array()) return fail(L"spans is not a list");
            for (const json& s : *spans) {
                if (!s.is_array() || s.size() != 4 ||
                    !std::all_of(s.begin(), s.end(), [](const json& v) {
                        return v.is_number_integer() && v.get<int64_t>() >= 0 &&
                               v.get<int64_t>() <= kMaxSheetRows;
                    }))
                    return fail(L"bad span");
                auto at = [&](size_t i) { return static_cast<int>(s[i].get<int64_t>()); };
                if (!sheet.addSpan(at(0), at(1), at(2), at(3))) return fail(L"bad span");
            }
        }
        if (auto cells = root.find("cells"); cells != root.end()) {
            if (!cells->is_array()) return fail(L"cells is not a list");
            for (const json& j : *cells)
                if (!cell(sheet, j)) return false;
        }
        return true;
    }
};

} // namespace

SheetFormat sheetFormatFor(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return ext == ".csv" ? SheetFormat::Csv : SheetFormat::Native;
}

std::string writeSheetText(const Sheet& sheet) {
    const SheetContent& c = sheet.internals().content;
    std::string out = "{\n";
    out += "  \"format\": \"" + std::string(kFormatName) + "\",\n";
    out += "  \"version\": " + std::to_string(kFormatVersion) + ",\n";
    out += "  \"cols\": " + std::to_string(c.maxCols) + ",\n";
    out += "  \"rows\": " + std::to_string(c.maxRows) + ",\n";
    out += "  \"defaultColWidth\": " + std::to_string(c.defaultColWidth) + ",\n";
    out += "  \"defaultRowHeight\": " + std::to_string(c.defaultRowHeight) + ",\n";
    out += "  \"colWidths\": " + sizesJson(c.colWidths).dump() + ",\n";
    out += "  \"rowHeights\": " + sizesJson(c.rowHeights).dump() + ",\n";
    out += "  \"hiddenRows\": " +
           json(std::vector<int>(c.hiddenRows.begin(), c.hiddenRows.end())).dump() + ",\n";
    json spans = json::array();
    for (const CellRange& s : c.spans)
        spans.push_back({s.col1, s.row1, s.col2 - s.col1 + 1, s.row2 - s.row1 + 1});
    out += "  \"spans\": " + spans.dump() + ",\n";
    // Cells by row, then column, one per line.
    std::vector<CellKey> keys;
    keys.reserve(c.cells.size());
    for (const auto& [key, cell] : c.cells)
        if (cell.formula != kNone || !cell.value.isEmpty() || cell.attrs != kNone)
            keys.push_back(key);
    std::sort(keys.begin(), keys.end(), [](CellKey a, CellKey b) {
        return keyRow(a) != keyRow(b) ? keyRow(a) < keyRow(b) : keyCol(a) < keyCol(b);
    });
    out += "  \"cells\": [";
    for (size_t i = 0; i < keys.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        out += cellJson(c, keys[i], c.cells.find(keys[i])->second)
                   .dump(-1, ' ', false, json::error_handler_t::replace);
    }
    out += keys.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

void copySheetContent(const Sheet& source, Sheet& fresh) {
    const SheetContent& from = source.internals().content;
    SheetData& d = fresh.internals();
    SheetContent& to = d.content;
    to.maxCols = from.maxCols;
    to.maxRows = from.maxRows;
    to.defaultColWidth = from.defaultColWidth;
    to.defaultRowHeight = from.defaultRowHeight;
    to.colWidths = from.colWidths;
    to.rowHeights = from.rowHeights;
    to.hiddenRows = from.hiddenRows;
    to.spans = from.spans;
    to.cells.reserve(from.cells.size());
    for (const auto& [key, cell] : from.cells) {
        if (cell.formula == kNone && cell.value.isEmpty() && cell.attrs == kNone) continue;
        Cell& copy = to.cells[key];
        copy.value = cell.value;
        if (cell.attrs != kNone) detail::ensureAttrs(to, key) = from.attrs[cell.attrs];
        if (cell.formula != kNone)
            detail::attachFormula(d, key, to.cells[key],
                                  from.nodes[cell.formula].formula->moved(0, 0));
    }
}

bool readSheetText(Sheet& sheet, std::string_view text, std::wstring* error) {
    Reader reader;
    bool ok = false;
    try {
        json root = json::parse(text.begin(), text.end(), nullptr, true, false);
        ok = reader.sheet(sheet, root);
    } catch (const json::exception&) {
        reader.fail(L"not a sheet file (malformed JSON)");
    } catch (...) {
        reader.fail(L"sheet file could not be read");
    }
    if (!ok && error) *error = reader.error;
    return ok;
}

} // namespace spread
