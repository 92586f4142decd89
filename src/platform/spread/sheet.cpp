// Sheet: size and cell contents (data, values, formulas, tags).
#include "platform/spread/sheet.h"

#include "platform/spread/compiled_formula.h"

#include "platform/spread/formula_impl.h"
#include "platform/spread/recalc.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_number_text.h"

#include <algorithm>
#include <cmath>

namespace spread {

using detail::headerToZero;

namespace detail {

const CellAttrs* findAttrs(const SheetContent& c, CellKey key) {
    auto it = c.cells.find(key);
    if (it == c.cells.end() || it->second.attrs == kNone) return nullptr;
    return &c.attrs[it->second.attrs];
}

CellAttrs& ensureAttrs(SheetContent& c, CellKey key) {
    return ensureAttrs(c, c.cells[key]);
}

CellAttrs& ensureAttrs(SheetContent& c, Cell& cell) {
    if (cell.attrs == kNone) {
        if (!c.freeAttrs.empty()) {
            cell.attrs = c.freeAttrs.back();
            c.freeAttrs.pop_back();
        } else {
            cell.attrs = static_cast<uint32_t>(c.attrs.size());
            c.attrs.emplace_back();
        }
    }
    return c.attrs[cell.attrs];
}

const CellStyle* findStyle(const SheetContent& c, CellKey key) {
    const CellAttrs* a = findAttrs(c, key);
    return a && a->style != StylePool::kPlain ? &c.styles.at(a->style) : nullptr;
}

const CellTexts* findTexts(const SheetContent& c, CellKey key) {
    const CellAttrs* a = findAttrs(c, key);
    return a ? a->texts.get() : nullptr;
}

CellTexts& ensureTexts(SheetContent& c, CellKey key) {
    CellAttrs& a = ensureAttrs(c, key);
    if (!a.texts) a.texts = std::make_unique<CellTexts>();
    return *a.texts;
}

void trimAttrs(SheetContent& c, CellKey key) {
    auto it = c.cells.find(key);
    if (it == c.cells.end() || it->second.attrs == kNone) return;
    CellAttrs& a = c.attrs[it->second.attrs];
    if (a.texts && a.texts->empty()) a.texts.reset();
    if (!a.plain()) return;
    freeAttrs(c, it->second.attrs);
    if (it->second.vacant()) c.cells.erase(it);
}

void freeAttrs(SheetContent& c, uint32_t& a) {
    if (a == kNone) return;
    c.styles.release(c.attrs[a].style);
    c.attrs[a] = CellAttrs{};
    c.freeAttrs.push_back(a);
    a = kNone;
}

void setAttrs(SheetContent& c, CellKey key, const CellStyle& style, const CellTexts* texts) {
    uint32_t id = c.styles.acquire(style);
    CellAttrs& a = ensureAttrs(c, key);
    c.styles.release(a.style);
    a.style = id;
    if (texts && !texts->empty())
        a.texts = std::make_unique<CellTexts>(*texts);
    else
        a.texts.reset();
    trimAttrs(c, key);
}

void eraseIfVacant(SheetContent& c, CellKey key) {
    auto it = c.cells.find(key);
    if (it != c.cells.end() && it->second.vacant()) c.cells.erase(it);
}

void dropFormula(SheetData& d, Cell& cell) {
    if (cell.formula == kNone) return;
    SheetContent& c = d.content;
    uint32_t n = cell.formula;
    FormulaNode& node = c.nodes[n];
    // Linking and unlinking never re-enter: one scratch list serves them.
    std::vector<CellRange>& refs = d.refScratch;
    refs.clear();
    node.formula->references(refs);
    cell.formula = kNone; // before unlink: a self-reference must not keep the cell
    c.graph.unlink(n, refs, c.cells, node.rangeBegin, node.rangeCount, c.cells.keyAt(node.cell));
    c.graph.unlinkReached(n);
    // An evaluation further up the stack may still be running in it.
    if (d.evalDepth > 0 || d.recalculating)
        d.retired.push_back(std::move(node.formula));
    else
        node.formula.reset();
    node.rangeBegin = kNone;
    node.rangeCount = 0;
    if (node.isVolatile) --c.volatileCount;
    node.isVolatile = false;
    ++node.gen;
    c.freeNodes.push_back(n);
    --c.formulaCount;
}

uint32_t attachFormula(SheetData& d, CellKey key, Cell& cell, FormulaRef f, uint32_t index) {
    SheetContent& c = d.content;
    uint32_t n;
    if (!c.freeNodes.empty()) {
        n = c.freeNodes.back();
        c.freeNodes.pop_back();
    } else {
        n = static_cast<uint32_t>(c.nodes.size());
        c.nodes.emplace_back();
    }
    FormulaNode& node = c.nodes[n];
    node.isVolatile = f->isVolatile();
    if (node.isVolatile) ++c.volatileCount;
    std::vector<CellRange>& refs = d.refScratch;
    refs.clear();
    f->references(refs);
    node.formula = std::move(f);
    ++node.gen;
    cell.formula = n;
    ++c.formulaCount;
    node.cell = index != kNone ? index : c.cells.indexOf(key);
    // Cell references stay valid while link adds cells (node-based map).
    c.graph.link(n, refs, c.cells, node.rangeBegin, node.rangeCount);
    if (c.graph.wantsRebuild()) rebuildGraph(c);
    return n;
}

void rebuildGraph(SheetContent& c) {
    c.graph.clear();
    for (auto&& [key, cell] : c.cells)
        cell.firstDep = kNone;
    std::vector<CellRange> refs;
    for (uint32_t n = 0; n < c.nodes.size(); ++n) {
        FormulaNode& node = c.nodes[n];
        if (!node.formula) continue;
        refs.clear();
        node.formula->references(refs);
        c.graph.link(n, refs, c.cells, node.rangeBegin, node.rangeCount);
    }
    // Cells that only headed edge lists may have lost them.
    for (auto it = c.cells.begin(); it != c.cells.end();) {
        if (it->second.vacant())
            it = c.cells.erase(it);
        else
            ++it;
    }
}

} // namespace detail

namespace {

// What cells outside the sheet or never written hold.
const Value kEmpty;

bool isHeader(int col, int row) {
    return col == 0 || row == 0;
}

const CellType* typeOf(const SheetContent& c, CellKey key) {
    const CellStyle* s = detail::findStyle(c, key);
    return s ? s->type.get() : nullptr;
}

// Drops the text as typed of `cell`, the cell of `key`, with its attribute
// record when nothing else is left in it (a vacant cell then goes too).
void dropTyped(SheetContent& c, CellKey key, const Cell& cell) {
    if (cell.attrs == kNone) return;
    CellTexts* t = c.attrs[cell.attrs].texts.get();
    if (!t || !t->hasTyped) return;
    t->typed.clear();
    t->hasTyped = false;
    detail::trimAttrs(c, key);
}

void setTyped(SheetContent& c, CellKey key, std::wstring_view typed, bool has) {
    if (!has) {
        auto it = c.cells.find(key);
        if (it != c.cells.end()) dropTyped(c, key, it->second);
        return;
    }
    CellTexts& t = detail::ensureTexts(c, key);
    t.typed.assign(typed);
    t.hasTyped = true;
}

// What typed input makes of `text` in a cell of `type`; false when the type
// refuses it.
bool readTyped(const CellType* type, std::wstring_view text, Value& value, bool& keepTyped) {
    keepTyped = false;
    CellKind kind = type ? type->kind : CellKind::General;
    if (text.empty()) {
        value = Value();
        return true;
    }
    switch (kind) {
    case CellKind::General:
    case CellKind::Edit: {
        if (kind == CellKind::Edit && type->maxLength > 0 &&
            text.size() > static_cast<size_t>(type->maxLength))
            text = text.substr(0, static_cast<size_t>(type->maxLength));
        double x;
        if (textToNumber(text, x) && std::isfinite(x)) {
            value = Value(x);
            keepTyped = value.toText() != text;
        } else {
            value = Value(std::wstring(text));
        }
        return true;
    }
    case CellKind::Number:
    case CellKind::Integer: {
        double x;
        if (!textToNumber(text, x) || !std::isfinite(x)) return false;
        x = detail::roundToDecimals(x, kind == CellKind::Integer ? 0 : type->decimals);
        if (x < type->min || x > type->max) return false;
        value = Value(x);
        return true;
    }
    case CellKind::CheckBox:
        if (text == L"1" || text == L"0")
            value = Value::logical(text == L"1");
        else
            value = Value(std::wstring(text));
        return true;
    default:
        value = Value(std::wstring(text));
        return true;
    }
}

} // namespace

Sheet::Sheet() : d_(std::make_unique<SheetData>()) {}
Sheet::~Sheet() = default;
Sheet::Sheet(Sheet&&) noexcept = default;
Sheet& Sheet::operator=(Sheet&&) noexcept = default;

void Sheet::swapContent(Sheet& other) noexcept {
    std::swap(d_->content, other.d_->content);
}

bool Sheet::reset() {
    if (detail::calculating(*this)) return false;
    d_->content = SheetContent{};
    d_->bools[kBoolChanged] = false;
    return true;
}

int Sheet::maxCols() const {
    return d_->content.maxCols;
}
int Sheet::maxRows() const {
    return d_->content.maxRows;
}

bool Sheet::contains(int col, int row) const {
    col = headerToZero(col);
    row = headerToZero(row);
    return col >= 0 && row >= 0 && col <= d_->content.maxCols && row <= d_->content.maxRows;
}

namespace {

// Drops the cells outside cols 0..maxCols x rows 0..maxRows and everything
// kept about them; returns the keys of cells that had contents. `rowsOnly`:
// only the row count went down, so only the rows past it are looked at.
std::vector<CellKey> dropOutside(SheetData& d, bool rowsOnly) {
    SheetContent& c = d.content;
    std::vector<CellKey> gone;
    if (rowsOnly) {
        c.cells.forEachInRows(static_cast<uint32_t>(c.maxRows) + 1, RowOrder::kLimit,
                              [&](uint32_t i) { gone.push_back(c.cells.keyAt(i)); });
    } else {
        for (auto&& [key, cell] : c.cells)
            if (keyCol(key) > c.maxCols || keyRow(key) > c.maxRows) gone.push_back(key);
    }
    std::vector<CellKey> changed;
    for (CellKey key : gone) {
        Cell& cell = c.cells[key];
        if (!cell.value.isEmpty() || cell.formula != kNone) changed.push_back(key);
        detail::dropFormula(d, cell);
        cell.value = Value();
        detail::freeAttrs(c, cell.attrs);
        detail::eraseIfVacant(c, key);
    }
    std::erase_if(c.spans,
                  [&](const CellRange& s) { return s.col2 > c.maxCols || s.row2 > c.maxRows; });
    c.colWidths.erase(c.colWidths.upper_bound(c.maxCols), c.colWidths.end());
    c.rowHeights.erase(c.rowHeights.upper_bound(c.maxRows), c.rowHeights.end());
    c.hiddenRows.erase(c.hiddenRows.upper_bound(c.maxRows), c.hiddenRows.end());
    if (c.activeCol > c.maxCols || c.activeRow > c.maxRows) c.hasActive = false;
    if (c.select.col2 > c.maxCols || c.select.row2 > c.maxRows) c.hasSelect = false;
    return changed;
}

} // namespace

namespace {

// After the logical size went down: drops the cells left outside, marks the
// sheet changed and recomputes what read them.
template <class Impl> void settleShrink(Sheet& sheet, Impl& d, bool rowsOnly) {
    auto changed = dropOutside(d, rowsOnly);
    if (changed.empty()) return;
    d.bools[kBoolChanged] = true;
    if (d.bools[kBoolAutoCalc]) detail::recalcFrom(sheet, changed);
}

} // namespace

bool Sheet::setMaxCols(int count) {
    if (count < 0 || count > kMaxSheetCols || detail::calculating(*this)) return false;
    bool shrink = count < d_->content.maxCols;
    d_->content.maxCols = count;
    if (shrink) settleShrink(*this, *d_, false);
    return true;
}

bool Sheet::setMaxRows(int count) {
    if (count < 0 || count > kMaxSheetRows || detail::calculating(*this)) return false;
    bool shrink = count < d_->content.maxRows;
    d_->content.maxRows = count;
    if (shrink) settleShrink(*this, *d_, true);
    return true;
}

namespace {

// Marks the sheet changed and, with automatic calculation, brings the
// cells that depend on `key` up to date.
void changed(Sheet& sheet, SheetData& d, CellKey key) {
    d.bools[kBoolChanged] = true;
    if (d.bools[kBoolAutoCalc] && !detail::calculating(sheet)) detail::recalcFrom(sheet, key);
}

// Puts `value` in a cell (inside the sheet) in place of its content.
bool putValue(Sheet& sheet, SheetData& d, int col, int row, Value&& value) {
    if (value.isNumber() && !std::isfinite(value.number())) return false;
    CellKey key = cellKey(col, row);
    SheetContent& c = d.content;
    Cell& cell = c.cells[key];
    detail::dropFormula(d, cell);
    cell.value = std::move(value);
    if (cell.attrs != kNone)
        dropTyped(c, key, cell);
    else if (cell.vacant())
        c.cells.erase(key);
    changed(sheet, d, key);
    return true;
}

} // namespace

bool Sheet::setData(int col, int row, std::wstring_view text) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return false;
    if (!isHeader(col, row) && !text.empty() && text[0] == L'=') {
        const CellType* type = typeOf(d_->content, cellKey(col, row));
        CellKind kind = type ? type->kind : CellKind::General;
        if (kind == CellKind::General || kind == CellKind::Edit) return setFormula(col, row, text);
    }
    CellKey key = cellKey(col, row);
    Value value;
    bool keepTyped = false;
    if (isHeader(col, row)) {
        if (!text.empty()) value = Value(std::wstring(text));
    } else if (!readTyped(typeOf(d_->content, key), text, value, keepTyped)) {
        return false;
    }
    SheetContent& c = d_->content;
    Cell& cell = c.cells[key];
    detail::dropFormula(*d_, cell);
    cell.value = std::move(value);
    setTyped(c, key, text, keepTyped);
    detail::eraseIfVacant(c, key);
    changed(*this, *d_, key);
    return true;
}

