// The inside of a Sheet, shared by the files that implement it.
#pragma once

#include "platform/spread/cell_style.h"
#include "platform/spread/custom_function.h"
#include "platform/spread/dependency_graph.h"
#include "platform/spread/formula.h"
#include "platform/spread/sheet_cells.h"
#include "platform/spread/sheet_number_text.h"
#include "platform/spread/sheet_types.h"
#include "platform/spread/spread_api.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace spread {

// What formatted cells have: their look, shared with every cell that looks
// the same, and the texts of the few cells that keep any.
struct CellAttrs {
    uint32_t style = StylePool::kPlain; // in the sheet's style pool
    std::unique_ptr<CellTexts> texts;   // null: none

    bool plain() const { return style == StylePool::kPlain && (!texts || texts->empty()); }
};

// 24 bytes: a sheet may hold a million of them. The cell's key is the one
// stored with the cell.
struct FormulaNode {
    FormulaRef formula;    // null: free slot
    uint32_t cell = kNone; // the cell's position in the cell map
    uint32_t gen : 31 = 0; // bumped whenever the slot changes hands
    bool isVolatile : 1 = false;
    uint32_t rangeBegin = kNone, rangeCount = 0;
};
static_assert(sizeof(FormulaNode) == 24);

// One step of a recalculation: the node and its generation when the order
// was worked out (a node replaced since is skipped), and whether it lies on
// a cycle.
struct RecalcStep {
    uint32_t node;
    uint32_t gen;
    bool cyclic;
};

// The order of the last recalculation after a change of one cell, kept while
// the dependency graph stays as it was: changing the same cell again (the
// usual way of trying values) needs no new order.
struct RecalcOrder {
    bool valid = false;
    CellKey changed = 0;
    uint64_t graphVersion = 0;
    std::vector<RecalcStep> steps;
};

// Everything that load and swapContent exchange.
struct SheetContent {
    int maxCols = 0, maxRows = 0;
    CellMap cells;
    std::vector<CellAttrs> attrs;
    std::vector<uint32_t> freeAttrs;
    StylePool styles;
    std::vector<FormulaNode> nodes;
    std::vector<uint32_t> freeNodes;
    size_t formulaCount = 0;
    size_t volatileCount = 0;
    DependencyGraph graph;
    RecalcOrder lastOrder;
    std::vector<CellRange> spans;
    int defaultColWidth = 72, defaultRowHeight = 17; // pixels
    std::map<int, int> colWidths, rowHeights;        // pixels, by column / row
    std::set<int> hiddenRows;
    bool hasActive = false;
    int activeCol = 0, activeRow = 0;
    bool hasSelect = false;
    CellRange select;
    bool editMode = false;
    int editStart = 0, editEnd = 0;
};

struct SheetData {
    SheetContent content;
    bool bools[kBoolCount] = {};
    RefStyle refStyle = RefStyle::Default;
    int operationMode = 0;
    SheetLook look;
    Font defaultFont;
    FunctionRegistry functions;
    // Evaluation nesting (a formula computed inside a custom function's call)
    // and whether a recalculation pass is running.
    int evalDepth = 0;
    bool recalculating = false;
    // Formulas replaced while an evaluation may still run in them; freed when
    // the outermost evaluation ends.
    std::vector<FormulaRef> retired;
    // Scratch of the recalculation and of linking formulas, kept to save
    // allocations.
    std::vector<uint32_t> stamp, indeg;
    std::vector<CellRange> refScratch;
    uint32_t epoch = 0;
    // The types set last, each shared by the looks of the cells given it: a
    // sheet is mostly filled with a few types, each set again and again.
    std::shared_ptr<const CellType> recentTypes[4];
    uint32_t nextRecentType = 0;

    SheetData() {
        bools[kBoolAutoCalc] = true;
        bools[kBoolRedraw] = true;
    }
};

// Helpers shared by the implementation files (sheet.cpp).
namespace detail {

// Maps column/row 0 and kHeader to 0; other values unchanged.
inline int headerToZero(int v) {
    return v == kHeader ? 0 : v;
}

// The attribute record of a cell, or null.
ZRLSPREAD_API const CellAttrs* findAttrs(const SheetContent& c, CellKey key);
// The attribute record of a cell, created (with the cell) when missing.
CellAttrs& ensureAttrs(SheetContent& c, CellKey key);
CellAttrs& ensureAttrs(SheetContent& c, Cell& cell);
// A cell's look, or null when it is plain; its texts, or null.
const CellStyle* findStyle(const SheetContent& c, CellKey key);
const CellTexts* findTexts(const SheetContent& c, CellKey key);
// A cell's texts, created (with the cell) when missing.
ZRLSPREAD_API CellTexts& ensureTexts(SheetContent& c, CellKey key);
// Drops the texts and the record when they hold nothing any more.
void trimAttrs(SheetContent& c, CellKey key);
// Frees the record `a` (giving back its look) and sets it to kNone.
void freeAttrs(SheetContent& c, uint32_t& a);
// Gives a cell (made when missing) the look `style` and the texts `texts`,
// in place of what it had.
ZRLSPREAD_API void setAttrs(SheetContent& c, CellKey key, const CellStyle& style,
                            const CellTexts* texts);
// Removes a cell's formula node (and its edges). The cell keeps its value.
ZRLSPREAD_API void dropFormula(SheetData& d, Cell& cell);
// A cell's data text without copying it: `wide` when the cell keeps the
// text, otherwise the first `narrowLength` characters of `narrow`.
struct DataText {
    std::wstring_view wide;
    size_t narrowLength = 0;
    char narrow[kNumberTextMax];
};
void dataText(const SheetContent& c, CellKey key, DataText& out);
// Gives a cell a formula node; returns the node. `index` is the cell's
// position in the cell map when the caller knows it.
ZRLSPREAD_API uint32_t attachFormula(SheetData& d, CellKey key, Cell& cell, FormulaRef f,
                                     uint32_t index = kNone);
// Erases the cell entry when nothing is left in it.
void eraseIfVacant(SheetContent& c, CellKey key);
// Rebuilds every edge from the formulas.
void rebuildGraph(SheetContent& c);
// A copy of what a sheet file holds of `from` (no active cell, selection or
// editing state), every cell at the position it has in `from`, with room for
// as many formulas, looks and dependencies as `hint` holds (the content it
// is to replace).
SheetContent copyContent(const SheetContent& from, const SheetContent& hint);

} // namespace detail

} // namespace spread
