// Zrl_Spread: the module's grid. Every grid of the module (the standards
// calculation sheet, the editors' variable grids, the section tables, the
// bill sheet) is one of these.
//
// A grid lives as a member of the dialog that shows it and gets its window
// from createInPlaceOf during the dialog's initialisation (it takes the place
// of a placeholder control), or from createHidden when no dialog shows it
// (the pooled calculation windows). Until then `created` is false and every
// operation that touches cells answers false (the size queries -1) and
// changes nothing.
//
// Addressing: columns and rows count from 1 up to getMaxCols()/getMaxRows(),
// the sheet's logical size; kHeader (-32767) in place of a column or a row
// addresses the header column or header row. Cells beyond the logical size
// are never read or written: reads answer false with an empty text.
//
// Text kinds of getCellText and the list transfers:
//   kText (0) the cell's data text, kFormula (1) its formula (without "="),
//   kTag (2) its tag, kValue (3) its computed value as text.
//
// Numbered grid properties (getBool/setBool) are named by GridProperty
// (grid_property.h) and kept by the grid engine under their numbers; this
// class reads RowHeadersShown (layout 1 gives the row-header column its
// share) and switches EditingStaysOn (F8; the find dialog needs it).
// zrl_spread_layout.cpp sets the fixed look.
//
// Cell-type codes (getCellType): 0 general, 1 edit, 5 static text, 7 button,
// 8 combo box, 9 picture, 10 integer, 12 check box, 14 number.
// Check-box cells hold "1" when set and "0" when cleared.
//
// Cell notifications: a click on a cell sends the grid's own command handler
// WM_COMMAND with the control id and kNotifyClick (59), a double click
// kNotifyDblClick (60); then the dialog receives the same command. A click on
// an unlocked check-box cell toggles it first.
//
// Context menu: addMenuAction appends action codes (kActionSeparator ...
// kActionUncheckAll); a right click shows them (dynMenu) and the chosen
// entry comes back through onCommand as one of the command identifiers of
// dynMenu by position; separators take no position.
//
// Cell edits (editCell, the user typing into a cell and leaving it): the
// grid refuses locked cells and cells that take no typing (static text,
// buttons, pictures, check boxes; a drop-down list takes only its items).
// Then it asks its dialog with WM_NOTIFY kNotifyEditEnding, a CellEditNotify
// naming the cell and the text: an answer other than 0 refuses the text and
// the cell keeps what it held. An accepted text is written as data (a number
// cell refuses text that is no number in its range), the sheet is marked
// changed, and the dialog receives WM_COMMAND kNotifyEdited with the cell as
// the sending cell.
//
// Action scripts play the grid through win::ScriptGrid
// (zrl_spread_script.cpp): `cell` is editCell, `select` of one cell a
// click on it and of a block a drag over it, `rightclick` and `dblclick`
// the mouse on the cell, `expect-cell` its shown (data) text.
//
// Keys (pressed while the grid or one of its cells has the input): F3 find
// next and F5 replace in the find-and-replace dialog (opened at need); F8
// switches EditingStaysOn while allowed and goes on to the grid.
#pragma once

#include "grid/check_box_pictures.h"
#include "grid/tspread.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acarray.h"
#include "platform/win/bitmap.h"
#include "platform/win/script_controls.h"

#include <memory>
#include <optional>

class dynMenu;
class CDlgFindReplace;
namespace win {
class Dialog;
}

class Zrl_Spread : public TSpread, public win::ScriptGrid {
public:
    // Window class of every grid; the focus test (gridHasFocus) recognises it.
    static constexpr const wchar_t* kClassName = L"SPR32Grid";
    static constexpr int kHeader = spread::kHeader;

    enum TextKind { kText = 0, kFormula = 1, kTag = 2, kValue = 3 };

    enum MenuAction {
        kActionSeparator = 1,
        kActionCopy = 2,
        kActionPaste = 3,
        kActionInsertRow = 4,
        kActionDeleteRow = 5,
        kActionInsertColumn = 6,
        kActionDeleteColumn = 7,
        kActionCheckAll = 8,
        kActionUncheckAll = 9,
    };