namespace detail {

void dataText(const SheetContent& c, CellKey key, DataText& out) {
    out.wide = {};
    out.narrowLength = 0;
    auto it = c.cells.find(key);
    if (it == c.cells.end()) return;
    const Cell& cell = it->second;
    const Value& v = cell.value;
    if (cell.attrs != kNone) {
        const CellAttrs& a = c.attrs[cell.attrs];
        if (a.texts && a.texts->hasTyped) {
            out.wide = a.texts->typed;
            return;
        }
        const CellType* type =
            a.style != StylePool::kPlain ? c.styles.at(a.style).type.get() : nullptr;
        if (type && v.isNumber() &&
            (type->kind == CellKind::Number || type->kind == CellKind::Integer)) {
            const bool number = type->kind == CellKind::Number;
            out.narrowLength = formatFixedChars(v.number(), number ? type->decimals : 0,
                                                number && type->separator, out.narrow);
            return;
        }
    }
    switch (v.type()) {
    case Value::Type::Empty:
        break;
    case Value::Type::Number:
        out.narrowLength = static_cast<size_t>(
            numberChars(v.number(), out.narrow, out.narrow + sizeof out.narrow) - out.narrow);
        break;
    case Value::Type::Text:
        out.wide = v.text();
        break;
    case Value::Type::Logical:
        out.narrow[0] = v.logicalValue() ? '1' : '0';
        out.narrowLength = 1;
        break;
    case Value::Type::Error:
        out.wide = errorName(v.errorKind());
        break;
    }
}

} // namespace detail

