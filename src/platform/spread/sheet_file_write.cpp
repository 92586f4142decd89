// Writing the native sheet file: JSON text streamed cell by cell, with the
// fonts and cell types the cells share written once in tables ahead of them.
#include "platform/spread/json_out.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/sheet_file_names.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace spread {

using detail::JsonOut;

namespace {

void writeFont(JsonOut& out, const Font& f) {
    out.key("name", true).text(std::wstring_view(f.name));
    out.key("height").integer(f.height);
    out.key("weight").integer(f.weight);
    if (f.italic) out.key("italic").raw("true");
    if (f.underline) out.key("underline").raw("true");
}

void writeType(JsonOut& out, const CellType& t) {
    for (const detail::KindName& k : detail::kKindNames)
        if (k.kind == t.kind) out.key("kind", true).text(std::string_view(k.name));
    const CellType plain;
    if (t.style != plain.style) out.key("style").integer(t.style);
    if (t.maxLength != plain.maxLength) out.key("maxLength").integer(t.maxLength);
    if (t.decimals != plain.decimals) out.key("decimals").integer(t.decimals);
    if (t.min != plain.min) out.key("min").number(t.min);
    if (t.max != plain.max) out.key("max").number(t.max);
    if (t.separator) out.key("separator").raw("true");
    if (!t.text.empty()) out.key("text").text(std::wstring_view(t.text));
    if (!t.picture.empty()) out.key("picture").text(std::wstring_view(t.picture));
    if (!t.picture2.empty()) out.key("picture2").text(std::wstring_view(t.picture2));
    if (!t.items.empty()) {
        out.key("items").raw('[');
        for (size_t i = 0; i < t.items.size(); ++i) {
            if (i) out.raw(',');
            out.text(std::wstring_view(t.items[i]));
        }
        out.raw(']');
    }
    if (t.editable) out.key("editable").raw("true");
}

// The distinct records of one kind (fonts or cell types) the cells use, in
// the order they first appear. Records shared by many cells are looked up by
// address; equal records held apart are found by their text.
template <class T> class Table {
public:
    explicit Table(void (*write)(JsonOut&, const T&)) : write_(write) {}

    uint32_t indexOf(const T* record) {
        // Neighbouring cells mostly share their record.
        if (record == last_) return lastIndex_;
        last_ = record;
        lastIndex_ = lookUp(record);
        return lastIndex_;
    }

    void writeList(JsonOut& out) const {
        out.raw('[');
        for (size_t i = 0; i < texts_.size(); ++i)
            out.raw(i ? ",\n    " : "\n    ").raw(*texts_[i]);
        out.raw(texts_.empty() ? "]" : "\n  ]");
    }

private:
    uint32_t lookUp(const T* record) {
        auto [at, added] = byAddress_.try_emplace(record, 0);
        if (!added) return at->second;
        JsonOut text;
        text.raw('{');
        write_(text, *record);
        text.raw('}');
        auto [entry, isNew] =
            byText_.try_emplace(std::move(text.str()), static_cast<uint32_t>(texts_.size()));
        if (isNew) texts_.push_back(&entry->first);
        at->second = entry->second;
        return entry->second;
    }

    void (*write_)(JsonOut&, const T&);
    std::unordered_map<const T*, uint32_t> byAddress_;
    std::unordered_map<std::string, uint32_t> byText_;
    std::vector<const std::string*> texts_;
    const T* last_ = nullptr;
    uint32_t lastIndex_ = 0;
};

void writeValue(JsonOut& out, const Value& v) {
    switch (v.type()) {
    case Value::Type::Empty:
        break;
    case Value::Type::Number:
        // A number JSON cannot hold would make the file unreadable.
        if (std::isfinite(v.number()))
            out.key("n").number(v.number());
        else
            out.key("e").text(std::wstring_view(errorName(ErrorKind::Num)));
        break;
    case Value::Type::Text:
        out.key("t").text(std::wstring_view(v.text()));
        break;
    case Value::Type::Logical:
        out.key("b").raw(v.logicalValue() ? "true" : "false");
        break;
    case Value::Type::Error:
        out.key("e").text(std::wstring_view(errorName(v.errorKind())));
        break;
    }
}

void writeSizes(JsonOut& out, const std::map<int, int>& sizes) {
    out.raw('{');
    bool first = true;
    for (const auto& [index, pixels] : sizes) {
        out.raw(first ? "\"" : ",\"").integer(index).raw("\":").integer(pixels);
        first = false;
    }
    out.raw('}');
}

struct Tables {
    Table<Font> fonts{writeFont};
    Table<CellType> types{writeType};
};

void writeCell(JsonOut& out, const SheetContent& c, CellKey key, const Cell& cell, Tables& tables) {
    out.raw("{\"c\":").integer(keyCol(key)).raw(",\"r\":").integer(keyRow(key));
    if (cell.formula != kNone)
        out.key("f").text(std::wstring_view(
            c.nodes[cell.formula].formula->text(RefStyle::A1, keyCol(key), keyRow(key))));
    writeValue(out, cell.value);
    if (cell.attrs != kNone) {
        const CellAttrs& attrs = c.attrs[cell.attrs];
        if (const CellTexts* t = attrs.texts.get()) {
            if (t->hasTyped) out.key("typed").text(std::wstring_view(t->typed));
            if (!t->tag.empty()) out.key("tag").text(std::wstring_view(t->tag));
        }
        static const CellStyle kPlain;
        const CellStyle& a = attrs.style == StylePool::kPlain ? kPlain : c.styles.at(attrs.style);
        if (a.locked) out.key("lock").raw("true");
        if (a.back != kDefaultColor) out.key("back").color(a.back);
        if (a.fore != kDefaultColor) out.key("fore").color(a.fore);
        if (a.type) out.key("type").integer(tables.types.indexOf(a.type.get()));
        if (a.font) out.key("font").integer(tables.fonts.indexOf(a.font.get()));
        if (a.border != Border{}) {
            out.key("border").raw("{\"sides\":").integer(a.border.sides);
            out.raw(",\"style\":").integer(a.border.style);
            out.raw(",\"color\":").color(a.border.color).raw('}');
        }
    }
    out.raw('}');
}

// The positions of the cells that hold anything, by row and then column:
// counted into their rows first, then each row put in column order.
std::vector<uint32_t> cellsInOrder(const SheetContent& c) {
    auto used = [](const Cell& cell) {
        return cell.formula != kNone || !cell.value.isEmpty() || cell.attrs != kNone;
    };
    int last = 0;
    for (const auto& [key, cell] : c.cells)
        if (used(cell)) last = std::max(last, keyRow(key));
    std::vector<uint32_t> start(static_cast<size_t>(last) + 2, 0);
    for (const auto& [key, cell] : c.cells)
        if (used(cell)) ++start[static_cast<size_t>(keyRow(key)) + 1];
    for (size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    std::vector<uint32_t> at(start.back());
    std::vector<uint32_t> next(start.begin(), start.end() - 1);
    for (auto it = c.cells.begin(); it != c.cells.end(); ++it)
        if (used(it->second)) at[next[static_cast<size_t>(keyRow(it->first))]++] = it.index();
    for (size_t r = 0; r + 1 < start.size(); ++r)
        std::sort(at.begin() + start[r], at.begin() + start[r + 1], [&](uint32_t a, uint32_t b) {
            return keyCol(c.cells.keyAt(a)) < keyCol(c.cells.keyAt(b));
        });
    return at;
}

void writeSheet(JsonOut& out, const Sheet& sheet) {
    const SheetContent& c = sheet.internals().content;
    out.raw("{\n  \"format\": \"").raw(detail::kSheetFormatName).raw("\",\n");
    out.raw("  \"version\": ").integer(detail::kSheetFormatVersion).raw(",\n");
    out.raw("  \"cols\": ").integer(c.maxCols).raw(",\n");
    out.raw("  \"rows\": ").integer(c.maxRows).raw(",\n");
    out.raw("  \"defaultColWidth\": ").integer(c.defaultColWidth).raw(",\n");
    out.raw("  \"defaultRowHeight\": ").integer(c.defaultRowHeight).raw(",\n");
    out.raw("  \"colWidths\": ");
    writeSizes(out, c.colWidths);
    out.raw(",\n  \"rowHeights\": ");
    writeSizes(out, c.rowHeights);
    out.raw(",\n  \"hiddenRows\": [");
    bool first = true;
    for (int row : c.hiddenRows) {
        if (!first) out.raw(',');
        out.integer(row);
        first = false;
    }
    out.raw("],\n  \"spans\": [");
    for (size_t i = 0; i < c.spans.size(); ++i) {
        const CellRange& s = c.spans[i];
        out.raw(i ? ",[" : "[").integer(s.col1).raw(',').integer(s.row1).raw(',');
        out.integer(s.col2 - s.col1 + 1).raw(',').integer(s.row2 - s.row1 + 1).raw(']');
    }
    out.raw("],\n");

    // The tables go ahead of the cells that refer to them: a first pass over
    // the cells fills them, the second writes the cells.
    const std::vector<uint32_t> cells = cellsInOrder(c);
    Tables tables;
    for (uint32_t at : cells)
        if (uint32_t attrs = c.cells.at(at).attrs; attrs != kNone) {
            if (uint32_t id = c.attrs[attrs].style; id != StylePool::kPlain) {
                const CellStyle& a = c.styles.at(id);
                if (a.type) tables.types.indexOf(a.type.get());
                if (a.font) tables.fonts.indexOf(a.font.get());
            }
        }
    out.raw("  \"fonts\": ");
    tables.fonts.writeList(out);
    out.raw(",\n  \"types\": ");
    tables.types.writeList(out);
    out.raw(",\n  \"cells\": [");
    for (size_t i = 0; i < cells.size(); ++i) {
        out.raw(i == 0 ? "\n    " : ",\n    ");
        writeCell(out, c, c.cells.keyAt(cells[i]), c.cells.at(cells[i]), tables);
    }
    out.raw(cells.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

} // namespace

std::string writeSheetText(const Sheet& sheet) {
    JsonOut out;
    writeSheet(out, sheet);
    return std::move(out.str());
}

bool writeSheetFile(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
    return writeFileAtomicallyWith(
        path,
        [&](FILE* file) {
            JsonOut out(file);
            writeSheet(out, sheet);
            return out.flush();
        },
        error);
}

} // namespace spread
