// The workbook's sheets filled through liborcus's import interfaces.
#include "platform/spread/workbook_import.h"

#include "platform/spread/formula_impl.h"
#include "platform/spread/sheet_data.h"
#include "platform/text/utf.h"

#include <algorithm>
#include <cctype>
#include <orcus/exception.hpp>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace spread::detail {

namespace {

std::wstring wide(std::string_view s) {
    std::wstring w;
    if (s.size() > kMaxWorkbookText) throw WorkbookRefused("text longer than the limit");
    if (!zrltext::fromUtf8Strict(s, w)) throw WorkbookRefused("text that is not UTF-8");
    return w;
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

Value resultText(std::string_view s) {
    // Error results arrive as their names.
    std::wstring w = wide(s);
    ErrorKind e;
    if (parseErrorName(w, e)) return Value::error(e);
    return Value(std::move(w));
}

} // namespace

int lengthPixels(double length, orcus::length_unit_t unit) {
    double px = 0;
    switch (unit) {
    case orcus::length_unit_t::xlsx_column_digit:
        // The stored width counts digits of the default font (7 pixels) and
        // already holds the cell's padding: 20 characters are stored as
        // 20.71 and are 145 pixels wide.
        px = length * 7;
        break;
    case orcus::length_unit_t::point: px = length * 4 / 3; break;
    case orcus::length_unit_t::inch: px = length * 96; break;
    case orcus::length_unit_t::centimeter: px = length * 96 / 2.54; break;
    case orcus::length_unit_t::millimeter: px = length * 96 / 25.4; break;
    case orcus::length_unit_t::twip: px = length / 15; break;
    case orcus::length_unit_t::pixel: px = length; break;
    default: return -1;
    }
    if (!std::isfinite(px) || px < 0 || px > 100000) return -1;
    return static_cast<int>(std::lround(px));
}

// ---- addresses --------------------------------------------------------------

namespace {

// One corner: [$]letters[$]digits, either part may be missing (whole rows
// and columns); counted from 0, -1 for a missing part.
bool corner(std::string_view s, oss::col_t& col, oss::row_t& row) {
    size_t dot = s.find_last_of(".!");
    if (dot != std::string_view::npos) s.remove_prefix(dot + 1);
    size_t i = 0;
    if (i < s.size() && s[i] == '$') ++i;
    long c = 0, r = 0;
    size_t letters = 0, digits = 0;
    while (i < s.size() && ((s[i] >= 'A' && s[i] <= 'Z') || (s[i] >= 'a' && s[i] <= 'z')) && letters < 4) {
        c = c * 26 + ((s[i] & ~0x20) - 'A' + 1);
        ++i;
        ++letters;
    }
    if (i < s.size() && s[i] == '$') ++i;
    while (i < s.size() && (s[i] >= '0' && s[i] <= '9') && digits < 8) {
        r = r * 10 + (s[i] - '0');
        ++i;
        ++digits;
    }
    if (i != s.size() || (letters == 0 && digits == 0)) return false;
    if (c > kMaxSheetCols || r > kMaxSheetRows || (digits && r == 0)) return false;
    col = letters ? static_cast<oss::col_t>(c - 1) : -1;
    row = digits ? static_cast<oss::row_t>(r - 1) : -1;
    return true;
}

[[noreturn]] void badAddress(std::string_view s) {
    throw orcus::invalid_arg_error("not a cell address: " + std::string(s.substr(0, 40)));
}

} // namespace

oss::src_address_t WorkbookReferences::resolve_address(std::string_view address) {
    oss::src_address_t a{0, 0, 0};
    if (!corner(address, a.column, a.row) || a.column < 0 || a.row < 0) badAddress(address);
    return a;
}

oss::src_range_t WorkbookReferences::resolve_range(std::string_view range) {
    size_t colon = range.find(':');
    oss::src_range_t r{{0, 0, 0}, {0, 0, 0}};
    std::string_view first = range.substr(0, colon);
    std::string_view last = colon == std::string_view::npos ? first : range.substr(colon + 1);
    if (!corner(first, r.first.column, r.first.row) || !corner(last, r.last.column, r.last.row))
        badAddress(range);
    // Whole columns and rows.
    if (r.first.row < 0) r.first.row = 0;
    if (r.first.column < 0) r.first.column = 0;
    if (r.last.row < 0) r.last.row = kMaxSheetRows - 1;
    if (r.last.column < 0) r.last.column = kMaxSheetCols - 1;
    return r;
}

// ---- texts ------------------------------------------------------------------

size_t WorkbookStrings::append(std::string_view s) {
    if (s.size() > kMaxWorkbookText) throw WorkbookRefused("text longer than the limit");
    texts_.emplace_back(s);
    return texts_.size() - 1;
}

size_t WorkbookStrings::add(std::string_view s) {
    auto it = index_.find(s);
    if (it != index_.end()) return it->second;
    size_t n = append(s);
    index_.emplace(texts_.back(), n);
    return n;
}

void WorkbookStrings::append_segment(std::string_view s) {
    if (segments_.size() + s.size() > kMaxWorkbookText)
        throw WorkbookRefused("text longer than the limit");
    segments_.append(s);
}

size_t WorkbookStrings::commit_segments() {
    size_t n = append(segments_);
    segments_.clear();
    return n;
}

// ---- one sheet ----------------------------------------------------------------

class ImportedSheet;

// A formula cell as the file gives it, piece by piece.
class SheetFormula final : public oss::iface::import_formula {
public:
    explicit SheetFormula(ImportedSheet& sheet) : sheet_(sheet) {}
    void set_position(oss::row_t row, oss::col_t col) override;
    void set_formula(oss::formula_grammar_t, std::string_view formula) override {
        text_ = std::string(formula);
    }
    void set_shared_formula_index(size_t index) override { shared_ = index; }
    void set_result_string(std::string_view value) override { result_ = resultText(value); }
    void set_result_value(double value) override { result_ = Value(value); }
    void set_result_bool(bool value) override { result_ = Value::logical(value); }
    void set_result_empty() override { result_ = Value(); }
    void commit() override;

private:
    ImportedSheet& sheet_;
    oss::row_t row_ = 0;
    oss::col_t col_ = 0;
    std::optional<std::string> text_;
    std::optional<size_t> shared_;
    Value result_;
};

// An array formula: the engine computes one value per formula, so the
// top-left cell gets the formula and the others keep their saved values.
class SheetArrayFormula final : public oss::iface::import_array_formula {
public:
    explicit SheetArrayFormula(ImportedSheet& sheet) : sheet_(sheet) {}
    void set_range(const oss::range_t& range) override { range_ = range; }
    void set_formula(oss::formula_grammar_t, std::string_view formula) override {
        text_ = std::string(formula);
    }
    void set_result_string(oss::row_t row, oss::col_t col, std::string_view value) override {
        results_[{row, col}] = resultText(value);
    }
    void set_result_value(oss::row_t row, oss::col_t col, double value) override {
        results_[{row, col}] = Value(value);
    }
    void set_result_bool(oss::row_t row, oss::col_t col, bool value) override {
        results_[{row, col}] = Value::logical(value);
    }
    void set_result_empty(oss::row_t row, oss::col_t col) override { results_[{row, col}] = {}; }
    void commit() override;

private:
    ImportedSheet& sheet_;
    oss::range_t range_{};
    std::string text_;
    std::map<std::pair<oss::row_t, oss::col_t>, Value> results_;
};

class SheetProperties final : public oss::iface::import_sheet_properties {
public:
    explicit SheetProperties(ImportedSheet& sheet) : sheet_(sheet) {}
    void set_column_width(oss::col_t col, double width, orcus::length_unit_t unit) override;
    void set_column_hidden(oss::col_t, bool) override {}
    void set_row_height(oss::row_t row, double height, orcus::length_unit_t unit) override;
    void set_row_hidden(oss::row_t row, bool hidden) override;
    void set_merge_cell_range(const oss::range_t& range) override;

private:
    ImportedSheet& sheet_;
};

class ImportedSheet final : public oss::iface::import_sheet, public OdsSheetInput {
public:
    ImportedSheet(WorkbookImport& book, std::wstring name, bool wanted)
        : book_(book), name_(std::move(name)), wanted_(wanted) {
        if (!wanted_) return;
        out_.emplace();
        out_->name = name_;
        SheetContent& c = out_->sheet.internals().content;
        // The whole grid while reading; cut to what the file holds at the end.
        c.maxCols = kMaxSheetCols;
        c.maxRows = kMaxSheetRows;
    }