std::wstring Sheet::data(int col, int row) const {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return {};
    detail::DataText text;
    detail::dataText(d_->content, cellKey(col, row), text);
    if (text.narrowLength) return std::wstring(text.narrow, text.narrow + text.narrowLength);
    return std::wstring(text.wide);
}

bool Sheet::setValue(int col, int row, std::wstring_view text) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return false;
    Value value;
    double x;
    ErrorKind e;
    const CellType* type = typeOf(d_->content, cellKey(col, row));
    if (text.empty())
        value = Value();
    else if (isHeader(col, row))
        value = Value(std::wstring(text));
    else if (type && type->kind == CellKind::CheckBox && (text == L"1" || text == L"0"))
        value = Value::logical(text == L"1");
    else if (textToNumber(text, x) && std::isfinite(x))
        value = Value(x);
    else if (parseErrorName(text, e))
        value = Value::error(e);
    else
        value = Value(std::wstring(text));
    return putValue(*this, *d_, col, row, std::move(value));
}

bool Sheet::setCellValue(int col, int row, const Value& value) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return false;
    return putValue(*this, *d_, col, row, Value(value));
}

Value Sheet::value(int col, int row) const {
    return valueAt(col, row);
}

const Value& Sheet::valueAt(int col, int row) const {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return kEmpty;
    auto it = d_->content.cells.find(cellKey(col, row));
    return it == d_->content.cells.end() ? kEmpty : it->second.value;
}

