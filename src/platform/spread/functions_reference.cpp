// References as values: where a reference lies (ROW, COLUMN, ROWS,
// COLUMNS), references written as text (ADDRESS, INDIRECT), moved (OFFSET)
// and blocks turned over (TRANSPOSE).
#include "platform/spread/formula_arrays.h"
#include "platform/spread/formula_lexer.h"
#include "platform/spread/functions_iterate.h"

#include <cmath>
#include <vector>

namespace spread {

namespace {

bool given(const Call& c, int i) {
    return c.given(i) && c.arg(i).kind != Slot::Missing;
}

// Optional arguments taken as written ("r"), so that an empty one keeps its
// default: a whole number, or a logical value.
bool optionalNumber(Call& c, int i, double& out, ErrorKind& e) {
    if (!given(c, i)) return true;
    if (!toNumber(c.scalar(i), out, e)) return false;
    out = std::trunc(out);
    return true;
}
bool optionalFlag(Call& c, int i, bool& out, ErrorKind& e) {
    return !given(c, i) || toLogical(c.scalar(i), out, e);
}

// ROW([ref]) and COLUMN([ref]): of the first cell; the formula's own without
// a reference; a value or a block of values is #VALUE!.
template <bool Rows> Slot fnPosition(Call& c) {
    if (!given(c, 0)) return Value(Rows ? c.row : c.col);
    const Slot& s = c.arg(0);
    if (!s.isRef()) return s.v.isError() ? s.v : Value::error(ErrorKind::Value);
    if (isArrayRef(s.ref)) return fail(ErrorKind::Value);
    return Value(Rows ? s.ref.row1 : s.ref.col1);
}

// ROWS(block) and COLUMNS(block): a single value counts as one.
template <bool Rows> Slot fnExtent(Call& c) {
    const Slot& s = c.arg(0);
    if (!s.isRef()) return s.v.isError() ? s.v : Value(1);
    return Value(Rows ? s.ref.row2 - s.ref.row1 + 1 : s.ref.col2 - s.ref.col1 + 1);
}

// A sheet name as a reference writes it: quoted unless it is letters,
// digits, "_" and "." not starting with a digit.
std::wstring sheetPrefix(const std::wstring& name) {
    bool plain = !name.empty() && !(name[0] >= L'0' && name[0] <= L'9');
    for (wchar_t ch : name)
        plain = plain && (isNameChar(ch));
    if (plain) return name + L"!";
    std::wstring out = L"'";
    for (wchar_t ch : name) {
        if (ch == L'\'') out += L'\'';
        out += ch;
    }
    return out + L"'!";
}

// ADDRESS(row, column, [kind 1], [A1 TRUE], [sheet]): kind 1 absolute, 2
// absolute row, 3 absolute column, 4 relative; R1C1 relative parts in
// brackets.
Slot fnAddress(Call& c) {
    const double row = std::trunc(c.num(0)), col = std::trunc(c.num(1));
    double kind = 1;
    bool a1 = true;
    ErrorKind e = ErrorKind::Value;
    if (!optionalNumber(c, 2, kind, e) || !optionalFlag(c, 3, a1, e)) return fail(e);
    if (kind < 1 || kind > 4) return fail(ErrorKind::Value);
    const bool absRow = kind == 1 || kind == 2, absCol = kind == 1 || kind == 3;
    std::wstring out = c.given(4) && !c.text(4).empty() ? sheetPrefix(c.text(4)) : L"";
    if (a1) {
        if (row < 1 || row > kMaxSheetRows || col < 1 || col > kMaxSheetCols)
            return fail(ErrorKind::Value);
        out += absCol ? L"$" : L"";
        out += columnName(static_cast<int>(col));
        out += absRow ? L"$" : L"";
        out += std::to_wstring(static_cast<int>(row));
        return Value(std::move(out));
    }
    if ((absRow && (row < 1 || row > kMaxSheetRows)) || (absCol && (col < 1 || col > kMaxSheetCols)) ||
        std::fabs(row) > kMaxSheetRows || std::fabs(col) > kMaxSheetCols)
        return fail(ErrorKind::Value);
    auto part = [&](wchar_t letter, double v, bool absolute) {
        out += letter;
        const std::wstring n = std::to_wstring(static_cast<int>(v));
        out += absolute ? n : L"[" + n + L"]";
    };
    part(L'R', row, absRow);
    part(L'C', col, absCol);
    return Value(std::move(out));
}

// INDIRECT(text, [A1 TRUE]): the reference the text writes; R1C1 relative
// parts count from the formula's cell. Anything else is #REF!.
Slot fnIndirect(Call& c) {
    bool a1 = true;
    ErrorKind e = ErrorKind::Value;
    if (!optionalFlag(c, 1, a1, e)) return fail(e);
    CellRange ref;
    if (!readReference(c.text(0), a1 ? RefStyle::A1 : RefStyle::R1C1, c.col, c.row, ref))
        return fail(ErrorKind::Ref);
    c.host.reached(ref);
    return Slot::reference(ref);
}

// OFFSET(ref, rows, columns, [height], [width]): the block moved, of the
// reference's size unless given; off the sheet or of no size #REF!.
Slot fnOffset(Call& c) {
    const Slot& base = c.arg(0);
    if (!base.isRef()) return base.v.isError() ? base.v : fail(ErrorKind::Value);
    if (isArrayRef(base.ref)) return fail(ErrorKind::Value);
    double n[4] = {0, 0, double(base.ref.row2 - base.ref.row1 + 1),
                   double(base.ref.col2 - base.ref.col1 + 1)};
    ErrorKind e = ErrorKind::Value;
    for (int i = 1; i < 5; ++i)
        if (!optionalNumber(c, i, n[i - 1], e)) return fail(e);
    if (n[2] < 1 || n[3] < 1) return fail(ErrorKind::Ref);
    const double row1 = base.ref.row1 + n[0], col1 = base.ref.col1 + n[1];
    const double row2 = row1 + n[2] - 1, col2 = col1 + n[3] - 1;
    if (row1 < 1 || col1 < 1 || row2 > kMaxSheetRows || col2 > kMaxSheetCols)
        return fail(ErrorKind::Ref);
    const CellRange moved{int(col1), int(row1), int(col2), int(row2)};
    c.host.reached(moved);
    return Slot::reference(moved);
}

// TRANSPOSE(block): rows become columns; a single value stays itself.
Slot fnTranspose(Call& c) {
    const Slot& s = c.arg(0);
    if (!s.isRef()) return s.kind == Slot::Missing ? Slot(Value()) : s;
    const CellRange& r = s.ref;
    const int rows = r.col2 - r.col1 + 1, cols = r.row2 - r.row1 + 1;
    if (rows > kMaxSheetRows || cols > kMaxSheetCols || cellCount(r) > double(1 << 22))
        return fail(ErrorKind::Value);
    std::vector<Value> values(size_t(rows) * size_t(cols));
    c.host.forEachValue(r, [&](int col, int row, const Value& v) {
        values[size_t(col - r.col1) * size_t(cols) + size_t(row - r.row1)] = v;
    });
    return makeArray(c.host, rows, cols, std::move(values));
}

const FunctionDef kReference[] = {
    {L"ADDRESS", 2, 5, "nnrrs", fnAddress},
    {L"COLUMN", 0, 1, "r", fnPosition<false>},
    {L"COLUMNS", 1, 1, "r", fnExtent<false>},
    {L"INDIRECT", 1, 2, "sr", fnIndirect, true},
    {L"OFFSET", 3, 5, "r", fnOffset, true},
    {L"ROW", 0, 1, "r", fnPosition<true>},
    {L"ROWS", 1, 1, "r", fnExtent<true>},
    {L"TRANSPOSE", 1, 1, "r", fnTranspose, false, true},
};

} // namespace

FunctionList referenceFunctions() {
    return {kReference, std::size(kReference)};
}

} // namespace spread