    const std::wstring& name() const { return name_; }

    oss::iface::import_sheet_properties* get_sheet_properties() override { return &props_; }
    oss::iface::import_formula* get_formula() override { return &formula_; }
    oss::iface::import_array_formula* get_array_formula() override { return &array_; }

    void set_auto(oss::row_t row, oss::col_t col, std::string_view s) override {
        std::wstring w = wide(s);
        double n = 0;
        put(row, col, textToNumber(w, n) ? Value(n) : Value(std::move(w)));
    }
    void set_string(oss::row_t row, oss::col_t col, oss::string_id_t sindex) override {
        const std::string* text = book_.strings().at(sindex);
        if (!text) throw WorkbookRefused("a cell refers to a text the workbook does not have");
        if (wanted_) put(row, col, Value(wide(*text)));
    }
    void set_value(oss::row_t row, oss::col_t col, double value) override {
        put(row, col,
            std::isfinite(value) ? Value(value) : Value::error(ErrorKind::Num));
    }
    void set_bool(oss::row_t row, oss::col_t col, bool value) override {
        put(row, col, Value::logical(value));
    }
    // Dates and times are numbers: days since the workbook's origin.
    void set_date_time(oss::row_t row, oss::col_t col, int year, int month, int day, int hour,
                       int minute, double second) override {
        put(row, col, Value(book_.dateSerial(year, month, day, hour, minute, second)));
    }
    void set_format(oss::row_t row, oss::col_t col, size_t xf) override {
        if (!wanted_) return;
        check(row, col);
        formats_.push_back({cellKey(col + 1, row + 1), xf});
    }
    void set_format(oss::row_t row1, oss::col_t col1, oss::row_t row2, oss::col_t col2,
                    size_t xf) override {
        if (!wanted_) return;
        check(row1, col1);
        check(row2, col2);
        rangeFormats_.push_back({{col1 + 1, row1 + 1, col2 + 1, row2 + 1}, xf});
    }
    void fill_down_cells(oss::row_t row, oss::col_t col, oss::row_t count) override;
    oss::range_size_t get_sheet_size() const override {
        return {kMaxSheetRows, kMaxSheetCols};
    }