std::wstring Sheet::valueText(int col, int row) const {
    return valueAt(col, row).toText();
}

bool Sheet::setNumber(int col, int row, double number) {
    return setCellValue(col, row, Value(number));
}

bool Sheet::number(int col, int row, double& out) const {
    const Value& v = valueAt(col, row);
    out = 0;
    if (v.isNumber()) out = v.number();
    if (v.isLogical()) out = v.logicalValue() ? 1 : 0;
    return v.isNumber() || v.isLogical();
}

namespace {

// Puts the compiled formula `f` into the cell (col, row) in
// place of what the cell held, and computes it.
void placeFormula(Sheet& sheet, SheetData& d, int col, int row, FormulaRef f) {
    const CellKey key = cellKey(col, row);
    SheetContent& c = d.content;
    uint32_t index;
    Cell& cell = c.cells.get(key, index);
    // The very formula the cell holds (a sheet computed again with the
    // formulas it was given before): only computed again, its node and
    // dependencies kept.
    if (cell.formula != kNone && c.nodes[cell.formula].formula.get() == f.get()) {
        detail::computeNode(sheet, cell.formula);
        changed(sheet, d, key);
        return;
    }
    detail::dropFormula(d, cell);
    dropTyped(c, key, cell);
    uint32_t n = detail::attachFormula(d, key, cell, std::move(f), index);
    detail::computeNode(sheet, n);
    changed(sheet, d, key);
}

} // namespace

