// A sheet of the grid engine: cells with their data, values, formulas and
// attributes, recalculation in dependency order, and sheet files.
//
// Addressing: columns and rows count from 1 up to maxCols()/maxRows(), the
// sheet's logical size. Column or row 0 (or kHeader) addresses the header
// column or header row; they hold texts, tags and attributes, never formulas.
// Cells beyond the logical size do not exist: reads give empty, writes fail.
//
// Data and value:
// - The value is what formulas see: empty, number, text, logical or error.
//   Its text (valueText) is the number in shortest exact form ("0.1", "12"),
//   the text itself, "1"/"0" for a logical, the error name ("#DIV/0!") or "".
// - The data text is what the cell shows. Writing data text (setData) reads it
//   as typed input, by the cell's type:
//     general, edit: text starting with "=" is a formula; text that reads as
//       a number ("12", " 1.5e3 ", "50%") is a number whose data text stays
//       as typed; anything else is text. An edit cell keeps at most its
//       maximum length. Empty text empties the cell.
//     number, integer: the text must read as a number inside the type's
//       range (else false, nothing changes); it is rounded to the decimals
//       (integer: 0) and shown with them ("12.50"; with the separator flag
//       "1,234.50").
//     check box: "1" and "0" make the logical value true and false; any other
//       text is kept as text (it is then neither set nor cleared).
//     static text, button, combo box, picture: text as is.
// - Writing a value (setValue) takes locale-independent text: a number, an
//   error name, "1"/"0" on a check box, else text. It is not rounded; number
//   cells show it with their decimals.
// - Writing data or a value into a formula cell removes its formula.
//
// Recalculation: setting a formula computes that cell at once. With
// automatic calculation on (boolean property 7), every change of content
// recomputes the formula cells that depend on it, in dependency order; a
// cell on a circular reference gets the error #CYCLE!. recalc() computes
// every formula cell; recalcCell() one.
//
// Custom functions are called back during calculation with this sheet as
// caller. A callback may read this sheet, write values or data into it and
// load and compute other sheets. A write made by a callback while this sheet
// is calculating takes effect at once (cells computed later in the same pass
// see it) but starts no nested recalculation; use recalc() afterwards to
// bring its dependents up to date. While a sheet is calculating, operations
// that restructure it (size, row and column insertion and deletion, range
// swap and copy, load, reset) are refused with false.
//
// Nothing here throws; failures are false (or empty results).
#pragma once

#include "platform/spread/cell_style.h"
#include "platform/spread/custom_function.h"
#include "platform/spread/formula.h"
#include "platform/spread/sheet_types.h"
#include "platform/spread/spread_api.h"
#include "platform/spread/value.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace spread {

struct SheetData;
class Sheet;

// One cell as Sheet::forEachCell passes it; valid during that call only.
class ZRLSPREAD_API CellView {
public:
    int col() const { return col_; }
    int row() const { return row_; }
    const Value& value() const { return *value_; }
    // The cell's look; null for the plain look (general type, the sheet's
    // default font, default colours, no border, unlocked).
    const CellStyle* style() const { return style_; }
    bool hasFormula() const { return hasFormula_; }
    // The formula's text as Sheet::formula gives it; "" without one.
    std::wstring formula() const;

private:
    friend class Sheet;
    CellView(const Sheet& sheet, int col, int row, const Value& value, const CellStyle* style,
             bool hasFormula)
        : sheet_(&sheet), col_(col), row_(row), value_(&value), style_(style),
          hasFormula_(hasFormula) {}
    const Sheet* sheet_;
    int col_, row_;
    const Value* value_;
    const CellStyle* style_;
    bool hasFormula_;
};