    static constexpr int kNotifyClick = 59;
    static constexpr int kNotifyDblClick = 60;
    // A cell edit about to be written (WM_NOTIFY, refusable) and written
    // (WM_COMMAND); see "Cell edits" above.
    static constexpr win::UINT kNotifyEditEnding = 61;
    static constexpr int kNotifyEdited = 62;
    struct CellEditNotify {
        win::NotifyHeader hdr;
        int col = 0;
        int row = 0;
        Zrl_String text;
    };
    // The edit that a kNotifyEditEnding notification carries; null for any
    // other notification.
    static const CellEditNotify* editNotify(const win::NotifyHeader& hdr);
    // Private message of the grid that is answered with 0 and goes no further.
    static constexpr win::UINT kMsgSwallowed = 0x517;

    // Style of the usual edit cell and its maximum length.
    static constexpr std::uint32_t kEditStyle = 0x110000;
    static constexpr int kEditMaxLength = 200;
    // The module's check-box pictures (cleared, set).
    static constexpr int kCheckBitmapCleared = zrlss::kBitmapCheckCleared;
    static constexpr int kCheckBitmapSet = zrlss::kBitmapCheckSet;

    Zrl_Spread();
    ~Zrl_Spread() override;

    // --- creation and look ---------------------------------------------------
    // Takes the place of the placeholder control `controlId` on `parent`: its
    // rectangle (unless `keepPosition`, measured from the corner of the
    // parent's whole window, frame and caption included, and moved 5 left
    // and 20 up), its id. False
    // when there is no such control or the window could not be made.
    bool createInPlaceOf(win::Window* parent, int controlId, bool keepPosition = false);
    // A grid without a dialog: a hidden window of its own (the calculation
    // windows are never shown). `parent` may be null (then the main window).
    bool createHidden(win::Window* parent = nullptr, int controlId = 0);
    bool isCreated() const { return created_; }
    int controlId() const { return controlId_; }
    win::Window* parentWindow() const { return parentWnd_; }

    // Mode 1: an editing sheet; mode 0: a read-mostly list. False while the
    // grid does not exist.
    bool setLook(int mode);
    void setFontName(const Zrl_String& name) { fontName_ = name; }
    const Zrl_String& fontName() const { return fontName_; }
    void setFontHeight(int height) { fontHeight_ = height; }
    int fontHeight() const { return fontHeight_; }
    // Column-width layouts, re-applied after every resize:
    //   0 none; 1 equal widths (the row-header column too when shown);
    //   2 headers static, every column and row sized to its content;
    //   3 (n, p) the first n columns (the last -n when negative) share p % of
    //     the width, the others the rest; 4 (c, w) column c (0: row headers)
    //     gets w pixels, the others share the rest; 5 (lists) widths per
    //     column: the first list holds column numbers, the second their widths
    //     in pixels (0 shares what is left equally).
    void setLayout(int mode, int first = 0, int second = 0);
    void setLayout(int mode, const AcArray<int>& firstList, const AcArray<int>& secondList);
    int layoutMode() const { return layoutMode_; }
    void applyLayout();
    // Client width less the vertical scroll bar when one is shown.
    int usableClientWidth() const;

    void addMenuAction(int code);
    const AcArray<int>& menuActions() const { return actions_; }
    void setF8ToggleAllowed(bool allowed) { f8Allowed_ = allowed; }

    // --- size ----------------------------------------------------------------
    // New rows or columns get the normal font; with `copyLastFormat` the format
    // of the last existing one. The headers keep the bold font.
    bool setMaxRows(int count, bool copyLastFormat = false);
    bool setMaxCols(int count, bool copyLastFormat = false);
    // The logical size, -1 while the grid does not exist.
    int getMaxRows() const;
    int getMaxCols() const;
    // Headers bold, data cells in the normal font.
    bool formatHeaders();
    // Width (height) to the largest text of the column (row), header included;
    // with `skipType8` combo-box cells are ignored.
    bool autoSizeColumn(int col, bool skipType8 = false);
    bool autoSizeRow(int row);

