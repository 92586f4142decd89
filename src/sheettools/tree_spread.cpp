// VkTreeSpread: set-up, rows, levels, queries and expand and collapse.
#include "sheettools/tree_spread.h"

#include "grid/dyn_menu.h"
#include "platform/win/drag_drop.h"
#include "sheettools/tree_bitmaps.h"
#include "sheettools/tree_drop_target.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kShown = L"1";
constexpr const wchar_t* kHidden = L"0";

// Grid properties a tree switches off and on.
constexpr GridProperty kOptionsOff[] = {
    GridProperty::Redraw, GridProperty::AutoCalc, GridProperty::ColumnHeadersShown,
    GridProperty::RowHeadersShown, GridProperty::WholeRowSelection};
constexpr GridProperty kOptionsOn[] = {GridProperty::UserMayMove, GridProperty::Reserved33,
                                       GridProperty::Reserved23};

constexpr spread::Color kWhite = 0xFFFFFF;
constexpr spread::Color kSelectionFore = 0xAA0000;
constexpr int kGridLineType = 7;
constexpr int kCursorKindDefault = 1;
constexpr int kReadOnlyRowMode = 5;

} // namespace

VkTreeSpread::VkTreeSpread() = default;

VkTreeSpread::~VkTreeSpread() {
    // The window goes first so that the drop target is revoked before it dies.
    if (isCreated()) destroy();
}

bool VkTreeSpread::setupTree(int treeCol, int textCol, DropCallback onDrop, bool /*unused*/) {
    if (!isCreated() || treeCol < 1 || textCol < 1) return false;
    for (GridProperty option : kOptionsOff)
        setBool(option, false);
    for (GridProperty option : kOptionsOn)
        setBool(option, true);
    spread::SheetLook& lk = look();
    lk.backColorStyle = 0;
    lk.gridType = kGridLineType;
    lk.gridColor = kWhite;
    lk.cursorKind = kCursorKindDefault;
    lk.cursor = 0;
    lk.selFore = kSelectionFore;
    lk.selBack = kWhite;
    lk.grayBack = kWhite;
    lk.grayFore = kWhite;
    lk.activeCellHighlightStyle = 0;
    setOperationMode(kReadOnlyRowMode);

    // Empty the grid: no spans or hidden rows survive into the next tree.
    removeAllSpans();
    for (int row = 1; row <= getMaxRows(); ++row)
        showRow(row, true);
    setMaxRowsRaw(0);
    setMaxColsRaw(0);
    levelCols_ = 0;
    treeCol_ = treeCol;
    textCol_ = textCol;

    onDrop_ = std::move(onDrop);
    droppedTexts_.removeAll();
    droppedObjects_.removeAll();
    if (onDrop_) {
        if (!dropTarget_) dropTarget_ = std::make_unique<CTreeDropTarget>(*this);
        win::registerDropTarget(*this, dropTarget_.get());
    } else if (dropTarget_) {
        win::revokeDropTarget(*this);
        dropTarget_.reset();
    }

    for (size_t i = 0; i < kPictureIds.size(); ++i) {
        // A missing resource is drawn again rather than left blank.
        auto bmp = win::Bitmap::loadResource(kPictureIds[i]);
        pictures_[i] = bmp ? std::move(*bmp) : zrlss::drawTreeBitmap(kPictureIds[i]);
    }
    isTree_ = true;
    return true;
}

// --- levels -----------------------------------------------------------------------

bool VkTreeSpread::isLevelMarked(int col, int row) const {
    return getCellTag(col, row) == kLevelMark;
}

void VkTreeSpread::markLevels(int row, int level) {
    for (int i = 0; i < level; ++i)
        setCellTag(treeCol_ + i, row, kLevelMark);
    setCellData(treeCol_ + level - 1, row, kShown);
}

int VkTreeSpread::getLevel(int row) const {
    if (!isTree_ || row < 1 || row > getMaxRows()) return 0;
    int level = 1;
    for (int i = 1; i < levelCols_; ++i)
        if (isLevelMarked(treeCol_ + i, row)) ++level;
    return level;
}

int VkTreeSpread::getLastDescendant(int row) const {
    const int level = getLevel(row);
    if (level == 0) return row;
    const int rows = getMaxRows();
    int last = row;
    while (last < rows && getLevel(last + 1) > level)
        ++last;
    return last;
}