bool Sheet::setFormula(int col, int row, std::wstring_view text, std::wstring* error) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row) || isHeader(col, row)) {
        if (error) *error = L"no such cell";
        return false;
    }
    CellKey key = cellKey(col, row);
    SheetContent& c = d_->content;
    if (text.empty() || text == L"=") {
        auto it = c.cells.find(key);
        if (it != c.cells.end() && it->second.formula != kNone) {
            detail::dropFormula(*d_, it->second);
            detail::eraseIfVacant(c, key);
            d_->bools[kBoolChanged] = true;
        }
        return true;
    }
    FormulaRef f = compileFormula(text, d_->refStyle, col, row, error);
    if (!f) {
        if (error && error->empty()) *error = L"not a formula";
        return false;
    }
    placeFormula(*this, *d_, col, row, std::move(f));
    return true;
}

bool setCompiledFormula(Sheet& sheet, int col, int row, const FormulaRef& formula) {
    if (!formula || col < 1 || row < 1 || col > sheet.maxCols() || row > sheet.maxRows())
        return false;
    placeFormula(sheet, sheet.internals(), col, row, formula);
    return true;
}

std::wstring Sheet::formula(int col, int row) const {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return {};
    const SheetContent& c = d_->content;
    auto it = c.cells.find(cellKey(col, row));
    if (it == c.cells.end() || it->second.formula == kNone) return {};
    return c.nodes[it->second.formula].formula->text(d_->refStyle, col, row);
}