    // A formula cell: `text` as written (null for a cell of a shared
    // formula that only names its group), `saved` its stored value.
    void formula(oss::row_t row, oss::col_t col, const std::optional<std::string>& text,
                 std::optional<size_t> shared, Value saved);

    // A logical or error cell the parser left out, or whose saved value it
    // dropped.
    void typedCell(oss::row_t row, oss::col_t col, const XlsxTypedCell& t, Value v);

    // What the .ods reader hands on besides (see OdsSheetInput).
    bool wanted() const override { return wanted_; }
    oss::iface::import_sheet& cells() override { return *this; }
    void text(oss::row_t row, oss::col_t col, std::string_view utf8) override {
        if (wanted_) put(row, col, Value(wide(utf8)));
    }
    void repeatFormula(oss::row_t row, oss::col_t col) override;
    void rows(int64_t first, int64_t last, int heightPx, bool hidden) override {
        if (!wanted_ || first > last || first >= kMaxSheetRows) return;
        if (heightPx >= 0) heightRanges_.push_back({first, last, heightPx});
        if (hidden) hiddenRanges_.emplace_back(first, last);
    }
    void emptyLook(const oss::range_t& range, size_t xf) override {
        if (wanted_) emptyLooks_.push_back({range, xf});
    }

    // The top-left cell of an array formula over several cells: such blocks
    // of results are outside the language (the engine computes the formula
    // as one of a single cell), so its saved value is not held against the
    // engine's.
    void arrayFormula(oss::row_t row, oss::col_t col) {
        if (!wanted_ || out_->saved.empty()) return;
        SavedValue& s = out_->saved.back();
        if (s.col == col + 1 && s.row == row + 1 && s.unsupported.empty())
            s.unsupported = L"an array formula over several cells";
    }