bool VkTreeSpread::hasChildren(int row) const {
    const int level = getLevel(row);
    return level > 0 && row < getMaxRows() && getLevel(row + 1) > level;
}

int VkTreeSpread::getParent(int row) const {
    const int level = getLevel(row);
    for (int r = row - 1; r >= 1 && level > 1; --r)
        if (getLevel(r) < level) return r;
    return 0;
}

int VkTreeSpread::expandColumn(int row) const {
    const int level = getLevel(row);
    return level > 0 ? treeCol_ + level - 1 : 0;
}

int VkTreeSpread::gridColumn(int callerCol) const {
    return callerCol >= treeCol_ ? callerCol + levelCols_ : callerCol;
}

// --- adding rows ------------------------------------------------------------------

bool VkTreeSpread::writeRow(int row, const Zrl_StringArray& cells, int level) {
    Zrl_StringArray list;
    const int before = treeCol_ - 1;
    for (int i = 0; i < before; ++i)
        list.append(i < cells.length() ? cells[i] : Zrl_String());
    for (int i = 0; i < levelCols_; ++i)
        list.append(Zrl_String());
    for (int i = before; i < cells.length(); ++i)
        list.append(cells[i]);
    // A row with more cells than the grid has columns widens the grid, so
    // that no cell is lost.
    if (getMaxCols() < list.length() && !setMaxCols(list.length())) return false;
    if (!setRowTexts(row, list, true)) return false;
    markLevels(row, level);
    return true;
}

int VkTreeSpread::addTopRow(const Zrl_StringArray& cells) {
    if (!isTree_ || !isCreated()) return -1;
    const int rows = getMaxRows();
    const int levelCols = levelCols_;
    if (levelCols_ == 0) levelCols_ = 1;
    if (!setMaxRows(rows + 1)) {
        levelCols_ = levelCols;
        return -1;
    }
    if (!writeRow(rows + 1, cells, 1)) {
        setMaxRowsRaw(rows);
        levelCols_ = levelCols;
        return -1;
    }
    return rows + 1;
}

bool VkTreeSpread::addLevelColumn() {
    if (!insertColumn(treeCol_ + levelCols_, false, false)) return false;
    ++levelCols_;
    return true;
}

int VkTreeSpread::addChildRow(int parentRow, const Zrl_StringArray& cells) {
    const int parentLevel = getLevel(parentRow);
    if (parentLevel == 0) return -1;
    const int level = parentLevel + 1;
    const bool newColumn = level > levelCols_;
    if (newColumn && !addLevelColumn()) return -1;
    const int row = getLastDescendant(parentRow) + 1;
    if (!insertRow(row, false, false) || !writeRow(row, cells, level)) {
        if (getMaxRows() >= row && getLevel(row) != level) deleteRow(row);
        if (newColumn && deleteColumn(treeCol_ + levelCols_ - 1)) --levelCols_;
        return -1;
    }
    // A child of a collapsed or hidden row stays out of sight until its
    // parent is expanded.
    if (!isExpanded(parentRow) || isRowHidden(parentRow)) showRow(row, false);
    return row;
}

// --- expand and collapse ---------------------------------------------------------

bool VkTreeSpread::isExpanded(int row) const {
    const int col = expandColumn(row);
    return col == 0 || getData(col, row) != kHidden;
}

void VkTreeSpread::setRowsShown(int first, int last, bool shown) {
    for (int row = first; row <= last; ++row)
        showRow(row, shown);
}

bool VkTreeSpread::toggleRow(int row) {
    if (!hasChildren(row)) return false;
    const int last = getLastDescendant(row);
    if (isExpanded(row)) {
        setRowsShown(row + 1, last, false);
        setCellData(expandColumn(row), row, kHidden);
    } else {
        // Every descendant comes back into view, so collapsed children are
        // marked expanded too: their buttons then match what is shown.
        setRowsShown(row + 1, last, true);
        for (int r = row; r <= last; ++r)
            if (hasChildren(r)) setCellData(expandColumn(r), r, kShown);
    }
    invalidate();
    return true;
}

// --- drops ---------------------------------------------------------------------------

bool VkTreeSpread::acceptDrop(const Zrl_StringArray& texts,
                              const Zrl_Array<AcDbObjectId>& objects) {
    if (!onDrop_ || (texts.isEmpty() && objects.isEmpty())) return false;
    droppedTexts_ = texts;
    droppedObjects_ = objects;
    onDrop_(*this);
    return true;
}