    // --- typed cell access ---------------------------------------------------
    // `text` is emptied first; false beyond the logical size, true for an
    // empty cell inside it.
    bool getCellText(int col, int row, Zrl_String& text, int kind = kText) const;
    // The value text as a number (0 for empty or non-numeric text).
    bool getCellDouble(int col, int row, double& value) const;
    // Writes the number as data text with exactly 2 decimals.
    bool setCellDouble(int col, int row, double value);
    bool setCellData(int col, int row, const Zrl_String& text);
    bool setCellValue(int col, int row, const Zrl_String& text);
    // Writes a formula (with or without "="); false when it does not parse.
    bool setFormula(int col, int row, const Zrl_String& formula);

    // Rows 1..getMaxRows() of a column (columns 1..getMaxCols() of a row);
    // the list is emptied first; false for a column (row) beyond the sheet.
    bool getColumnTexts(int col, Zrl_StringArray& list, int kind = kText) const;
    bool getColumnValues(int col, Zrl_StringArray& list) const {
        return getColumnTexts(col, list, kValue);
    }
    bool getRowTexts(int row, Zrl_StringArray& list, int kind = kText) const;
    bool getRowValues(int row, Zrl_StringArray& list) const {
        return getRowTexts(row, list, kValue);
    }
    // list[i] into row i+1 while both last; as value or as data.
    bool setColumnTexts(int col, const Zrl_StringArray& list, bool asValue = false);
    bool setRowTexts(int row, const Zrl_StringArray& list, bool asValue = false);

    // Typed columns: writing as data ("12", "1.50", "1"/"0"), reading value
    // texts (integers and doubles as the C library converts them; a boolean is
    // true exactly for "1").
    bool setColumnInts(int col, const AcArray<int>& list);
    bool getColumnInts(int col, AcArray<int>& list) const;
    bool setColumnDoubles(int col, const AcArray<double>& list);
    bool getColumnDoubles(int col, AcArray<double>& list) const;
    bool setColumnBools(int col, const AcArray<bool>& list);
    bool getColumnBools(int col, AcArray<bool>& list) const;
    // The value texts of every row, one list per row.
    bool getAllRows(Zrl_Array<Zrl_StringArray>& rows) const;

    // --- cell types ----------------------------------------------------------
    // The cell-type code, -1 while the grid does not exist.
    int getCellType(int col, int row) const;
    bool setEditType(int col, int row, int col2, int row2, std::uint32_t style = kEditStyle,
                     int maxLength = kEditMaxLength);
    bool setNumberType(int col, int row, int col2, int row2, int decimals, bool showSeparator);
    // The types those two set, for comparing and setting in one go.
    static spread::CellType numberType(int decimals, bool showSeparator);
    static spread::CellType editType(std::uint32_t style = kEditStyle,
                                     int maxLength = kEditMaxLength);
    // Gives the cell (col, row) `type` just before its value is set; a cell
    // that has the type already is left alone, as setting the value drops
    // its typed text either way.
    bool setTypeBeforeValue(int col, int row, const spread::CellType& type);
    // The same with a type shared from sharedNumberType or sharedEditType
    // (which throw std::bad_alloc): setting it again and again copies and
    // compares nothing.
    bool setTypeBeforeValue(int col, int row, const std::shared_ptr<const spread::CellType>& type);
    static std::shared_ptr<const spread::CellType> sharedNumberType(int decimals,
                                                                    bool showSeparator);
    static std::shared_ptr<const spread::CellType> sharedEditType(std::uint32_t style,
                                                                  int maxLength);
    bool setIntegerType(int col, int row, int col2, int row2);
    bool setStaticTextType(int col, int row, int col2 = 0, int row2 = 0);
    // Check boxes showing the two bitmap resources (loaded on first use).
    bool setCheckBoxType(int col, int row, int col2, int row2,
                         int clearedBitmap = kCheckBitmapCleared, int setBitmap = kCheckBitmapSet);
    // A button with a caption; with pictures a two-state picture button whose
    // data "1" shows `picture2` and "0" `picture`.
    bool setButtonType(int col, int row, int col2, int row2, const Zrl_String& text,
                       std::uint32_t style = 0, const Zrl_String& picture = Zrl_String(),
                       const Zrl_String& picture2 = Zrl_String());
    bool setComboType(int col, int row, int col2, int row2, const Zrl_StringArray& items,
                      bool editable);
    bool setPictureType(int col, int row, int col2, int row2, const Zrl_String& picture,
                        std::uint32_t style = 0);
    // The check-box pictures once a check-box type was set (else null).
    const win::Bitmap* checkBoxPicture(bool set) const;

