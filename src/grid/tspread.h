// TSpread: the grid control as a window. Each method forwards one operation
// of the grid engine (spread::Sheet) and adds nothing: no checks, no state
// beyond the control's own data, no logic. Zrl_Spread (zrl_spread.h) builds
// the module's grid on top of it; the rest of the module reaches the engine
// only through these two classes.
//
// The control's own data are what a grid control keeps inside its window:
// the sheet itself and the cell that sent the last notification. Columns
// and rows count from 1; spread::kHeader (-32767) or 0 addresses the header
// column or row.
#pragma once

#include "grid/grid_property.h"
#include "platform/spread/sheet.h"
#include "platform/win/window.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class TSpread : public win::Window {
public:
    TSpread() = default;
    ~TSpread() override = default;

    // The engine behind the control, for the few callers that need more
    // than one forwarded operation at a time (sheet readers, tests).
    spread::Sheet& sheet() { return sheet_; }
    const spread::Sheet& sheet() const { return sheet_; }

    // --- size
    int getMaxCols() const { return sheet_.maxCols(); }
    int getMaxRows() const { return sheet_.maxRows(); }
    bool setMaxColsRaw(int count) { return sheet_.setMaxCols(count); }
    bool setMaxRowsRaw(int count) { return sheet_.setMaxRows(count); }
    bool resetSheet() { return sheet_.reset(); }

    // --- contents
    std::wstring getData(int col, int row) const { return sheet_.data(col, row); }
    bool setData(int col, int row, std::wstring_view text) {
        return sheet_.setData(col, row, text);
    }
    std::wstring getValue(int col, int row) const { return sheet_.valueText(col, row); }
    bool setValue(int col, int row, std::wstring_view text) {
        return sheet_.setValue(col, row, text);
    }
    std::wstring getFormula(int col, int row) const { return sheet_.formula(col, row); }
    bool setFormulaRaw(int col, int row, std::wstring_view text) {
        return sheet_.setFormula(col, row, text);
    }
    std::wstring getCellTag(int col, int row) const { return sheet_.tag(col, row); }
    bool setCellTag(int col, int row, std::wstring_view text) {
        return sheet_.setTag(col, row, text);
    }

    // --- cell types
    int getCellTypeCode(int col, int row) const { return sheet_.cellTypeCode(col, row); }
    bool setCellTypeRange(int col, int row, int col2, int row2, const spread::CellType& type) {
        return sheet_.setCellTypeRange(col, row, col2, row2, type);
    }
    bool setCellTypeRange(int col, int row, int col2, int row2,
                          const std::shared_ptr<const spread::CellType>& type) {
        return sheet_.setCellTypeRange(col, row, col2, row2, type);
    }

    // --- locks, colours, fonts, borders
    bool getLock(int col, int row) const { return sheet_.isLocked(col, row); }
    bool setLockRaw(int col, int row, bool locked) { return sheet_.setLock(col, row, locked); }
    bool setLockRange(int col, int row, int col2, int row2, bool locked) {
        return sheet_.setLockRange(col, row, col2, row2, locked);
    }
    bool setColorRange(int col, int row, int col2, int row2, spread::Color back,
                       spread::Color fore) {
        return sheet_.setColorRange(col, row, col2, row2, back, fore);
    }
    bool setFontRange(int col, int row, int col2, int row2, const spread::Font& font) {
        return sheet_.setFontRange(col, row, col2, row2, font);
    }
    bool setBorderRange(int col, int row, int col2, int row2, const spread::Border& border) {
        return sheet_.setBorderRange(col, row, col2, row2, border);
    }

    // --- spans
    bool addCellSpan(int col, int row, int numCols, int numRows) {
        return sheet_.addSpan(col, row, numCols, numRows);
    }
    bool removeCellSpan(int col, int row) { return sheet_.removeSpan(col, row); }
    bool getCellSpan(int col, int row, spread::CellRange& out) const {
        return sheet_.span(col, row, out);
    }

    // --- widths, heights, hidden rows
    int getColWidthInPixels(int col) const { return sheet_.colWidthPixels(col); }
    bool setColWidthInPixels(int col, int pixels) { return sheet_.setColWidthPixels(col, pixels); }
    int getRowHeightInPixels(int row) const { return sheet_.rowHeightPixels(row); }
    bool setRowHeightInPixels(int row, int pixels) {
        return sheet_.setRowHeightPixels(row, pixels);
    }
    int getMaxTextColWidth(int col) const { return sheet_.maxTextColWidth(col); }
    int getMaxTextRowHeight(int row) const { return sheet_.maxTextRowHeight(row); }
    bool getMaxTextCellSize(int col, int row, int& width, int& height) const {
        return sheet_.maxTextCellSize(col, row, width, height);
    }
    bool showRow(int row, bool shown) { return sheet_.setRowHidden(row, !shown); }
    bool isRowHidden(int row) const { return sheet_.isRowHidden(row); }

    // --- active cell, selection, editing
    bool getActiveCellRaw(int& col, int& row) const { return sheet_.activeCell(col, row); }
    bool setActiveCell(int col, int row) { return sheet_.setActiveCell(col, row); }
    bool getSelectBlock(spread::CellRange& out) const { return sheet_.selectBlock(out); }
    bool setSelectBlock(const spread::CellRange& block) { return sheet_.setSelectBlock(block); }
    void clearSelectBlock() { sheet_.clearSelectBlock(); }
    bool getEditMode() const { return sheet_.editMode(); }
    void setEditMode(bool on) { sheet_.setEditMode(on); }
    bool getSel(int& start, int& end) const { return sheet_.editSelection(start, end); }
    bool setSel(int start, int end) { return sheet_.setEditSelection(start, end); }
    // The cell that sent the last cell notification.
    void getCellSendingMsg(int& col, int& row) const {
        col = sendingCol_;
        row = sendingRow_;
    }

    // --- settings and look
    bool getBool(int index) const { return sheet_.boolProperty(index); }
    bool setBool(int index, bool on) { return sheet_.setBoolProperty(index, on); }
    bool getBool(GridProperty property) const { return getBool(propertyNumber(property)); }
    bool setBool(GridProperty property, bool on) { return setBool(propertyNumber(property), on); }
    void setRefStyle(spread::RefStyle style) { sheet_.setRefStyle(style); }
    void setOperationMode(int mode) { sheet_.setOperationMode(mode); }
    spread::SheetLook& look() { return sheet_.look(); }

    // --- rows and columns
    bool insRow(int at) { return sheet_.insertRows(at, 1); }
    bool delRow(int at) { return sheet_.deleteRows(at, 1); }
    bool insCol(int at) { return sheet_.insertCols(at, 1); }
    bool delCol(int at) { return sheet_.deleteCols(at, 1); }
    bool swapRange(int col, int row, int col2, int row2, int destCol, int destRow) {
        return sheet_.swapRange(col, row, col2, row2, destCol, destRow);
    }
    bool copyRange(int col, int row, int col2, int row2, int destCol, int destRow) {
        return sheet_.copyRange(col, row, col2, row2, destCol, destRow);
    }

    // --- clipboard text of a block
    std::wstring copyText(const spread::CellRange& block) const { return sheet_.copyText(block); }
    bool pasteText(int col, int row, std::wstring_view text, bool keepLocked = false) {
        return sheet_.pasteText(col, row, text, keepLocked);
    }

    // --- calculation and custom functions
    void reCalc() { sheet_.recalc(); }
    bool reCalcCell(int col, int row) { return sheet_.recalcCell(col, row); }
    void addCustomFunction(std::wstring name, int minArgs, int maxArgs,
                           spread::CustomFunctionProc proc, int flags) {
        sheet_.addCustomFunction(std::move(name), minArgs, maxArgs, std::move(proc), flags);
    }

    // --- files
    bool loadFromFile(const std::filesystem::path& path, std::wstring* error = nullptr) {
        return sheet_.load(path, error);
    }
    bool saveToFile(const std::filesystem::path& path, std::wstring* error = nullptr) const {
        return sheet_.save(path, error);
    }

protected:
    // Notes which cell sends the notification that follows.
    void setCellSendingMsg(int col, int row) {
        sendingCol_ = col;
        sendingRow_ = row;
    }

private:
    spread::Sheet sheet_;
    int sendingCol_ = 0;
    int sendingRow_ = 0;
};