class ZRLSPREAD_API Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
    Sheet(Sheet&&) noexcept;
    Sheet& operator=(Sheet&&) noexcept;

    // Exchanges the contents (cells, attributes, size, spans, widths and
    // heights, active cell, selection) with `other`. Settings, the look and
    // custom functions stay with each sheet. Does nothing while either sheet
    // is calculating.
    void swapContent(Sheet& other) noexcept;

    // Empties the sheet: no cells, no attributes, size 0 x 0. Settings, the
    // look and custom functions stay.
    bool reset();

    // --- size -----------------------------------------------------------
    int maxCols() const;
    int maxRows() const;
    // Grows or shrinks the logical size (0..kMaxSheetCols / kMaxSheetRows,
    // else false). Shrinking drops the cells and attributes beyond the new
    // size.
    bool setMaxCols(int count);
    bool setMaxRows(int count);
    // Whether (col, row) is a cell or header cell inside the logical size.
    bool contains(int col, int row) const;

    // --- contents ---------------------------------------------------------
    bool setData(int col, int row, std::wstring_view text);
    std::wstring data(int col, int row) const;
    bool setValue(int col, int row, std::wstring_view text);
    // Writes a computed value as it is (no parsing, no rounding).
    bool setCellValue(int col, int row, const Value& value);
    Value value(int col, int row) const;
    // The same without copying it: valid until the sheet next changes.
    const Value& valueAt(int col, int row) const;
    std::wstring valueText(int col, int row) const;
    // A number value; false when the value is not a number (then 0).
    bool setNumber(int col, int row, double number);
    bool number(int col, int row, double& out) const;
    // Parses `text` (with or without "=") in the sheet's reference style and
    // computes the cell at once. Empty text removes the formula (the value
    // stays). False when the text does not parse: the cell keeps what it had.
    bool setFormula(int col, int row, std::wstring_view text, std::wstring* error = nullptr);
    // The formula's text without "=", in the sheet's reference style; "" when
    // the cell has none.
    std::wstring formula(int col, int row) const;
    bool hasFormula(int col, int row) const;
    bool setTag(int col, int row, std::wstring_view text);
    std::wstring tag(int col, int row) const;
    // Removes contents (data, value, formula), keeps attributes.
    bool clearCell(int col, int row);
    // Calls `visit` for every cell of the block (cut to the sheet, headers
    // included when the block starts at 0), row by row, left to right, empty
    // cells included: what a writer of the whole sheet reads, without a
    // look-up per property. The sheet must not change during the walk.
    void forEachCell(const CellRange& block,
                     const std::function<void(const CellView&)>& visit) const;
    // The last column and row that hold a value, formula or tag (0 if none);
    // headers not counted.
    int lastUsedCol() const;
    int lastUsedRow() const;

    // --- cell types -------------------------------------------------------
    bool setCellType(int col, int row, const CellType& type);
    bool setCellTypeRange(int col, int row, int col2, int row2, const CellType& type);
    // The same with a type the caller shares: setting one type again and
    // again then copies nothing.
    bool setCellTypeRange(int col, int row, int col2, int row2,
                          const std::shared_ptr<const CellType>& type);
    CellType cellType(int col, int row) const;
    // The cell-type code (see CellKind).
    int cellTypeCode(int col, int row) const;

    // --- locks, colours, fonts, borders -----------------------------------
    bool setLock(int col, int row, bool locked);
    bool setLockRange(int col, int row, int col2, int row2, bool locked);
    bool isLocked(int col, int row) const;
    bool setColor(int col, int row, Color back, Color fore);
    bool setColorRange(int col, int row, int col2, int row2, Color back, Color fore);
    // kDefaultColor for colours never set.
    void color(int col, int row, Color& back, Color& fore) const;
    bool setFont(int col, int row, const Font& font);
    bool setFontRange(int col, int row, int col2, int row2, const Font& font);
    // The cell's font, or the sheet's default font.
    Font font(int col, int row) const;
    void setDefaultFont(const Font& font);
    Font defaultFont() const;
    bool setBorder(int col, int row, const Border& border);
    bool setBorderRange(int col, int row, int col2, int row2, const Border& border);
    Border border(int col, int row) const;

    // --- spans ------------------------------------------------------------
    // One merged cell of numCols x numRows anchored at (col, row); false when
    // it leaves the sheet, is smaller than 1 x 1 or overlaps another span.
    bool addSpan(int col, int row, int numCols, int numRows);
    // Removes the span anchored at (col, row); false when there is none.
    bool removeSpan(int col, int row);
    // The span that covers (col, row), anchor included; false when none.
    bool span(int col, int row, CellRange& out) const;
    std::vector<CellRange> spans() const;

    // --- widths, heights, hidden rows ----------------------------------------
    // Widths in characters of the default font (1 character = 8 pixels,
    // default 9), heights in points (1 point = 4/3 pixel, default 12.75).
    // Column 0 and row 0 are the header column and row.
    bool setColWidth(int col, double width);
    double colWidth(int col) const;
    bool setColWidthPixels(int col, int pixels);
    int colWidthPixels(int col) const;
    bool setRowHeight(int row, double height);
    double rowHeight(int row) const;
    bool setRowHeightPixels(int row, int pixels);
    int rowHeightPixels(int row) const;
    bool setRowHidden(int row, bool hidden);
    bool isRowHidden(int row) const;
    // Pixels the longest text of a column, row or cell needs in its font (an
    // estimate: the engine draws nothing).
    int maxTextColWidth(int col) const;
    int maxTextRowHeight(int row) const;
    bool maxTextCellSize(int col, int row, int& width, int& height) const;

    // --- active cell, selection, editing --------------------------------------
    // False when there is no active cell.
    bool activeCell(int& col, int& row) const;
    bool setActiveCell(int col, int row);
    // The selected block; false when nothing beyond the active cell is selected.
    bool selectBlock(CellRange& out) const;
    bool setSelectBlock(const CellRange& block);
    void clearSelectBlock();
    bool editMode() const;
    void setEditMode(bool on);
    // The text selection inside the edited cell; false when not editing.
    bool editSelection(int& start, int& end) const;
    bool setEditSelection(int start, int end);

    // --- settings ------------------------------------------------------------
    bool boolProperty(int index) const;
    bool setBoolProperty(int index, bool on);
    RefStyle refStyle() const;
    void setRefStyle(RefStyle style);
    int operationMode() const;
    void setOperationMode(int mode);
    SheetLook& look();
    const SheetLook& look() const;

    // --- rows and columns ------------------------------------------------------
    // Insert `count` empty rows (columns) before `at`, moving the cells below
    // (right) down (right); cells pushed past the logical size are dropped.
    // Delete `count` rows (columns) from `at`, moving the rest up (left).
    // Formulas are adjusted; a reference to a deleted cell becomes #REF!.
    // The logical size does not change.
    bool insertRows(int at, int count = 1);
    bool deleteRows(int at, int count = 1);
    bool insertCols(int at, int count = 1);
    bool deleteCols(int at, int count = 1);
    // Exchange the block (col, row)-(col2, row2) with the block of the same
    // size at (destCol, destRow). Blocks must not overlap.
    bool swapRange(int col, int row, int col2, int row2, int destCol, int destRow);
    // Copy the block to (destCol, destRow): contents and attributes; formulas
    // move their relative references with them.
    bool copyRange(int col, int row, int col2, int row2, int destCol, int destRow);

    // --- clipboard text --------------------------------------------------------
    // The block's data texts, tab between cells, CR LF after each row.
    std::wstring copyText(const CellRange& block) const;
    // Writes such text as data from (col, row); false when it does not fit.
    // `keepLocked`: locked cells in the block keep their text.
    bool pasteText(int col, int row, std::wstring_view text, bool keepLocked = false);
    // Such text as rows of cell texts: tabs part the cells, CR LF, CR or LF
    // end a row; a last row without its end counts unless it is empty.
    static std::vector<std::vector<std::wstring>> splitCopyText(std::wstring_view text);

    // --- calculation -------------------------------------------------------------
    // Computes every formula cell in dependency order.
    void recalc();
    // Computes the one formula cell.
    bool recalcCell(int col, int row);
    bool isCalculating() const;
    FunctionRegistry& functions();
    // Adds (or replaces) a custom function.
    void addCustomFunction(std::wstring name, int minArgs, int maxArgs, CustomFunctionProc proc,
                           int flags = 0);

    // --- files -----------------------------------------------------------------
    // Load and save, the format chosen by the file's extension (sheetFormatFor).
    // A failed load leaves the sheet as it was; saving replaces the file
    // atomically. Loading clears the changed flag (property 30).
    bool load(const std::filesystem::path& path, std::wstring* error = nullptr);
    bool save(const std::filesystem::path& path, std::wstring* error = nullptr) const;

    // For the file readers and the formula host.
    SheetData& internals() { return *d_; }
    const SheetData& internals() const { return *d_; }

private:
    std::unique_ptr<SheetData> d_;
};

} // namespace spread