    // A saved value of an array formula's cell other than its top-left one.
    void savedValue(oss::row_t row, oss::col_t col, Value v) {
        put(row, col, v);
        if (wanted_)
            out_->saved.push_back({col + 1, row + 1, std::move(v), L"part of an array formula"});
    }

    void columnWidth(oss::col_t col, int px) {
        if (wanted_ && px >= 0 && col >= 0 && col < kMaxSheetCols) colWidths_[col + 1] = px;
    }
    void rowHeight(oss::row_t row, int px) {
        if (wanted_ && px >= 0 && row >= 0 && row < kMaxSheetRows) rowHeights_[row + 1] = px;
    }
    void rowHidden(oss::row_t row, bool hidden) {
        if (!wanted_ || row < 0 || row >= kMaxSheetRows) return;
        if (hidden)
            hiddenRows_.insert(row + 1);
        else
            hiddenRows_.erase(row + 1);
    }
    void merge(const oss::range_t& r) {
        if (!wanted_) return;
        check(r.first.row, r.first.column);
        check(r.last.row, r.last.column);
        if (r.last.row < r.first.row || r.last.column < r.first.column) return;
        spans_.push_back({r.first.column + 1, r.first.row + 1, r.last.column + 1, r.last.row + 1});
    }

    // Puts the formula last_ describes (`f` null when it did not parse) into
    // `cell` at (row, col) with its saved value; `report` warns of a formula
    // that does not parse.
    void place(oss::row_t row, oss::col_t col, Cell& cell, FormulaRef f, Value saved, bool report);

    // Sizes the sheet to its content, gives cells their looks and hands the
    // sheet over.
    void finish(std::vector<WorkbookSheet>& out);

private:
    struct Shared {
        std::string text;
        FormulaRef formula; // null when the text did not parse
        std::wstring why;
        bool otherSheet = false;
        int col = 0, row = 0;
    };

    static void check(oss::row_t row, oss::col_t col) {
        if (row < 0 || col < 0 || row >= kMaxSheetRows || col >= kMaxSheetCols)
            throw WorkbookRefused("a cell beyond the largest sheet");
    }

    Cell& cellAt(oss::row_t row, oss::col_t col) {
        check(row, col);
        SheetContent& c = out_->sheet.internals().content;
        size_t before = c.cells.size();
        Cell& cell = c.cells[cellKey(col + 1, row + 1)];
        if (c.cells.size() != before && c.cells.size() > kMaxWorkbookCells)
            throw WorkbookRefused("more cells than the limit");
        usedCols_ = std::max(usedCols_, col + 1);
        usedRows_ = std::max(usedRows_, row + 1);
        return cell;
    }

    void put(oss::row_t row, oss::col_t col, Value v) {
        if (!wanted_) return;
        Cell& cell = cellAt(row, col);
        if (cell.formula != kNone) dropFormula(out_->sheet.internals(), cell);
        cell.value = std::move(v);
    }

    void warn(int col, int row, const std::string& formula, std::wstring reason) {
        std::wstring f;
        if (!zrltext::fromUtf8Strict(formula, f)) f = L"?";
        out_->warnings.push_back({name_, col, row, std::move(f), std::move(reason)});
    }