    // --- locking, spans, selection ---------------------------------------------
    bool setLock(int col, int row, bool locked);
    bool lockColumn(int col);
    bool isLocked(int col, int row) const;
    // Locks the cell of `lockedCol` in every row whose check box in
    // `checkCol` is cleared (and unlocks it where set); a click on a cell of
    // `checkCol` re-applies the rule to its row. False (nothing remembered)
    // when a column lies outside 1..getMaxCols().
    bool setCheckLockColumns(int checkCol, int lockedCol);
    int checkColumn() const { return checkCol_; }
    int lockedColumn() const { return lockedCol_; }
    // Applies the lock rule to one row.
    bool applyCheckLock(int row);

    bool addSpan(int col, int row, int numCols, int numRows);
    // Removes the spans anchored in column `col`.
    bool removeSpans(int col);
    bool removeAllSpans();
    // Spans each run of two or more equal, non-empty value texts in `col`.
    bool spanEqualRuns(int col);

    // The active cell; (1, 1) is made active when there is none.
    bool getActiveCell(int& col, int& row);
    // The first cell of the selected block, else the active cell (0 while the
    // grid does not exist).
    int activeCol();
    int activeRow();
    bool setActiveCell(int col, int row);
    bool setSelection(int col, int row, int col2, int row2);
    // The text selection of the cell being edited; false when not editing.
    bool getEditSelection(int& start, int& end) const;

    // --- rows and columns -------------------------------------------------------
    // Each change marks the sheet changed (GridProperty::Changed).
    bool insertRow(int row, bool withHeaderText = false, bool copyFormat = true);
    bool insertRowAfterActive(bool withHeaderText = false);
    bool deleteRow(int row);
    bool deleteActiveRow();
    bool insertColumn(int col, bool withHeaderText = false, bool copyFormat = true);
    bool deleteColumn(int col);
    bool deleteActiveColumn();
    // Swaps rows `from` and `to` over all columns and selects the moved row.
    bool moveRow(int from, int to);
    bool moveActiveRowUp();
    bool moveActiveRowDown();
    // Every check-box cell of the selection gets "1" (`set`) or "0".
    bool setCheckRange(bool set);

    // --- search ----------------------------------------------------------------
    // Row `startRow` from column max(startCol, 1), then the rows below from
    // column 1; compares value texts without case, whole (exact) or as a part.
    bool findText(const Zrl_String& text, bool partial, int startRow, int startCol, int& foundCol,
                  int& foundRow) const;
    bool findExact(const Zrl_String& text, int startRow, int startCol, int& foundCol,
                   int& foundRow) const {
        return findText(text, false, startRow, startCol, foundCol, foundRow);
    }
    bool findPartial(const Zrl_String& text, int startRow, int startCol, int& foundCol,
                     int& foundRow) const {
        return findText(text, true, startRow, startCol, foundCol, foundRow);
    }

    // --- focus, editing actions, files ------------------------------------------
    // True when the window with the keyboard focus is a grid: any grid, not
    // only this one (win::Window::hasFocus asks about this window alone).
    static bool gridHasFocus();
    // Copy and paste of the selection (or the active cell) as text.
    bool copyToClipboard();
    bool pasteFromClipboard();
    // Opens the find-and-replace dialog at need; null when it cannot be made.
    CDlgFindReplace* findDialog();
    // Loads a sheet file into the grid (format by the file's extension); a
    // failed load leaves the grid as it was. Saves atomically. A grid that
    // keeps state about its loaded sheet extends loadSheet to update it.
    virtual bool loadSheet(const Zrl_String& path, Zrl_String* error = nullptr);
    bool saveSheet(const Zrl_String& path, Zrl_String* error = nullptr) const;
    // Adds a function to the grid's formula language (see
    // platform/spread/custom_function.h for the callback's records).
    bool registerFunction(const Zrl_String& name, int minArgs, int maxArgs,
                          spread::CustomFunctionProc proc, int flags = 0);
    bool recalculate();

