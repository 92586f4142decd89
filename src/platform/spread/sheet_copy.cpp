// A copy of a sheet's content, made from the tables themselves: cells keep
// their positions, so formula nodes, attribute records and the dependency
// graph copy as they are instead of being linked again cell by cell.
#include "platform/spread/sheet_data.h"

#include <algorithm>

namespace spread::detail {

SheetContent copyContent(const SheetContent& from, const SheetContent& hint) {
    SheetContent to;
    to.maxCols = from.maxCols;
    to.maxRows = from.maxRows;
    to.cells = CellMap::copyOf(from.cells);
    // Room for what the sheet replaced held: a window loaded again and again
    // with one sheet adds the same formulas and looks each time.
    to.attrs.reserve(std::max(from.attrs.size(), hint.attrs.size()));
    for (const CellAttrs& a : from.attrs) {
        CellAttrs& copy = to.attrs.emplace_back();
        copy.style = a.style;
        if (a.texts) copy.texts = std::make_unique<CellTexts>(*a.texts);
    }
    to.freeAttrs = from.freeAttrs;
    to.styles = from.styles;
    to.nodes.reserve(std::max(from.nodes.size(), hint.nodes.size()));
    to.nodes.insert(to.nodes.end(), from.nodes.begin(), from.nodes.end());
    to.freeNodes = from.freeNodes;
    to.formulaCount = from.formulaCount;
    to.volatileCount = from.volatileCount;
    to.graph = from.graph;
    to.graph.reserveLike(hint.graph);
    to.lastOrder = from.lastOrder;
    to.spans = from.spans;
    to.defaultColWidth = from.defaultColWidth;
    to.defaultRowHeight = from.defaultRowHeight;
    to.colWidths = from.colWidths;
    to.rowHeights = from.rowHeights;
    to.hiddenRows = from.hiddenRows;
    return to;
}

} // namespace spread::detail
