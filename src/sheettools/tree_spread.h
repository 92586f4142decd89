// VkTreeSpread: a grid that shows its rows as a tree.
//
// Every grid row is one tree row with a level (1 for a top-level row). A
// row's subtree follows it directly: its last descendant is the last row
// after it before the first row whose level is not greater; its parent is
// the nearest earlier row with a smaller level.
//
// Level columns. The columns from the tree column on, as many as
// levelColumns(), hold the tree: a row of level L has its first L level
// cells marked (by the cell tag "L"), and its L-th level cell is its expand
// cell, holding the data "1" while its children are shown and "0" while
// they are hidden. The caller's cells from the tree column on sit to the
// right of the level columns; a row deeper than the level columns so far
// adds one. The grid's hidden rows hold the collapse.
//
// Building: setupTree empties the grid; addTopRow and addChildRow add rows;
// finishTree spans the unused level cells of each row with its first cell
// (indenting deeper rows), puts the connector and expand pictures into the
// tree cells and turns drawing back on.
//
// The user: a click on a row's expand cell or a double click anywhere on a
// row shows or hides its children (the grid notifies kMsgButtonClicked and
// kMsgRowDblClick); a right click shows the popup actions, and the chosen
// one reaches the owner window as WM_COMMAND with the grid's control id as
// the first and the action's index as the second value; a left button
// press drags the active row's text (the text column) as Unicode text
// with an empty block of the private format kDragFormatName. Drops of the
// host's drawing objects or of another tree's rows arrive through a
// CTreeDropTarget when a drop callback is set.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/object_id.h"
#include "platform/win/bitmap.h"

#include <array>
#include <functional>
#include <memory>

class CTreeDropTarget;
class dynMenu;

class VkTreeSpread : public Zrl_Spread {
public:
    using DropCallback = std::function<void(VkTreeSpread&)>;

    // Name of the private data format a tree's drag carries.
    static constexpr const wchar_t* kDragFormatName = L"Vendrik dragging format";
    // Grid notifications: a button cell was clicked (wParam column, lParam
    // row); a row was double clicked (wParam column, lParam row).
    static constexpr win::UINT kMsgButtonClicked = 0x50A;
    static constexpr win::UINT kMsgRowDblClick = 0x501;
    // Tag that marks a level cell.
    static constexpr const wchar_t* kLevelMark = L"L";
    // Width of a level column in pixels.
    static constexpr int kLevelColumnWidth = 20;
    // Style of the two-state picture buttons of the tree cells.
    static constexpr std::uint32_t kPictureButtonStyle = 768;

    VkTreeSpread();
    ~VkTreeSpread() override;

    // Makes the grid an empty tree. `treeCol` is the first level column
    // (from 1), `textCol` the caller's column whose text a drag carries
    // (shifted like the caller's other cells). With a callback the grid
    // accepts drops. The last argument is accepted and has no effect.
    // False while the grid does not exist or for a column below 1.
    bool setupTree(int treeCol, int textCol, DropCallback onDrop = nullptr, bool unused = false);
    bool isTree() const { return isTree_; }
    int treeColumn() const { return treeCol_; }
    int levelColumns() const { return levelCols_; }

    // Adds a row at level 1 after the last row; the new row's number, or -1
    // when the row cannot be written (the tree stays as it was).
    int addTopRow(const Zrl_StringArray& cells);
    // Adds a row one level below `parentRow`, after its last descendant; the
    // new row's number, or -1 (no tree, no such row, cannot be written).
    int addChildRow(int parentRow, const Zrl_StringArray& cells);

    // The popup menu's entries (an empty list: no popup menu).
    void setPopupActions(const Zrl_StringArray& actions);
    const Zrl_StringArray& popupActions() const { return actions_; }

    // Spans, pictures, column widths; then drawing resumes.
    bool finishTree();

    // Shows the children of a row whose children are hidden, else hides
    // them with all their descendants. False for a row without children.
    bool toggleRow(int row);
    // True while the row's children are shown (also for a row without any).
    bool isExpanded(int row) const;

    // --- queries (0 or the row itself for rows outside the tree) -------------
    // Level of a row (1 for a top-level row), 0 outside the grid.
    int getLevel(int row) const;
    // The last row of the row's subtree (the row itself when it has none).
    int getLastDescendant(int row) const;
    bool hasChildren(int row) const;
    // The row's parent, 0 for a top-level row.
    int getParent(int row) const;
    // The expand cell of a row (its level column), 0 outside the tree.
    int expandColumn(int row) const;
    // The grid column of one of the caller's columns.
    int gridColumn(int callerCol) const;

    // --- drops -----------------------------------------------------------------
    bool dropEnabled() const { return static_cast<bool>(onDrop_); }
    const Zrl_StringArray& droppedTexts() const { return droppedTexts_; }
    const Zrl_Array<AcDbObjectId>& droppedObjects() const { return droppedObjects_; }
    // Stores what a drop brought and calls the drop callback; false (nothing
    // stored, no call) when the drop brought nothing or there is no callback.
    bool acceptDrop(const Zrl_StringArray& texts, const Zrl_Array<AcDbObjectId>& objects);

    // The button and connector pictures (loaded by setupTree from the resources,
    // drawn anew when a resource is missing), in the order of kPictureIds.
    static constexpr std::array<int, 9> kPictureIds = {274, 272, 280, 281, 277, 278, 275, 276, 279};
    const win::Bitmap& picture(int index) const { return pictures_.at(index); }

    // Starts the drag of the active row's text (what a left button press
    // does). Answers the drop effect, DROPEFFECT_NONE when nothing is dragged.
    std::uint32_t startDrag();

    win::LRESULT windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

protected:
    bool onCommand(int id, int notifyCode) override;
    void onLButtonDown(win::WPARAM flags, win::Point p) override;
    void onRButtonDown(win::WPARAM flags, win::Point p) override;

private:
    bool isLevelMarked(int col, int row) const;
    void markLevels(int row, int level);
    // The caller's cells with one empty cell per level column at the tree
    // column; widens the grid when the row needs more columns.
    bool writeRow(int row, const Zrl_StringArray& cells, int level);
    bool addLevelColumn();
    void setRowsShown(int first, int last, bool shown);
    void spanRow(int row, int level);
    void setRowPictures(int row);

    bool isTree_ = false;
    int treeCol_ = 1;
    int textCol_ = 1;
    int levelCols_ = 0;
    DropCallback onDrop_;
    Zrl_StringArray droppedTexts_;
    Zrl_Array<AcDbObjectId> droppedObjects_;
    std::unique_ptr<CTreeDropTarget> dropTarget_;
    std::unique_ptr<dynMenu> menu_;
    Zrl_StringArray actions_;
    std::array<win::Bitmap, 9> pictures_;
};