bool Sheet::hasFormula(int col, int row) const {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return false;
    auto it = d_->content.cells.find(cellKey(col, row));
    return it != d_->content.cells.end() && it->second.formula != kNone;
}

void Sheet::forEachCell(const CellRange& block,
                        const std::function<void(const CellView&)>& visit) const {
    const SheetContent& c = d_->content;
    const int col1 = std::max(headerToZero(block.col1), 0);
    const int row1 = std::max(headerToZero(block.row1), 0);
    const int col2 = std::min(block.col2, c.maxCols);
    const int row2 = std::min(block.row2, c.maxRows);
    for (int row = row1; row <= row2; ++row) {
        for (int col = col1; col <= col2; ++col) {
            const auto it = c.cells.find(cellKey(col, row));
            if (it == c.cells.end()) {
                visit(CellView(*this, col, row, kEmpty, nullptr, false));
                continue;
            }
            const Cell& cell = it->second;
            const uint32_t style =
                cell.attrs == kNone ? StylePool::kPlain : c.attrs[cell.attrs].style;
            visit(CellView(*this, col, row, cell.value,
                           style == StylePool::kPlain ? nullptr : &c.styles.at(style),
                           cell.formula != kNone));
        }
    }
}

std::wstring CellView::formula() const {
    return hasFormula_ ? sheet_->formula(col_, row_) : std::wstring();
}

bool Sheet::setTag(int col, int row, std::wstring_view text) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return false;
    CellKey key = cellKey(col, row);
    if (text.empty()) {
        if (const CellTexts* t = detail::findTexts(d_->content, key); t && !t->tag.empty()) {
            d_->content.attrs[d_->content.cells[key].attrs].texts->tag.clear();
            detail::trimAttrs(d_->content, key);
        }
    } else {
        detail::ensureTexts(d_->content, key).tag.assign(text);
    }
    d_->bools[kBoolChanged] = true;
    return true;
}

std::wstring Sheet::tag(int col, int row) const {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return {};
    const CellTexts* t = detail::findTexts(d_->content, cellKey(col, row));
    return t ? t->tag : std::wstring();
}

bool Sheet::clearCell(int col, int row) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!contains(col, row)) return false;
    CellKey key = cellKey(col, row);
    SheetContent& c = d_->content;
    auto it = c.cells.find(key);
    if (it == c.cells.end()) return true;
    detail::dropFormula(*d_, it->second);
    it->second.value = Value();
    setTyped(c, key, {}, false);
    detail::eraseIfVacant(c, key);
    changed(*this, *d_, key);
    return true;
}

namespace {

bool hasTag(const SheetContent& c, const Cell& cell) {
    return cell.attrs != kNone && c.attrs[cell.attrs].texts &&
           !c.attrs[cell.attrs].texts->tag.empty();
}

} // namespace

int Sheet::lastUsedCol() const {
    int last = 0;
    for (const auto& [key, cell] : d_->content.cells) {
        if (keyCol(key) <= last || keyRow(key) == 0) continue;
        bool used = !cell.value.isEmpty() || cell.formula != kNone || hasTag(d_->content, cell);
        if (used) last = keyCol(key);
    }
    return last;
}

int Sheet::lastUsedRow() const {
    int last = 0;
    for (const auto& [key, cell] : d_->content.cells) {
        if (keyRow(key) <= last || keyCol(key) == 0) continue;
        bool used = !cell.value.isEmpty() || cell.formula != kNone || hasTag(d_->content, cell);
        if (used) last = keyRow(key);
    }
    return last;
}

} // namespace spread
