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
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <iterator>
#include <memory>
#include <optional>
#include <unordered_set>

namespace spread {

using detail::KindName;
using detail::kKindNames;
using nlohmann::json;

namespace {

// ---- reading --------------------------------------------------------------

// The members of one cell as the stream gives them, in a fixed slot per
// member the reader knows (others are skipped): the reader looks them up as
// it would in an object, without a tree built for every cell. A member given
// twice counts by its last value, as in an object.
class CellFields {
public:
    static constexpr int kSlots = 15;

    // The slot of a member's name, or -1 for a name no cell uses. Inlined,
    // so that a name the reader asks for is a constant slot.
    [[gnu::always_inline]] static int slotFor(std::string_view k) {
        switch (k.size()) {
        case 1:
            switch (k[0]) {
            case 'c': return 0;
            case 'r': return 1;
            case 'n': return 2;
            case 't': return 3;
            case 'b': return 4;
            case 'e': return 5;
            case 'f': return 6;
            default: return -1;
            }
        case 3: return k == "tag" ? 7 : -1;
        case 4:
            return k == "lock" ? 8 : k == "back" ? 9 : k == "fore" ? 10 : k == "type" ? 11
                   : k == "font" ? 12 : -1;
        case 5: return k == "typed" ? 13 : -1;
        case 6: return k == "border" ? 14 : -1;
        default: return -1;
        }
    }

    json& put(int slot) {
        present_ |= 1u << slot;
        return slots_[slot];
    }
    void clear() {
        for (int i = 0; i < kSlots; ++i)
            if (present_ & (1u << i)) slots_[i] = nullptr;
        present_ = 0;
    }

    // What the reader asks of an object.
    [[gnu::always_inline]] const json* find(std::string_view key) const {
        const int slot = slotFor(key);
        return slot >= 0 && (present_ & (1u << slot)) ? &slots_[slot] : nullptr;
    }
    const json* end() const { return nullptr; }
    [[gnu::always_inline]] bool contains(std::string_view key) const {
        return find(key) != nullptr;
    }
    bool is_object() const { return true; }

private:
    std::array<json, kSlots> slots_;
    uint32_t present_ = 0;
};

// A member of an object, or null.
const json* member(const json& j, const char* key) {
    auto it = j.find(key);
    return it == j.end() ? nullptr : &*it;
}
[[gnu::always_inline]] inline const json* member(const CellFields& j, const char* key) {
    return j.find(key);
}

struct Reader {
    std::wstring error;
    // The cells read, to refuse one given twice: while they come by row and
    // then column, as files are written, a list in that order (binary
    // search); the rest in a set.
    std::vector<uint64_t> inOrder;
    std::unordered_set<uint64_t> seen;
    std::vector<LoadWarning>* warnings = nullptr;
    int version = 0;
    // Version 2 on: the fonts and cell types cells refer to by position.
    std::vector<std::shared_ptr<const Font>> fonts;
    std::vector<std::shared_ptr<const CellType>> types;

    bool firstTime(int col, int row) {
        uint64_t at = (static_cast<uint64_t>(static_cast<uint32_t>(row)) << 32) |
                      static_cast<uint32_t>(col);
        if (seen.empty() && (inOrder.empty() || at > inOrder.back())) {
            inOrder.push_back(at);
            return true;
        }
        return !std::binary_search(inOrder.begin(), inOrder.end(), at) && seen.insert(at).second;
    }

    bool fail(std::wstring why) {
        if (error.empty()) error = std::move(why);
        return false;
    }

    template <class J>
    bool text(const J& j, const char* key, std::wstring& out) {
        const json* it = member(j, key);
        if (!it) return true;
        if (!it->is_string() || !zrltext::fromUtf8Strict(it->get_ref<const std::string&>(), out))
            return fail(L"\"" + std::wstring(key, key + std::strlen(key)) + L"\" is not text");
        return true;
    }

    template <class J>
    bool integer(const J& j, const char* key, int& out, int min, int max) {
        const json* it = member(j, key);
        if (!it) return true;
        if (!it->is_number_integer())
            return fail(L"\"" + std::wstring(key, key + std::strlen(key)) +
                        L"\" is not a whole number");
        auto v = it->get<int64_t>();
        if (v < min || v > max)
            return fail(L"\"" + std::wstring(key, key + std::strlen(key)) + L"\" out of range");
        out = static_cast<int>(v);
        return true;
    }

    template <class J>
    bool number(const J& j, const char* key, double& out) {
        const json* it = member(j, key);
        if (!it) return true;
        if (!it->is_number()) return fail(L"not a number");
        out = it->get<double>();
        return std::isfinite(out) || fail(L"not a finite number");
    }

    template <class J>
    bool flag(const J& j, const char* key, bool& out) {
        const json* it = member(j, key);
        if (!it) return true;
        if (!it->is_boolean()) return fail(L"not true or false");
        out = it->get<bool>();
        return true;
    }