    // --- the user's actions (the scripted user calls these) ---------------------
    // Left click (double click) on a cell: makes it active, toggles an
    // unlocked check box, and sends the cell notification.
    bool clickCell(int col, int row, bool doubleClick = false);
    // Right click at a point of the grid's client area (opens the context menu).
    void rightClick(win::Point client);
    // The user types `text` into the cell and leaves it (see "Cell edits").
    // False when the grid or its dialog refused it.
    bool editCell(int col, int row, const Zrl_String& text);
    // The same edit named for what the user does (zrl_spread_user_edits.cpp):
    // types a text into a cell, or chooses item `item` (from 0) of a combo
    // cell's list. False when the cell or the dialog refused it.
    bool typeInCell(int col, int row, const Zrl_String& text);
    bool chooseInCell(int col, int row, int item);
    // The centre of a cell in client coordinates (the sheet unscrolled).
    win::Point cellCenter(int col, int row) const;

    // --- action scripts (win::ScriptGrid) ---------------------------------------
    bool scriptHasCell(int col, int row) const override;
    std::wstring scriptCellText(int col, int row) const override;
    bool scriptCellEdit(int col, int row, const std::wstring& text) override;
    bool scriptSelect(int col, int row, int col2, int row2) override;
    bool scriptRightClick(int col, int row) override;
    bool scriptDoubleClick(int col, int row) override;
    // A cell takes typing when it is not locked and of a kind that takes
    // text (see "Cell edits"). Copy is copyToClipboard's; a cut clears each
    // cell as editCell would with an empty text, and a paste writes each
    // cell through editCell, so that the dialog is asked and told as at the
    // keyboard (win::ScriptGrid says which cells are left out).
    bool scriptTakesTyping(int col, int row) const override;
    bool scriptCopy(bool cut) override;
    bool scriptPaste() override;

    win::LRESULT windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    bool preTranslateMessage(const win::Message& msg) override;

protected:
    bool onCommand(int id, int notifyCode) override;
    void onSize(int cx, int cy) override;
    void onRButtonDown(win::WPARAM flags, win::Point p) override;
    void onDestroy() override;
    // Runs the context-menu action at `position` among the non-separator
    // entries; false when there is none.
    bool runMenuAction(int position);
    // The normal and the bold font of cells and headers.
    spread::Font normalFont() const;
    spread::Font boldFont() const;
    // Copies the format (type, lock, colours, font, border) of one cell.
    void copyCellFormat(int fromCol, int fromRow, int toCol, int toRow);

private:
    bool inSheet(int col, int row) const;
    bool createWindow(win::Window* parent, const win::Rect& rect, int controlId,
                      std::uint32_t style);
    void finishCreation(int controlId);
    void markChanged();
    const win::Bitmap* ensureCheckPicture(int index, int bitmapId);

    bool created_ = false;
    win::Window* parentWnd_ = nullptr;
    int controlId_ = 0;
    Zrl_String fontName_ = L"Tahoma";
    int fontHeight_ = 15;
    int layoutMode_ = 0;
    std::optional<win::Bitmap> checkPictures_[2];
    std::unique_ptr<dynMenu> menu_;
    AcArray<int> actions_;
    std::unique_ptr<CDlgFindReplace> findDlg_;
    bool f8Allowed_ = true;
    int layoutFirst_ = 0;
    int layoutSecond_ = 0;
    AcArray<int> layoutFirstList_;
    AcArray<int> layoutSecondList_;
    int checkCol_ = -1;
    int lockedCol_ = -1;
    // The hidden window a grid without a dialog lives in.
    std::unique_ptr<win::Window> hiddenParent_;
};