    WorkbookImport& book_;
    std::wstring name_;
    bool wanted_;
    std::optional<WorkbookSheet> out_;
    SheetFormula formula_{*this};
    SheetArrayFormula array_{*this};
    SheetProperties props_{*this};
    int usedCols_ = 0, usedRows_ = 0;
    std::vector<std::pair<CellKey, size_t>> formats_;
    std::vector<std::pair<CellRange, size_t>> rangeFormats_;
    std::vector<std::pair<CellKey, std::wstring>> typed_; // texts of formulas kept as text
    std::map<int, int> colWidths_, rowHeights_;
    std::set<int> hiddenRows_;
    std::vector<CellRange> spans_;
    std::vector<std::pair<int64_t, int64_t>> hiddenRanges_; // rows from 0
    struct Heights {
        int64_t first, last; // rows from 0
        int px;
    };
    std::vector<Heights> heightRanges_;
    struct EmptyLook {
        oss::range_t range;
        size_t xf;
    };
    std::vector<EmptyLook> emptyLooks_;
    // The formula cell formula() took last, for repeatFormula.
    struct Last {
        FormulaRef formula; // null when it did not parse
        std::string written;
        std::wstring why;
        bool otherSheet = false;
        Value saved;
    } last_;
    std::unordered_map<size_t, Shared> shared_;
    std::unordered_map<CellKey, size_t> savedAt_; // formula cells' entries in out_->saved
    size_t savedIndexed_ = 0;                     // how many of them savedAt_ holds
    bool reportedOtherSheet_ = false;
};

void SheetFormula::set_position(oss::row_t row, oss::col_t col) {
    row_ = row;
    col_ = col;
}

void SheetFormula::commit() {
    sheet_.formula(row_, col_, text_, shared_, std::move(result_));
    text_.reset();
    shared_.reset();
    result_ = Value();
}

void SheetArrayFormula::commit() {
    for (auto& [at, v] : results_)
        if (at != std::pair{range_.first.row, range_.first.column}) sheet_.savedValue(at.first, at.second, v);
    Value first;
    if (auto it = results_.find({range_.first.row, range_.first.column}); it != results_.end())
        first = it->second;
    sheet_.formula(range_.first.row, range_.first.column, text_, std::nullopt, std::move(first));
    if (range_.first.row != range_.last.row || range_.first.column != range_.last.column)
        sheet_.arrayFormula(range_.first.row, range_.first.column);
    results_.clear();
    text_.clear();
}

void SheetProperties::set_column_width(oss::col_t col, double width, orcus::length_unit_t unit) {
    sheet_.columnWidth(col, lengthPixels(width, unit));
}

void SheetProperties::set_row_height(oss::row_t row, double height, orcus::length_unit_t unit) {
    sheet_.rowHeight(row, lengthPixels(height, unit));
}

void SheetProperties::set_row_hidden(oss::row_t row, bool hidden) {
    sheet_.rowHidden(row, hidden);
}

void SheetProperties::set_merge_cell_range(const oss::range_t& range) {
    sheet_.merge(range);
}

void ImportedSheet::formula(oss::row_t row, oss::col_t col, const std::optional<std::string>& text,
                            std::optional<size_t> shared, Value saved) {
    if (!wanted_) return;
    const int c1 = col + 1, r1 = row + 1;
    Cell& cell = cellAt(row, col);
    SheetData& d = out_->sheet.internals();
    if (cell.formula != kNone) dropFormula(d, cell);

    FormulaRef f;
    std::wstring why;
    std::string written;
    bool otherSheet = false;
    if (text) {
        written = *text;
        DialectText t;
        if (text->size() > kMaxWorkbookText) {
            why = L"longer than the limit";
        } else if (!translateFormula(*text, book_.dialect(), name_, t)) {
            why = L"not UTF-8";
        } else {
            otherSheet = t.otherSheet;
            f = compileFormula(t.text, RefStyle::A1, c1, r1, &why);
        }
        if (shared) shared_[*shared] = {written, f, why, otherSheet, c1, r1};
    } else if (shared) {
        auto it = shared_.find(*shared);
        if (it == shared_.end()) {
            // A cell of a group whose first cell never came: a value only.
            cell.value = std::move(saved);
            return;
        }
        const Shared& s = it->second;
        written = s.text;
        why = s.why;
        otherSheet = s.otherSheet;
        if (s.formula) {
            std::unique_ptr<Formula> moved = s.formula->moved(c1 - s.col, r1 - s.row);
            if (!moved) throw std::bad_alloc();
            f = FormulaRef(std::move(moved));
        }
    } else {
        cell.value = std::move(saved);
        return;
    }

    last_ = {f, written, why, otherSheet, saved};
    place(row, col, cell, std::move(f), std::move(saved), true);
}

void ImportedSheet::repeatFormula(oss::row_t row, oss::col_t col) {
    if (!wanted_) return;
    Cell& cell = cellAt(row, col);
    if (cell.formula != kNone) dropFormula(out_->sheet.internals(), cell);
    // References are kept as the cells they name: the copies share the
    // program.
    place(row, col, cell, last_.formula, last_.saved, false);
}

void ImportedSheet::place(oss::row_t row, oss::col_t col, Cell& cell, FormulaRef f, Value saved,
                          bool report) {
    const int c1 = col + 1, r1 = row + 1;
    out_->saved.push_back({c1, r1, saved, {}});
    if (!f) {
        out_->saved.back().unsupported = L"does not parse: " + last_.why;
        // Kept as its text, computing to #NAME?, and reported.
        cell.value = Value::error(ErrorKind::Name);
        std::wstring w;
        if (!zrltext::fromUtf8Strict(last_.written, w)) w = L"?";
        typed_.push_back({cellKey(c1, r1), L"=" + w});
        if (report) warn(c1, r1, last_.written, L"does not parse: " + last_.why);
        return;
    }
    if (last_.otherSheet) out_->saved.back().unsupported = L"refers to another sheet or workbook";
    if (last_.otherSheet && !reportedOtherSheet_) {
        reportedOtherSheet_ = true;
        warn(c1, r1, last_.written, L"refers to another sheet or workbook: computes to #REF!");
    }
    cell.value = std::move(saved);
    attachFormula(out_->sheet.internals(), cellKey(c1, r1), cell, std::move(f));
}

void ImportedSheet::typedCell(oss::row_t row, oss::col_t col, const XlsxTypedCell& t, Value v) {
    if (!wanted_) return;
    check(row, col);
    SheetContent& c = out_->sheet.internals().content;
    auto it = c.cells.find(cellKey(col + 1, row + 1));
    const bool hasFormula = it != c.cells.end() && it->second.formula != kNone;
    if (!t.formula) {
        // A constant: only where the parser put nothing.
        if (it == c.cells.end() || (!hasFormula && it->second.value.isEmpty())) put(row, col, v);
        return;
    }
    if (hasFormula) {
        // The formula came without its saved value.
        it->second.value = v;
        for (; savedIndexed_ < out_->saved.size(); ++savedIndexed_) {
            const SavedValue& s = out_->saved[savedIndexed_];
            savedAt_[cellKey(s.col, s.row)] = savedIndexed_;
        }
        if (auto s = savedAt_.find(cellKey(col + 1, row + 1)); s != savedAt_.end())
            out_->saved[s->second].value = std::move(v);
        return;
    }
    // The parser left the formula out whole.
    std::optional<std::string> text;
    if (!t.formulaText.empty()) text = t.formulaText;
    std::optional<size_t> shared;
    if (t.shared >= 0) shared = static_cast<size_t>(t.shared);
    if (text || shared) formula(row, col, text, shared, std::move(v));
}

void ImportedSheet::fill_down_cells(oss::row_t row, oss::col_t col, oss::row_t count) {
    if (!wanted_ || count <= 0) return;
    check(row, col);
    check(row + count, col);
    SheetContent& c = out_->sheet.internals().content;
    auto it = c.cells.find(cellKey(col + 1, row + 1));
    if (it == c.cells.end()) return;
    const Value v = it->second.value;
    FormulaRef f;
    if (it->second.formula != kNone) f = c.nodes[it->second.formula].formula;
    for (oss::row_t r = row + 1; r <= row + count; ++r) {
        if (!f) {
            put(r, col, v);
            continue;
        }
        std::unique_ptr<Formula> moved = f->moved(0, r - row);
        if (!moved) throw std::bad_alloc();
        Cell& cell = cellAt(r, col);
        if (cell.formula != kNone) dropFormula(out_->sheet.internals(), cell);
        cell.value = v;
        out_->saved.push_back({col + 1, r + 1, v, {}});
        attachFormula(out_->sheet.internals(), cellKey(col + 1, r + 1), cell,
                      FormulaRef(std::move(moved)));
    }
}

void ImportedSheet::finish(std::vector<WorkbookSheet>& out) {
    if (!wanted_) return;
    Sheet& sheet = out_->sheet;
    SheetContent& c = sheet.internals().content;
    for (const CellRange& s : spans_) {
        usedCols_ = std::max(usedCols_, s.col2);
        usedRows_ = std::max(usedRows_, s.row2);
    }
    // Looks: a range's look goes only to the cells that exist, so that a
    // formatted whole column makes no million cells.
    WorkbookStyles& styles = book_.styles();
    for (const auto& [range, xf] : rangeFormats_) {
        const CellStyle& look = styles.look(xf);
        if (look.plain()) continue;
        for (auto&& [key, cell] : c.cells)
            if (range.contains(keyCol(key), keyRow(key)) && keyCol(key) <= usedCols_ &&
                keyRow(key) <= usedRows_)
                setAttrs(c, key, look, nullptr);
    }
    for (const auto& [key, xf] : formats_) {
        if (keyCol(key) > usedCols_ || keyRow(key) > usedRows_) continue;
        const CellStyle& look = styles.look(xf);
        if (!look.plain() || findAttrs(c, key)) setAttrs(c, key, look, nullptr);
    }
    // The looks of empty cells inside the used range, for no more cells
    // than the sheet holds, so that looks never cost more than the content.
    size_t budget = c.cells.size();
    for (const auto& [range, xf] : emptyLooks_) {
        const int64_t cols = std::min<int64_t>(range.last.column + 1, usedCols_) - range.first.column;
        const int64_t rows = std::min<int64_t>(range.last.row + 1, usedRows_) - range.first.row;
        if (cols <= 0 || rows <= 0 || static_cast<uint64_t>(cols * rows) > budget) continue;
        const CellStyle& look = styles.look(xf);
        if (look.plain()) continue;
        budget -= static_cast<size_t>(cols * rows);
        for (int64_t r = 0; r < rows; ++r)
            for (int64_t col = 0; col < cols; ++col)
                setAttrs(c,
                         cellKey(static_cast<int>(range.first.column + col + 1),
                                 static_cast<int>(range.first.row + r + 1)),
                         look, nullptr);
    }
    for (auto& [key, text] : typed_) {
        CellTexts& t = ensureTexts(c, key);
        t.typed = std::move(text);
        t.hasTyped = true;
    }
    // Cut to the used range (drops looks of empty cells beyond it).
    if (!sheet.setMaxCols(usedCols_) || !sheet.setMaxRows(usedRows_))
        throw WorkbookRefused("the sheet could not be sized");
    for (const auto& [col, px] : colWidths_)
        if (col <= usedCols_) c.colWidths[col] = px;
    for (const auto& [row, px] : rowHeights_)
        if (row <= usedRows_) c.rowHeights[row] = px;
    for (const Heights& h : heightRanges_)
        for (int64_t row = h.first + 1; row <= h.last + 1 && row <= usedRows_; ++row)
            c.rowHeights[static_cast<int>(row)] = h.px;
    for (int row : hiddenRows_)
        if (row <= usedRows_) c.hiddenRows.insert(row);
    for (const auto& [first, last] : hiddenRanges_)
        for (int64_t row = first + 1; row <= last + 1 && row <= usedRows_; ++row)
            c.hiddenRows.insert(static_cast<int>(row));
    // A merged range the parser reports and the content part names too
    // is one span.
    std::sort(spans_.begin(), spans_.end(), [](const CellRange& a, const CellRange& b) {
        return std::tie(a.row1, a.col1, a.row2, a.col2) < std::tie(b.row1, b.col1, b.row2, b.col2);
    });
    spans_.erase(std::unique(spans_.begin(), spans_.end()), spans_.end());
    for (const CellRange& s : spans_)
        if (s.col2 > s.col1 || s.row2 > s.row1)
            sheet.addSpan(s.col1, s.row1, s.col2 - s.col1 + 1, s.row2 - s.row1 + 1);
    std::sort(out_->saved.begin(), out_->saved.end(), [](const SavedValue& a, const SavedValue& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    out.push_back(std::move(*out_));
    out_.reset();
    last_ = {};
}

// ---- the workbook -------------------------------------------------------------

WorkbookImport::WorkbookImport(FormulaDialect dialect, std::wstring_view only, bool firstOnly)
    : dialect_(dialect), only_(only), firstOnly_(firstOnly), originDays_(daysFromCivil(1899, 12, 30)) {}

WorkbookImport::~WorkbookImport() = default;

double WorkbookImport::dateSerial(int year, int month, int day, int hour, int minute,
                                  double second) const {
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < -100000 || year > 100000)
        throw WorkbookRefused("a date out of range");
    const double days = static_cast<double>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - originDays_);
    return days + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

void WorkbookImport::set_origin_date(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 10000) return;
    originDays_ = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
}

oss::iface::import_sheet* WorkbookImport::append_sheet(oss::sheet_t, std::string_view name) {
    std::wstring w = wide(name);
    bool wanted = only_.empty() ? (!firstOnly_ || names_.empty()) : w == only_;
    names_.push_back(w);
    sheets_.push_back(std::make_unique<ImportedSheet>(*this, std::move(w), wanted));
    return sheets_.back().get();
}

oss::iface::import_sheet* WorkbookImport::get_sheet(std::string_view name) {
    std::wstring w;
    if (!zrltext::fromUtf8Strict(name, w)) return nullptr;
    for (auto& s : sheets_)
        if (s->name() == w) return s.get();
    return nullptr;
}

oss::iface::import_sheet* WorkbookImport::get_sheet(oss::sheet_t index) {
    if (!sheetIds_.empty()) {
        auto it = sheetIds_.find(index);
        return it == sheetIds_.end() ? nullptr : get_sheet(it->second);
    }
    if (index < 0 || static_cast<size_t>(index) >= sheets_.size()) return nullptr;
    return sheets_[static_cast<size_t>(index)].get();
}

void WorkbookImport::addTypedCells(const std::map<std::string, std::vector<XlsxTypedCell>>& cells) {
    for (const auto& [name, list] : cells) {
        auto* sheet = static_cast<ImportedSheet*>(get_sheet(name));
        if (!sheet) continue;
        for (const XlsxTypedCell& t : list) {
            oss::col_t col = 0;
            oss::row_t row = 0;
            if (!corner(t.address, col, row) || col < 0 || row < 0) continue;
            Value v;
            if (t.inlineText) {
                v = Value(wide(t.value));
            } else if (t.error) {
                ErrorKind e;
                if (!parseErrorName(wide(t.value), e)) continue;
                v = Value::error(e);
            } else if (t.value == "1" || t.value == "0") {
                v = Value::logical(t.value == "1");
            } else {
                continue;
            }
            sheet->typedCell(row, col, t, std::move(v));
        }
    }
}

OdsSheetInput& WorkbookImport::appendOdsSheet(std::string_view name) {
    return *static_cast<ImportedSheet*>(append_sheet(static_cast<oss::sheet_t>(sheets_.size()), name));
}

void WorkbookImport::finish(std::vector<WorkbookSheet>& out) {
    for (auto& s : sheets_)
        s->finish(out);
}

} // namespace spread::detail
