// Sheet: cell types, locks, colours, fonts and borders.
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"

namespace spread {

using detail::headerToZero;

CellType CellType::edit(uint32_t style, int maxLength) {
    CellType t;
    t.kind = CellKind::Edit;
    t.style = style;
    t.maxLength = maxLength < 0 ? 0 : maxLength;
    return t;
}

CellType CellType::number(int decimals, bool separator, double min, double max, uint32_t style) {
    CellType t;
    t.kind = CellKind::Number;
    t.decimals = decimals < 0 ? 0 : (decimals > 15 ? 15 : decimals);
    t.separator = separator;
    t.min = min;
    t.max = max;
    t.style = style;
    return t;
}

CellType CellType::integer(double min, double max) {
    CellType t;
    t.kind = CellKind::Integer;
    t.decimals = 0;
    t.min = min;
    t.max = max;
    return t;
}

CellType CellType::staticText(uint32_t style) {
    CellType t;
    t.kind = CellKind::StaticText;
    t.style = style;
    return t;
}

CellType CellType::checkBox(std::wstring text, std::wstring clearedPicture, std::wstring setPicture,
                            uint32_t style) {
    CellType t;
    t.kind = CellKind::CheckBox;
    t.text = std::move(text);
    t.picture = std::move(clearedPicture);
    t.picture2 = std::move(setPicture);
    t.style = style;
    return t;
}

CellType CellType::button(std::wstring text, uint32_t style) {
    CellType t;
    t.kind = CellKind::Button;
    t.text = std::move(text);
    t.style = style;
    return t;
}

CellType CellType::comboBox(std::vector<std::wstring> items, bool editable, uint32_t style) {
    CellType t;
    t.kind = CellKind::ComboBox;
    t.items = std::move(items);
    t.editable = editable;
    t.style = style;
    return t;
}

CellType CellType::pictureCell(std::wstring picture, uint32_t style) {
    CellType t;
    t.kind = CellKind::Picture;
    t.picture = std::move(picture);
    t.style = style;
    return t;
}

namespace {

// Normalises a block to header-as-0 and clips it to the sheet; false when
// nothing of it lies inside.
bool clipBlock(const SheetContent& c, int& col, int& row, int& col2, int& row2) {
    col = headerToZero(col);
    row = headerToZero(row);
    col2 = headerToZero(col2);
    row2 = headerToZero(row2);
    if (col2 < col) std::swap(col, col2);
    if (row2 < row) std::swap(row, row2);
    if (col < 0 || row < 0 || col > c.maxCols || row > c.maxRows) return false;
    if (col2 > c.maxCols) col2 = c.maxCols;
    if (row2 > c.maxRows) row2 = c.maxRows;
    return true;
}

// Gives the cell `key` (at `index` in the cell map and with the attribute
// record `at`, kNone for none) the look `now` in place of `old`; the cell
// takes a reference of its own to it. `clearTyped` drops its text as typed.
void restyleCell(SheetContent& c, CellKey key, uint32_t index, uint32_t at, uint32_t old,
                 uint32_t now, bool clearTyped) {
    if (now == old && !(clearTyped && at != kNone && c.attrs[at].texts)) return;
    if (at == kNone) {
        // A plain cell (or none) given a look: one lookup made the cell.
        Cell& cell = index == kNone ? c.cells.get(key, index) : c.cells.at(index);
        CellAttrs& a = detail::ensureAttrs(c, cell);
        c.styles.retain(now);
        a.style = now;
        return;
    }
    CellAttrs& a = c.attrs[at];
    c.styles.retain(now);
    c.styles.release(a.style);
    a.style = now;
    if (clearTyped && a.texts) {
        a.texts->typed.clear();
        a.texts->hasTyped = false;
    }
    if (a.plain() || (a.texts && a.texts->empty())) detail::trimAttrs(c, key);
}

// Changes the look of every cell of the block by `fn`; `clearTyped` drops
// the texts as typed too. Cells that looked alike before look alike after,
// so the new look is worked out once per look the block had: formatting a
// block costs a lookup per cell.
template <class Fn>
bool forBlock(SheetContent& c, int col, int row, int col2, int row2, Fn&& fn,
              bool clearTyped = false) {
    if (!clipBlock(c, col, row, col2, row2)) return false;
    StylePool& pool = c.styles;
    // Old look -> new look; both are held until the end, so that neither
    // number is given to another look meanwhile.
    std::vector<std::pair<uint32_t, uint32_t>> done;
    auto restyle = [&](uint32_t old) {
        for (const auto& [from, to] : done)
            if (from == old) return to;
        CellStyle style = old == StylePool::kPlain ? CellStyle{} : pool.at(old);
        fn(style);
        pool.retain(old);
        done.emplace_back(old, pool.acquire(style));
        return done.back().second;
    };
    for (int cc = col; cc <= col2; ++cc)
        for (int rr = row; rr <= row2; ++rr) {
            CellKey key = cellKey(cc, rr);
            uint32_t index = c.cells.indexOf(key);
            const uint32_t at = index == kNone ? kNone : c.cells.at(index).attrs;
            const uint32_t old = at == kNone ? StylePool::kPlain : c.attrs[at].style;
            restyleCell(c, key, index, at, old, restyle(old), clearTyped);
        }
    for (const auto& [from, to] : done) {
        pool.release(from);
        pool.release(to);
    }
    return true;
}

// Gives the block the type `type` (null or a general type: none). A cell
// that has the type already keeps its look and only drops its text as
// typed, as any cell given a type does. The type is shared, not copied:
// a sheet is filled with a few types set again and again.
bool setTypeOf(const Sheet& sheet, SheetContent& c, int col, int row, int col2, int row2,
               const std::shared_ptr<const CellType>& type) {
    const CellType* want =
        type && (type->kind != CellKind::General || *type != CellType{}) ? type.get() : nullptr;
    if (col != col2 || row != row2) {
        // The data text is shown by the new type from now on.
        return forBlock(
            c, col, row, col2, row2,
            [&](CellStyle& a) {
                if (want)
                    a.type = type;
                else
                    a.type.reset();
            },
            true);
    }
    // One cell, the usual case when filling a sheet: no table of looks.
    col = headerToZero(col);
    row = headerToZero(row);
    if (!sheet.contains(col, row)) return false;
    const CellKey key = cellKey(col, row);
    const uint32_t index = c.cells.indexOf(key);
    const uint32_t at = index == kNone ? kNone : c.cells.at(index).attrs;
    const uint32_t old = at == kNone ? StylePool::kPlain : c.attrs[at].style;
    const CellStyle* was = old == StylePool::kPlain ? nullptr : &c.styles.at(old);
    const CellType* wasType = was ? was->type.get() : nullptr;
    if (wasType == want || (wasType && want && *wasType == *want)) {
        restyleCell(c, key, index, at, old, old, true);
        return true;
    }
    CellStyle style = was ? *was : CellStyle{};
    if (want)
        style.type = type;
    else
        style.type.reset();
    const uint32_t now = c.styles.acquire(style);
    restyleCell(c, key, index, at, old, now, true);
    c.styles.release(now);
    return true;
}

const CellStyle* styleAt(const Sheet& s, int col, int row) {
    col = headerToZero(col);
    row = headerToZero(row);
    if (!s.contains(col, row)) return nullptr;
    return detail::findStyle(s.internals().content, cellKey(col, row));
}

} // namespace

bool Sheet::setCellType(int col, int row, const CellType& type) {
    return setCellTypeRange(col, row, col, row, type);
}

bool Sheet::setCellTypeRange(int col, int row, int col2, int row2, const CellType& type) {
    for (const std::shared_ptr<const CellType>& recent : d_->recentTypes)
        if (recent && *recent == type)
            return setTypeOf(*this, d_->content, col, row, col2, row2, recent);
    std::shared_ptr<const CellType>& slot =
        d_->recentTypes[d_->nextRecentType++ % std::size(d_->recentTypes)];
    try {
        slot = std::make_shared<const CellType>(type);
    } catch (...) {
        return false;
    }
    return setTypeOf(*this, d_->content, col, row, col2, row2, slot);
}

bool Sheet::setCellTypeRange(int col, int row, int col2, int row2,
                             const std::shared_ptr<const CellType>& type) {
    return setTypeOf(*this, d_->content, col, row, col2, row2, type);
}

CellType Sheet::cellType(int col, int row) const {
    const CellStyle* a = styleAt(*this, col, row);
    return a && a->type ? *a->type : CellType{};
}

int Sheet::cellTypeCode(int col, int row) const {
    const CellStyle* a = styleAt(*this, col, row);
    return a && a->type ? static_cast<int>(a->type->kind) : 0;
}

bool Sheet::setLock(int col, int row, bool locked) {
    return setLockRange(col, row, col, row, locked);
}

bool Sheet::setLockRange(int col, int row, int col2, int row2, bool locked) {
    return forBlock(d_->content, col, row, col2, row2, [&](CellStyle& a) { a.locked = locked; });
}

bool Sheet::isLocked(int col, int row) const {
    const CellStyle* a = styleAt(*this, col, row);
    return a && a->locked;
}

bool Sheet::setColor(int col, int row, Color back, Color fore) {
    return setColorRange(col, row, col, row, back, fore);
}

bool Sheet::setColorRange(int col, int row, int col2, int row2, Color back, Color fore) {
    return forBlock(d_->content, col, row, col2, row2, [&](CellStyle& a) {
        a.back = back;
        a.fore = fore;
    });
}

void Sheet::color(int col, int row, Color& back, Color& fore) const {
    const CellStyle* a = styleAt(*this, col, row);
    back = a ? a->back : kDefaultColor;
    fore = a ? a->fore : kDefaultColor;
}

bool Sheet::setFont(int col, int row, const Font& font) {
    return setFontRange(col, row, col, row, font);
}

bool Sheet::setFontRange(int col, int row, int col2, int row2, const Font& font) {
    auto shared = std::make_shared<const Font>(font);
    return forBlock(d_->content, col, row, col2, row2, [&](CellStyle& a) { a.font = shared; });
}

Font Sheet::font(int col, int row) const {
    const CellStyle* a = styleAt(*this, col, row);
    return a && a->font ? *a->font : d_->defaultFont;
}

void Sheet::setDefaultFont(const Font& font) {
    d_->defaultFont = font;
}
Font Sheet::defaultFont() const {
    return d_->defaultFont;
}

bool Sheet::setBorder(int col, int row, const Border& border) {
    return setBorderRange(col, row, col, row, border);
}

bool Sheet::setBorderRange(int col, int row, int col2, int row2, const Border& border) {
    return forBlock(d_->content, col, row, col2, row2, [&](CellStyle& a) { a.border = border; });
}

Border Sheet::border(int col, int row) const {
    const CellStyle* a = styleAt(*this, col, row);
    return a ? a->border : Border{};
}

} // namespace spread
