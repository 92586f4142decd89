// Sheet: inserting and deleting rows and columns, swapping and copying
// blocks, and the block texts of the clipboard.
#include "platform/spread/recalc.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"

#include <optional>

namespace spread {

namespace {

// Frees a formula node without touching the graph (which is rebuilt after).
void freeNode(SheetContent& c, uint32_t n) {
    FormulaNode& node = c.nodes[n];
    node.formula.reset();
    if (node.isVolatile) --c.volatileCount;
    node.isVolatile = false;
    node.rangeBegin = kNone;
    node.rangeCount = 0;
    ++node.gen;
    c.freeNodes.push_back(n);
    --c.formulaCount;
}

using detail::freeAttrs;

// Moves every cell to where `map` says (nullopt: the cell goes).
template <class Map> void remapCells(SheetContent& c, Map&& map) {
    CellMap fresh;
    fresh.reserve(c.cells.size());
    for (auto&& [key, cell] : c.cells) {
        cell.firstDep = kNone;
        std::optional<CellKey> to = map(keyCol(key), keyRow(key));
        if (!to) {
            if (cell.formula != kNone) freeNode(c, cell.formula);
            freeAttrs(c, cell.attrs);
            continue;
        }
        uint32_t n = cell.formula;
        fresh[*to] = std::move(cell);
        if (n != kNone) c.nodes[n].cell = fresh.indexOf(*to);
    }
    c.cells.swap(fresh);
}

// Where the line `v` goes when `count` lines are inserted before `at`
// (count > 0) or deleted from `at` (count < 0); nullopt when it goes away.
std::optional<int> shiftLine(int v, int at, int count, int last) {
    if (v < at) return v;
    if (count > 0) return v + count <= last ? std::optional<int>(v + count) : std::nullopt;
    if (v < at - count) return std::nullopt;
    return v + count;
}

// The same for an interval of lines; nullopt when nothing of it is left.
std::optional<std::pair<int, int>> shiftInterval(int a, int b, int at, int count, int last) {
    if (count > 0) {
        if (a >= at) a += count;
        if (b >= at) b += count;
        if (b > last) return std::nullopt;
        return std::pair{a, b};
    }
    int end = at - count; // first line after the deleted ones
    int na = a < at ? a : (a >= end ? a + count : at);
    int nb = b < at ? b : (b >= end ? b + count : at - 1);
    if (na > nb) return std::nullopt;
    return std::pair{na, nb};
}

template <class M> M shiftKeys(const M& m, int at, int count, int last) {
    M out;
    for (const auto& entry : m) {
        int k;
        if constexpr (requires { entry.first; })
            k = entry.first;
        else
            k = entry;
        if (k == 0) {
            out.insert(entry);
            continue;
        }
        auto to = shiftLine(k, at, count, last);
        if (!to) continue;
        if constexpr (requires { entry.first; })
            out.emplace(*to, entry.second);
        else
            out.insert(*to);
    }
    return out;
}

// `linked`: whether the sheet had formulas before the change.
void afterStructureChange(Sheet& sheet, SheetData& d, bool linked = true) {
    if (!linked) {
        // No formula, so the graph holds no edge and no cell heads one
        // (removing a formula unlinks it): forgetting it is what a rebuild
        // would do, without the walk over every cell that made editing the
        // rows of a large grid cost as much as rebuilding it.
        d.content.graph.clear();
    } else {
        detail::rebuildGraph(d.content);
    }
    d.bools[kBoolChanged] = true;
    if (d.bools[kBoolAutoCalc]) detail::recalcAll(sheet);
}

} // namespace

namespace {

void moveLines(SheetContent& c, bool rows, int at, int count, int last);

// Inserts (count > 0) or deletes (count < 0) lines of rows or columns.
bool shiftLines(Sheet& sheet, SheetData& d, bool rows, int at, int count) {
    SheetContent& c = d.content;
    int last = rows ? c.maxRows : c.maxCols;
    if (detail::calculating(sheet) || count == 0 || at < 1) return false;
    if (count > 0 && at > last + 1) return false;
    if (count < 0) {
        if (at > last) return false;
        count = std::max(count, at - last - 1); // no further than the last line
    }
    // Formulas shared with other sheets get copies of their own before
    // anything moves: running out of memory then changes nothing.
    try {
        for (FormulaNode& node : c.nodes)
            if (node.formula) node.formula.mutate();
    } catch (...) {
        return false;
    }
    // Lines inserted after the last one move nothing: cells, spans, sizes
    // and hidden lines all lie inside the sheet. Filling a grid by inserting
    // at its end then costs no walk over all its cells.
    const bool appended = count > 0 && at == last + 1;
    const bool linked = c.formulaCount > 0;
    if (!appended) moveLines(c, rows, at, count, last);
    for (FormulaNode& node : c.nodes) {
        if (!node.formula) continue;
        if (rows)
            node.formula.mutate().adjustRows(at, count);
        else
            node.formula.mutate().adjustCols(at, count);
    }
    c.hasSelect = false;
    afterStructureChange(sheet, d, linked);
    return true;
}

// Moves rows in the cell table's row order, so that no cell is filed again:
// the deleted rows' cells go, and so do those an insertion pushes past the
// last row. False (nothing changed) when the table cannot take the rows.
bool moveRows(SheetContent& c, int at, int count, int last) {
    auto release = [&](Cell& cell) {
        if (cell.formula != kNone) freeNode(c, cell.formula);
        freeAttrs(c, cell.attrs);
    };
    const auto first = static_cast<uint32_t>(at);
    if (count < 0) {
        c.cells.removeRows(first, static_cast<uint32_t>(-count), release);
        return true;
    }
    if (!c.cells.insertRows(first, static_cast<uint32_t>(count))) return false;
    c.cells.removeRows(static_cast<uint32_t>(last) + 1, RowOrder::kLimit, release);
    return true;
}

// Moves the cells, spans, sizes and hidden lines for shiftLines.
void moveLines(SheetContent& c, bool rows, int at, int count, int last) {
    if (!rows || !moveRows(c, at, count, last))
        remapCells(c, [&](int col, int row) -> std::optional<CellKey> {
            int v = rows ? row : col;
            if (v == 0) return cellKey(col, row);
            auto to = shiftLine(v, at, count, last);
            if (!to) return std::nullopt;
            return rows ? cellKey(col, *to) : cellKey(*to, row);
        });
    std::vector<CellRange> spans;
    for (CellRange s : c.spans) {
        int& a = rows ? s.row1 : s.col1;
        int& b = rows ? s.row2 : s.col2;
        if (a == 0) {
            spans.push_back(s);
            continue;
        }
        auto moved = shiftInterval(a, b, at, count, last);
        if (!moved) continue;
        a = moved->first;
        b = moved->second;
        if (s.col1 != s.col2 || s.row1 != s.row2) spans.push_back(s);
    }
    c.spans = std::move(spans);
    if (rows) {
        c.rowHeights = shiftKeys(c.rowHeights, at, count, last);
        c.hiddenRows = shiftKeys(c.hiddenRows, at, count, last);
    } else {
        c.colWidths = shiftKeys(c.colWidths, at, count, last);
    }
}

} // namespace

bool Sheet::insertRows(int at, int count) {
    return count > 0 && shiftLines(*this, *d_, true, at, count);
}
bool Sheet::deleteRows(int at, int count) {
    return count > 0 && shiftLines(*this, *d_, true, at, -count);
}
bool Sheet::insertCols(int at, int count) {
    return count > 0 && shiftLines(*this, *d_, false, at, count);
}
bool Sheet::deleteCols(int at, int count) {
    return count > 0 && shiftLines(*this, *d_, false, at, -count);
}

namespace {

// Normalises the source block and checks that it and the destination block
// lie in the sheet's cells (headers excluded).
bool blocksInside(const SheetContent& c, int& col, int& row, int& col2, int& row2, int destCol,
                  int destRow) {
    if (col2 < col) std::swap(col, col2);
    if (row2 < row) std::swap(row, row2);
    auto inside = [&](int c1, int r1, int c2, int r2) {
        return c1 >= 1 && r1 >= 1 && c2 <= c.maxCols && r2 <= c.maxRows;
    };
    return inside(col, row, col2, row2) &&
           inside(destCol, destRow, destCol + col2 - col, destRow + row2 - row);
}

// A cell taken out of the sheet with its attributes, for copying.
struct LooseCell {
    Value value;
    std::unique_ptr<Formula> formula;
    bool hasAttrs = false;
    CellStyle style;
    CellTexts texts;
};

LooseCell snapshot(const SheetContent& c, CellKey key, int dCol, int dRow) {
    LooseCell out;
    auto it = c.cells.find(key);
    if (it == c.cells.end()) return out;
    out.value = it->second.value;
    if (it->second.formula != kNone)
        out.formula = c.nodes[it->second.formula].formula->moved(dCol, dRow);
    if (it->second.attrs != kNone) {
        const CellAttrs& a = c.attrs[it->second.attrs];
        out.hasAttrs = true;
        if (a.style != StylePool::kPlain) out.style = c.styles.at(a.style);
        if (a.texts) out.texts = *a.texts;
    }
    return out;
}

void place(SheetData& d, CellKey key, LooseCell&& loose) {
    SheetContent& c = d.content;
    Cell& cell = c.cells[key];
    if (cell.formula != kNone) freeNode(c, cell.formula);
    cell.formula = kNone;
    freeAttrs(c, cell.attrs);
    cell.value = std::move(loose.value);
    if (loose.hasAttrs) detail::setAttrs(c, key, loose.style, &loose.texts);
    Cell& again = c.cells[key];
    if (loose.formula) detail::attachFormula(d, key, again, std::move(loose.formula));
}

} // namespace

bool Sheet::swapRange(int col, int row, int col2, int row2, int destCol, int destRow) {
    SheetContent& c = d_->content;
    if (detail::calculating(*this) || !blocksInside(c, col, row, col2, row2, destCol, destRow))
        return false;
    int dCol = destCol - col, dRow = destRow - row;
    CellRange src{col, row, col2, row2};
    CellRange dst{destCol, destRow, destCol + col2 - col, destRow + row2 - row};
    if (src.col1 <= dst.col2 && dst.col1 <= src.col2 && src.row1 <= dst.row2 &&
        dst.row1 <= src.row2 && !(dCol == 0 && dRow == 0))
        return false;
    std::vector<std::pair<CellKey, LooseCell>> moves;
    for (int cc = col; cc <= col2; ++cc)
        for (int rr = row; rr <= row2; ++rr) {
            CellKey a = cellKey(cc, rr), b = cellKey(cc + dCol, rr + dRow);
            moves.emplace_back(b, snapshot(c, a, dCol, dRow));
            moves.emplace_back(a, snapshot(c, b, -dCol, -dRow));
        }
    for (auto& [key, loose] : moves)
        place(*d_, key, std::move(loose));
    for (auto& [key, loose] : moves)
        detail::eraseIfVacant(c, key);
    afterStructureChange(*this, *d_);
    return true;
}

bool Sheet::copyRange(int col, int row, int col2, int row2, int destCol, int destRow) {
    SheetContent& c = d_->content;
    if (detail::calculating(*this) || !blocksInside(c, col, row, col2, row2, destCol, destRow))
        return false;
    int dCol = destCol - col, dRow = destRow - row;
    std::vector<std::pair<CellKey, LooseCell>> moves;
    for (int cc = col; cc <= col2; ++cc)
        for (int rr = row; rr <= row2; ++rr)
            moves.emplace_back(cellKey(cc + dCol, rr + dRow),
                               snapshot(c, cellKey(cc, rr), dCol, dRow));
    for (auto& [key, loose] : moves)
        place(*d_, key, std::move(loose));
    for (auto& [key, loose] : moves)
        detail::eraseIfVacant(c, key);
    afterStructureChange(*this, *d_);
    return true;
}

std::wstring Sheet::copyText(const CellRange& block) const {
    std::wstring out;
    for (int row = block.row1; row <= block.row2; ++row) {
        for (int col = block.col1; col <= block.col2; ++col) {
            if (col != block.col1) out += L'\t';
            out += data(col, row);
        }
        out += L"\r\n";
    }
    return out;
}

std::vector<std::vector<std::wstring>> Sheet::splitCopyText(std::wstring_view text) {
    std::vector<std::vector<std::wstring>> rows;
    std::vector<std::wstring> fields(1);
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t ch = text[i];
        if (ch == L'\t') {
            fields.emplace_back();
        } else if (ch == L'\r' || ch == L'\n') {
            if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            rows.push_back(std::move(fields));
            fields.assign(1, {});
        } else {
            fields.back() += ch;
        }
    }
    if (fields.size() > 1 || !fields[0].empty()) rows.push_back(std::move(fields));
    return rows;
}

bool Sheet::pasteText(int col, int row, std::wstring_view text, bool keepLocked) {
    const std::vector<std::vector<std::wstring>> rows = splitCopyText(text);
    size_t width = 0;
    for (const auto& r : rows)
        width = std::max(width, r.size());
    if (rows.empty()) return true;
    if (col < 1 || row < 1 || !contains(col + int(width) - 1, row + int(rows.size()) - 1))
        return false;
    bool ok = true;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t f = 0; f < rows[r].size(); ++f)
            if (!keepLocked || !isLocked(col + int(f), row + int(r)))
                ok &= setData(col + int(f), row + int(r), rows[r][f]);
    return ok;
}

} // namespace spread