    template <class J>
    bool color(const J& j, const char* key, Color& out) {
        const json* it = member(j, key);
        if (!it) return true;
        if (!it->is_string()) return fail(L"colour is not text");
        const std::string& s = it->get_ref<const std::string&>();
        if (s.size() != 10 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X'))
            return fail(L"colour is not 0xXXXXXXXX");
        uint32_t v = 0;
        for (size_t i = 2; i < s.size(); ++i) {
            int d = (s[i] >= '0' && s[i] <= '9')              ? s[i] - '0'
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

    template <class J>
    bool value(const J& j, Value& v) {
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
        const json* it = member(j, key);
        if (!it) return true;
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
    template <class T, class J>
    bool shared(const J& j, const char* key, const std::vector<std::shared_ptr<const T>>& table,
                bool (Reader::*read)(const json&, T&), std::shared_ptr<const T>& out) {
        const json* it = member(j, key);
        if (!it) return true;
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

    template <class J>
    bool cell(Sheet& sheet, const J& j) {
        SheetData& d = sheet.internals();
        SheetContent& c = d.content;
        if (!j.is_object()) return fail(L"cell is not an object");
        int col = -1, row = -1;
        if (!j.contains("c") || !j.contains("r")) return fail(L"cell without \"c\" and \"r\"");
        if (!integer(j, "c", col, 0, c.maxCols) || !integer(j, "r", row, 0, c.maxRows))
            return fail(L"cell outside the sheet");
        CellKey key = cellKey(col, row);
        if (!firstTime(col, row)) return fail(L"cell given twice");
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
        if (const json* b = member(j, "border")) {
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

    // Everything of the file but its cells, from the top-level members.
    bool header(Sheet& sheet, const json& root) {
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
        return true;
    }
};

// The file read as a stream of parse events, with no tree of the whole
// document. Files as written here give the cells last: one pass keeps the
// members ahead of them (a few small values), reads the sheet's settings
// from these when the cells begin, then builds one cell at a time and puts
// it straight into the table. Any other order takes two passes: the first
// keeps all top-level members but the cells and checks the syntax, the second
// reads the cells. Each value kept is built by the library's own tree
// builder, so it reads exactly as a whole-document parse would, and a member
// given twice counts by its last occurrence.
class SheetEvents {
public:
    enum class Pass { Single, Members, Cells };

    SheetEvents(Pass pass, Reader& reader, Sheet& sheet) : pass_(pass), reader_(reader), sheet_(sheet) {}

    json members;          // the top-level members but "cells"
    bool rootIsObject = false;
    int cellLists = 0;     // how often "cells" was given
    bool lastCellsIsList = false;

    // After the first pass: where the second finds the cells it reads.
    void readCellsOccurrence(int which) { cellsWanted_ = which; }

    using number_integer_t = json::number_integer_t;
    using number_unsigned_t = json::number_unsigned_t;
    using number_float_t = json::number_float_t;
    using string_t = json::string_t;
    using binary_t = json::binary_t;

    bool null() { return event(Kind::Scalar, [](Builder& b) { return b.null(); }); }
    bool boolean(bool v) { return event(Kind::Scalar, [v](Builder& b) { return b.boolean(v); }); }
    bool number_integer(number_integer_t v) {
        return event(Kind::Scalar, [v](Builder& b) { return b.number_integer(v); });
    }
    bool number_unsigned(number_unsigned_t v) {
        return event(Kind::Scalar, [v](Builder& b) { return b.number_unsigned(v); });
    }
    bool number_float(number_float_t v, const string_t& s) {
        return event(Kind::Scalar, [v, &s](Builder& b) { return b.number_float(v, s); });
    }
    bool string(string_t& v) { return event(Kind::Scalar, [&v](Builder& b) { return b.string(v); }); }
    bool binary(binary_t& v) { return event(Kind::Scalar, [&v](Builder& b) { return b.binary(v); }); }
    bool start_object(std::size_t n) {
        return event(Kind::Object, [n](Builder& b) { return b.start_object(n); });
    }
    bool start_array(std::size_t n) {
        return event(Kind::Array, [n](Builder& b) { return b.start_array(n); });
    }
    bool end_object() { return event(Kind::Close, [](Builder& b) { return b.end_object(); }); }
    bool end_array() { return event(Kind::Close, [](Builder& b) { return b.end_array(); }); }
    bool key(string_t& k) {
        if (building_) return builder_->key(k);
        if (depth_ == 1 && rootIsObject) key_ = k;
        if (depth_ == 3 && inCell_) slot_ = CellFields::slotFor(k);
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        malformed = true;
        return false;
    }

    bool malformed = false;
    // Single pass: a member after the cells, so that two passes are needed.
    bool reordered = false;
    // Single pass: whether the settings were read when the cells began, and
    // how.
    bool headerRead = false;
    bool headerOk = false;

private:
    using Builder = nlohmann::detail::json_sax_dom_parser<json>;
    enum class Kind { Scalar, Object, Array, Close };

    template <class Feed>
    bool event(Kind kind, Feed&& feed) {
        if (building_) {
            feed(*builder_);
            if (kind == Kind::Object || kind == Kind::Array) ++depth_;
            if (kind == Kind::Close) --depth_;
            return depth_ == buildDepth_ && kind != Kind::Object && kind != Kind::Array ? built()
                                                                                          : true;
        }
        const bool opens = kind == Kind::Object || kind == Kind::Array;
        if (inCell_) return cellEvent(kind, opens, feed);
        if (kind == Kind::Close) {
            if (--depth_ == 1) inCells_ = false;
            return true;
        }
        bool keep = false;
        if (depth_ == 0) {
            rootIsObject = kind == Kind::Object;
        } else if (depth_ == 1 && rootIsObject) {
            if (pass_ == Pass::Single && cellLists > 0) {
                reordered = true;
                return false;
            }
            if (key_ == "cells") {
                ++cellLists;
                lastCellsIsList = kind == Kind::Array;
                inCells_ = pass_ == Pass::Cells && cellLists == cellsWanted_ && lastCellsIsList;
                if (pass_ == Pass::Single && lastCellsIsList) {
                    headerRead = true;
                    headerOk = reader_.header(sheet_, members);
                    inCells_ = headerOk;
                }
            } else {
                keep = pass_ != Pass::Cells;
            }
        } else if (depth_ == 2 && inCells_) {
            if (kind == Kind::Object) {
                // A cell: its members go to their slots as they come.
                inCell_ = true;
                slot_ = -1;
                fields_.clear();
                ++depth_;
                return true;
            }
            keep = true; // refused as a cell, with the reason of a kept value
        }
        if (!keep) {
            if (opens) ++depth_;
            return true;
        }
        value_ = json();
        builder_.emplace(value_);
        building_ = true;
        buildDepth_ = depth_;
        feed(*builder_);
        if (opens) {
            ++depth_;
            return true;
        }
        return built();
    }

    // An event inside a cell's object (depth 3 and below, nothing being
    // built): scalars of known members fill their slots, objects and lists
    // of known members are built into theirs, the rest is skipped; the end of
    // the object reads the cell.
    template <class Feed>
    bool cellEvent(Kind kind, bool opens, Feed& feed) {
        if (kind == Kind::Close) {
            if (--depth_ > 2) return true;
            inCell_ = false;
            return readCell(fields_);
        }
        if (depth_ != 3 || slot_ < 0) {
            if (opens) ++depth_;
            return true;
        }
        json& into = fields_.put(slot_);
        builder_.emplace(into);
        feed(*builder_);
        if (opens) {
            building_ = true;
            buildDepth_ = depth_++;
            return true;
        }
        builder_.reset();
        return true;
    }

    // A kept value is whole.
    bool built() {
        building_ = false;
        builder_.reset();
        if (pass_ != Pass::Cells && depth_ == 1) {
            members[key_] = std::move(value_);
            return true;
        }
        if (inCell_) return true; // a cell's member, in its slot
        return readCell(value_);
    }

    template <class J>
    bool readCell(const J& j) {
        if (reader_.cell(sheet_, j)) return true;
        // The first bad cell is the error; the rest of the file is still
        // parsed, since a syntax error anywhere outranks it.
        if (pass_ == Pass::Single) {
            inCells_ = false;
            return true;
        }
        return false;
    }

    Pass pass_;
    Reader& reader_;
    Sheet& sheet_;
    int depth_ = 0;
    std::string key_;
    bool inCells_ = false;
    int cellsWanted_ = 0;
    bool building_ = false;
    int buildDepth_ = 0;
    json value_;
    std::optional<Builder> builder_;
    bool inCell_ = false;
    int slot_ = -1;
    CellFields fields_;
};

} // namespace

SheetFormat sheetFormatFor(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; });
    if (ext == ".csv") return SheetFormat::Csv;
    if (ext == ".xlsx") return SheetFormat::Xlsx;
    if (ext == ".ods") return SheetFormat::Ods;
    return SheetFormat::Native;
}

namespace {

// A syntax error outranks any other found before it.
bool malformed(Reader& reader, std::wstring* error) {
    reader.error = L"not a sheet file (malformed JSON)";
    if (error) *error = reader.error;
    return false;
}

} // namespace

bool readSheetText(Sheet& sheet, std::string_view text, std::wstring* error) {
    return detail::readSheetTextWarn(sheet, text, nullptr, error);
}

namespace {

// Where the passes read from: text in memory, or a file read in blocks as
// the parser asks for its characters.
struct TextInput {
    std::string_view text;

    template <class Events> bool parse(Events& events) {
        return json::sax_parse(text.begin(), text.end(), &events, json::input_format_t::json,
                               true, false);
    }
    bool failed() const { return false; }
};

class FileInput {
public:
    explicit FileInput(std::FILE* file) : file_(file) {}

    template <class Events> bool parse(Events& events) {
        if (std::fseek(file_, 0, SEEK_SET) != 0) {
            failed_ = true;
            return false;
        }
        at_ = size_ = 0;
        return json::sax_parse(Chars{this}, Chars{nullptr}, &events, json::input_format_t::json,
                               true, false);
    }
    bool failed() const { return failed_ || std::ferror(file_) != 0; }

private:
    // The file's characters as the parser walks them; null is the end.
    struct Chars {
        using iterator_category = std::input_iterator_tag;
        using value_type = char;
        using difference_type = std::ptrdiff_t;
        using pointer = const char*;
        using reference = const char&;

        FileInput* in;
        reference operator*() const { return in->block_[in->at_]; }
        Chars& operator++() {
            ++in->at_;
            return *this;
        }
        Chars operator++(int) {
            Chars was = *this;
            ++in->at_;
            return was;
        }
        bool operator==(const Chars& other) const { return atEnd() == other.atEnd(); }
        bool atEnd() const { return !in || !in->more(); }
    };

    bool more() {
        if (at_ < size_) return true;
        at_ = 0;
        size_ = std::fread(block_, 1, sizeof block_, file_);
        return size_ > 0;
    }

    std::FILE* file_;
    bool failed_ = false;
    size_t at_ = 0, size_ = 0;
    char block_[1 << 16];
};

template <class Input>
bool readTwoPasses(Reader& reader, Sheet& sheet, Input& input, std::wstring* error) {
    SheetEvents members(SheetEvents::Pass::Members, reader, sheet);
    if (!input.parse(members) || members.malformed)
        return malformed(reader, error);
    if (!members.rootIsObject) members.members = json::array();
    if (!reader.header(sheet, members.members)) return false;
    if (members.cellLists == 0) return true;
    if (!members.lastCellsIsList) return reader.fail(L"cells is not a list");
    SheetEvents cells(SheetEvents::Pass::Cells, reader, sheet);
    cells.readCellsOccurrence(members.cellLists);
    return input.parse(cells) && reader.error.empty();
}

template <class Input>
bool readOnePass(Reader& reader, Sheet& sheet, Input& input, std::wstring* error,
                 bool& reordered) {
    SheetEvents one(SheetEvents::Pass::Single, reader, sheet);
    bool parsed = input.parse(one);
    reordered = one.reordered;
    if (reordered) return false;
    if (!parsed || one.malformed) return malformed(reader, error);
    if (!one.rootIsObject) one.members = json::array();
    if (!one.headerRead) {
        if (!reader.header(sheet, one.members)) return false;
        return one.cellLists == 0 || reader.fail(L"cells is not a list");
    }
    return one.headerOk && reader.error.empty();
}

template <class Input>
bool readSheet(Sheet& sheet, Input& input, std::vector<LoadWarning>* warnings,
               std::wstring* error) {
    std::optional<Reader> reader(std::in_place);
    reader->warnings = warnings;
    const size_t warned = warnings ? warnings->size() : 0;
    bool ok = false;
    try {
        bool reordered = false;
        ok = readOnePass(*reader, sheet, input, error, reordered);
        if (reordered) {
            // Start again on an empty sheet, with nothing of the first try.
            Sheet blank;
            sheet.swapContent(blank);
            reader.emplace();
            reader->warnings = warnings;
            if (warnings)
                warnings->erase(warnings->begin() + static_cast<std::ptrdiff_t>(warned),
                                warnings->end());
            ok = readTwoPasses(*reader, sheet, input, error);
        }
    } catch (const json::exception&) {
        return malformed(*reader, error);
    } catch (...) {
        reader->fail(L"sheet file could not be read");
    }
    if (!ok && error) *error = reader->error;
    return ok;
}

} // namespace

bool detail::readSheetTextWarn(Sheet& sheet, std::string_view text,
                               std::vector<LoadWarning>* warnings, std::wstring* error) {
    TextInput input{text};
    return readSheet(sheet, input, warnings, error);
}

bool detail::readSheetFileWarn(Sheet& sheet, const std::filesystem::path& path,
                               std::vector<LoadWarning>* warnings, std::wstring* error) {
    std::uintmax_t size = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openToRead(path, size, error),
                                                         &std::fclose);
    if (!file) return false;
    FileInput input(file.get());
    bool ok = readSheet(sheet, input, warnings, error);
    if (input.failed()) {
        if (error) *error = cannotRead(path);
        return false;
    }
    return ok;
}

} // namespace spread
