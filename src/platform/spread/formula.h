// A parsed formula and the seam between the formula language and the sheet.
//
// A formula is parsed once, relative to the cell it sits in, and kept as a
// tree. The sheet computes formula cells in dependency order and answers the
// formula's reads through FormulaHost; the formula never computes other
// cells itself, so evaluation never recurses across cells.
#pragma once

#include "platform/spread/spread_api.h"
#include "platform/spread/value.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace spread {

class Sheet;
struct CustomFunction;

// The way references are written: 0 default (A1), 1 A1, 2 R1C1.
enum class RefStyle : int { Default = 0, A1 = 1, R1C1 = 2 };

// Largest addressable column and row of any sheet.
constexpr int kMaxSheetCols = 16384;
constexpr int kMaxSheetRows = 1048576;

// A block of cells, both corners included, counted from 1. A whole column
// reference (A:A) spans rows 1..kMaxSheetRows, a whole row (1:1) columns
// 1..kMaxSheetCols.
struct CellRange {
    int col1 = 1, row1 = 1, col2 = 1, row2 = 1;
    bool contains(int col, int row) const {
        return col >= col1 && col <= col2 && row >= row1 && row <= row2;
    }
    bool operator==(const CellRange&) const = default;
};

// What a formula asks of the sheet it is computed in.
class ZRLSPREAD_API FormulaHost {
public:
    virtual ~FormulaHost() = default;
    // The current value of a cell (empty outside the sheet's cells).
    virtual Value cellValue(int col, int row) = 0;
    // Visits the non-empty cells of a block (any order is fine for the
    // callers that use it: aggregates such as SUM, COUNT). Lets whole-column
    // references stay cheap on sparse sheets.
    virtual void forEachValue(const CellRange& range,
                              const std::function<void(int col, int row, const Value&)>& fn) = 0;
    // The sheet's own function of that name, or null.
    virtual const CustomFunction* customFunction(std::wstring_view name) = 0;
    // The same for a name the engine numbered (see
    // FunctionRegistry::findNumbered); a host that keeps no answers looks
    // the name up.
    virtual const CustomFunction* numberedFunction(uint32_t nameId, std::wstring_view name) {
        (void)nameId;
        return customFunction(name);
    }
    // The sheet handed to custom functions as their caller.
    virtual Sheet& callerSheet() = 0;
    // Told of each block a reference computed from text or numbers
    // (INDIRECT, OFFSET) reached, so that the sheet can order the formula
    // after those cells the next time.
    virtual void reached(const CellRange&) {}
};

class ZRLSPREAD_API Formula {
public:
    virtual ~Formula() = default;

    // Parses `text` (with or without its leading "=") written in `style`, for
    // the cell (col, row). Returns null and a one-line reason in `error` when
    // the text is not a formula of the language.
    static std::unique_ptr<Formula> parse(std::wstring_view text, RefStyle style, int col, int row,
                                          std::wstring* error = nullptr);

    // Computes the formula for the cell (col, row).
    virtual Value evaluate(FormulaHost& host, int col, int row) const = 0;

    // The formula's text (without "=") written in `style` as seen from (col, row).
    virtual std::wstring text(RefStyle style, int col, int row) const = 0;

    // Every cell and block the formula reads, for the dependency graph.
    virtual void references(std::vector<CellRange>& out) const = 0;

    // True when the result may change without a change of a referenced
    // cell (custom functions, which read files and other sheets).
    virtual bool isVolatile() const = 0;

    // A copy for the cell (col + dCol, row + dRow): relative references move
    // with it, absolute ones stay. References pushed off the sheet become
    // #REF!.
    virtual std::unique_ptr<Formula> moved(int dCol, int dRow) const = 0;

    // Adjusts references after `count` rows (or columns) were inserted before
    // `at` (count > 0) or deleted starting at `at` (count < 0). A reference to
    // a deleted cell becomes #REF!; a block loses its deleted part.
    virtual void adjustRows(int at, int count) = 0;
    virtual void adjustCols(int at, int count) = 0;

private:
    friend class FormulaRef;
    mutable std::atomic<uint32_t> refs_{0}; // FormulaRef holders
};

// A formula held by counted reference: the copies of a sheet and the cells
// set again from the formula cache share one program instead of cloning it.
// A holder that changes the formula (adjusting its references) first takes
// a copy of its own while others still share it (see mutate()).
class FormulaRef {
public:
    FormulaRef() noexcept = default;
    FormulaRef(std::unique_ptr<Formula> f) noexcept : p_(f.release()) {
        if (p_) p_->refs_.store(1, std::memory_order_relaxed);
    }
    FormulaRef(const FormulaRef& o) noexcept : p_(o.p_) {
        if (p_) p_->refs_.fetch_add(1, std::memory_order_relaxed);
    }
    FormulaRef(FormulaRef&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    FormulaRef& operator=(FormulaRef o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~FormulaRef() { reset(); }

    void reset() noexcept {
        if (p_ && p_->refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete p_;
        p_ = nullptr;
    }
    const Formula* get() const noexcept { return p_; }
    const Formula* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    // The formula as the caller's own: itself when this is its only holder
    // (this is then null), else a copy. Throws std::bad_alloc.
    std::unique_ptr<Formula> take() {
        if (p_->refs_.load(std::memory_order_acquire) != 1) return copy();
        return std::unique_ptr<Formula>(std::exchange(p_, nullptr));
    }
    // The formula to change, first copied when it is shared. Throws
    // std::bad_alloc (the reference then stays as it was).
    Formula& mutate() {
        if (p_->refs_.load(std::memory_order_acquire) != 1) *this = FormulaRef(copy());
        return *p_;
    }

private:
    std::unique_ptr<Formula> copy() const {
        std::unique_ptr<Formula> f = p_->moved(0, 0);
        if (!f) throw std::bad_alloc();
        return f;
    }

    Formula* p_ = nullptr;
};

// Column letters: 1 -> "A", 26 -> "Z", 27 -> "AA".
ZRLSPREAD_API std::wstring columnName(int col);

} // namespace spread
