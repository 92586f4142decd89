// Reading the native sheet file (see docs/sheet-file-format.md), and copying
// what such a file holds from one sheet to another.
#include "platform/spread/sheet_file.h"

#include "platform/spread/formula_impl.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file_names.h"
#include "platform/spread/sheet_load.h"
#include "platform/text/utf.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <unordered_set>

namespace spread {

using detail::KindName;
using detail::kKindNames;
using nlohmann::json;

namespace {

// ---- reading --------------------------------------------------------------

struct Reader {
    std::wstring error;
    std::unordered_set<CellKey> seen;
    std::vector<LoadWarning>* warnings = nullptr;
    int version = 0;
    // Version 2 on: the fonts and cell types cells refer to by position.
    std::vector<std::shared_ptr<const Font>> fonts;
    std::vector<std::shared_ptr<const CellType>> types;

    bool fail(std::wstring why) {
        if (error.empty()) error = std::move(why);
        return false;
    }

    bool text(const json& j, const char* key, std::wstring& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (!it->is_string() || !zrltext::fromUtf8Strict(it->get_ref<const std::string&>(), out))
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
                if (!item.is_string() ||
                    !zrltext::fromUtf8Strict(item.get_ref<const std::string&>(), w))
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

    // A table of shared records: a list of objects read by `read`.
    template <class T>
    bool table(const json& root, const char* key, std::vector<std::shared_ptr<const T>>& out,
               bool (Reader::*read)(const json&, T&)) {
        auto it = root.find(key);
        if (it == root.end()) return true;
        if (!it->is_array()) return fail(L"a table is not a list");
        out.reserve(it->size());
        for (const json& j : *it) {
            T record;
            if (!(this->*read)(j, record)) return false;
            out.push_back(std::make_shared<const T>(std::move(record)));
        }
        return true;
    }

    // A cell's font or type: from version 2 on a position in its table, in
    // version 1 the record itself.
    template <class T>
    bool shared(const json& j, const char* key, const std::vector<std::shared_ptr<const T>>& table,
                bool (Reader::*read)(const json&, T&), std::shared_ptr<const T>& out) {
        auto it = j.find(key);
        if (it == j.end()) return true;
        if (version >= 2) {
            if (!it->is_number_unsigned() || it->get<uint64_t>() >= table.size())
                return fail(L"\"" + std::wstring(key, key + std::strlen(key)) +
                            L"\" is not in its table");
            out = table[it->get<uint64_t>()];
            return true;
        }
        T record;
        if (!(this->*read)(*it, record)) return false;
        out = std::make_shared<const T>(std::move(record));
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
        CellStyle a;
        CellTexts texts;
        texts.hasTyped = j.contains("typed");
        bool ok = text(j, "typed", texts.typed) && text(j, "tag", texts.tag) &&
                  flag(j, "lock", a.locked) && color(j, "back", a.back) && color(j, "fore", a.fore);
        if (!ok) return false;
        if (!shared(j, "type", types, &Reader::type, a.type) ||
            !shared(j, "font", fonts, &Reader::font, a.font))
            return false;
        if (auto b = j.find("border"); b != j.end()) {
            if (!b->is_object() || !integer(*b, "sides", a.border.sides, 0, 255) ||
                !integer(*b, "style", a.border.style, 0, 255) ||
                !color(*b, "color", a.border.color))
                return fail(L"bad border");
        }
        FormulaRef formula;
        if (j.contains("f")) {
            std::wstring text, why;
            if (!this->text(j, "f", text)) return false;
            if (col == 0 || row == 0) return fail(L"formula in a header cell");
            formula = compileFormula(text, RefStyle::A1, col, row, &why);
            if (!formula) {
                // One bad formula does not refuse the file: it keeps its
                // text, computes to #NAME? and is reported.
                v = Value::error(ErrorKind::Name);
                texts.typed = L"=" + text;
                texts.hasTyped = true;
                if (warnings) warnings->push_back({L"", col, row, L"=" + text, L"does not parse: " + why});
            }
        }
        Cell& cell = c.cells[key];
        cell.value = std::move(v);
        if (!a.plain() || !texts.empty()) detail::setAttrs(c, key, a, &texts);
        if (formula) detail::attachFormula(d, key, c.cells[key], std::move(formula));
        detail::eraseIfVacant(c, key);
        return true;
    }

    bool sheet(Sheet& sheet, const json& root) {
        SheetContent& c = sheet.internals().content;
        if (!root.is_object()) return fail(L"not a sheet file");
        auto format = root.find("format");
        if (format == root.end() || *format != detail::kSheetFormatName)
            return fail(L"not a sheet file");
        version = 1;
        if (!integer(root, "version", version, 1, 1 << 20)) return false;
        if (version > detail::kSheetFormatVersion) return fail(L"sheet file of a later version");
        if (version >= 2 && !(table(root, "fonts", fonts, &Reader::font) &&
                              table(root, "types", types, &Reader::type)))
            return false;
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
    if (ext == ".csv") return SheetFormat::Csv;
    if (ext == ".xlsx") return SheetFormat::Xlsx;
    if (ext == ".ods") return SheetFormat::Ods;
    return SheetFormat::Native;
}

bool readSheetText(Sheet& sheet, std::string_view text, std::wstring* error) {
    return detail::readSheetTextWarn(sheet, text, nullptr, error);
}

bool detail::readSheetTextWarn(Sheet& sheet, std::string_view text,
                               std::vector<LoadWarning>* warnings, std::wstring* error) {
    Reader reader;
    reader.warnings = warnings;
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
