// VkSSBillOutput: rows, subtotal rows and part-picture rows.
#include "grid/zrl_spread.h"
#include "platform/core/files.h"
#include "platform/core/images.h"
#include "platform/core/paths.h"
#include "platform/win/bitmap.h"
#include "sheettools/bill_output.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kNumberStyle = 0x10000000 | 0x400000;
constexpr std::uint32_t kTextStyle = 0x110000;
constexpr int kTextMaxLength = 200;
constexpr std::uint32_t kPictureStyle = 0x24;
constexpr std::uint32_t kMarkStyle = 0x210024;

// The cell type of a column kind; false for kinds that set none.
bool cellTypeOfKind(int kind, spread::CellType& type) {
    switch (kind) {
    case 1:
    case 2:
        type = spread::CellType::number(kind - 1, false, spread::kNumberMin, spread::kNumberMax,
                                        kNumberStyle);
        return true;
    case 3:
        type = spread::CellType::edit(kTextStyle, kTextMaxLength);
        return true;
    default:
        return false;
    }
}

} // namespace

Acad::ErrorStatus VkSSBillOutput::onAddRow(const Zrl_StringArray& cells) {
    Zrl_String imageFile;
    if (hasRenderer()) {
        if (!createImage(cells, imageFile, imageView_, imageCount_, imageOptions_, imageShaded_,
                         imageFramed_, bill_, transaction_))
            imageFile = Zrl_String();
    }
    addRow(cells, imageFile);
    // The sheet shows the picture from its file until the bill is saved;
    // the file is removed then.
    if (!imageFile.isEmpty()) {
        if (getSSPointer() && fileExists(imageFile))
            state_->pendingImages.append(imageFile);
        else
            deleteFile(imageFile);
    }
    return Acad::eOk;
}

Acad::ErrorStatus VkSSBillOutput::onAddSubTotals(const Zrl_StringArray& cells,
                                                 const Zrl_StringArray& labels, bool grand,
                                                 int level) {
    (void)labels;
    (void)grand;
    (void)level;
    Zrl_Spread* grid = getSSPointer();
    if (!grid) return Acad::eOk;
    addRow(cells, Zrl_String());
    const int last = std::min(grid->getMaxCols(), cells.length());
    for (int c = 1; c <= last; ++c) {
        if (cells[c - 1].isEmpty()) continue;
        grid->setBorderRange(c, currentRow_, c, currentRow_, {31, 1, spread::kDefaultColor});
        grid->setColorRange(c, currentRow_, c, currentRow_, kSubTotalColor, spread::kDefaultColor);
    }
    return Acad::eOk;
}

void VkSSBillOutput::nextRow(Zrl_Spread& grid) {
    ++currentRow_;
    const int old = grid.getMaxRows();
    if (currentRow_ <= old) return;
    grid.setMaxRows(currentRow_ + kRowGrowth);
    const int last = grid.getMaxRows();
    if (last <= old) return;
    // The new rows are typed now, a column at a time, rather than cell by
    // cell as each row is written.
    typeBlock(grid, 1, grid.getMaxCols(), old + 1, last);
    SheetState& st = *state_;
    if (st.freshLast != old) st.freshFirst = old + 1;
    st.freshLast = last;
}

void VkSSBillOutput::typeBlock(Zrl_Spread& grid, int col, int col2, int first, int last) const {
    if (first > last) return;
    const int lastCol = std::min({col2, grid.getMaxCols(), kinds_.length()});
    for (int c = col; c <= lastCol; ++c) {
        spread::CellType type;
        if (cellTypeOfKind(kinds_[c - 1], type)) grid.setCellTypeRange(c, first, c, last, type);
    }
}

void VkSSBillOutput::addRow(const Zrl_StringArray& cells, const Zrl_String& imageFile) {
    Zrl_Spread* grid = getSSPointer();
    if (!grid) return;
    if (cells.length() > grid->getMaxCols()) {
        const int old = grid->getMaxCols();
        grid->setMaxCols(cells.length());
        typeBlock(*grid, old + 1, grid->getMaxCols(), state_->freshFirst, state_->freshLast);
    }
    nextRow(*grid);
    setRowProperties(currentRow_);
    const int last = std::min(grid->getMaxCols(), cells.length());
    for (int c = 1; c <= last; ++c)
        grid->setValue(c, currentRow_, cells[c - 1].str());
    measureRow(*grid, currentRow_);
    if (!imageFile.isEmpty() && fileExists(imageFile)) addPictureRow(*grid, imageFile);
}

void VkSSBillOutput::addPictureRow(Zrl_Spread& grid, const Zrl_String& imageFile) {
    nextRow(grid);
    const int row = currentRow_;
    // A picture row carries no column kinds.
    const int typed = std::min(grid.getMaxCols(), kinds_.length());
    if (takeFreshRow(row) && typed >= 1)
        grid.setCellTypeRange(1, row, typed, row, spread::CellType());
    const auto picture = win::Bitmap::load(resolvePath(imageFile).wstring());
    grid.setRowHeightInPixels(row, picture ? picture->height() : 0);
    // The picture spans from column 2 to the last column.
    const int cols = grid.getMaxCols();
    if (cols >= 2) {
        if (cols > 2) grid.addCellSpan(2, row, cols - 1, 1);
        grid.setPictureType(2, row, 2, row, imageFile, kPictureStyle);
    }
    grid.setBorderRange(1, row, 1, row, {18, 6, spread::kDefaultColor});
    grid.setCellTypeRange(
        1, row, 1, row,
        spread::CellType::pictureCell(L"#" + std::to_wstring(kPictureRowMark), kMarkStyle));
}

bool VkSSBillOutput::takeFreshRow(int row) {
    SheetState& st = *state_;
    if (row < st.freshFirst || row > st.freshLast) return false;
    st.freshFirst = row + 1;
    return true;
}

void VkSSBillOutput::setRowProperties(const int& row) {
    Zrl_Spread* grid = getSSPointer();
    if (!grid) return;
    if (takeFreshRow(row)) {
        // Fresh rows are typed, plain and still empty, with the same fonts:
        // one measurement serves them all.
        int& height = state_->singleLineHeight;
        if (height == 0) height = grid->getMaxTextRowHeight(row);
        if (height > 0) grid->setRowHeightInPixels(row, height);
        return;
    }
    const int last = std::min(grid->getMaxCols(), kinds_.length());
    for (int c = 1; c <= last; ++c) {
        spread::CellType type;
        if (cellTypeOfKind(kinds_[c - 1], type)) grid->setCellTypeRange(c, row, c, row, type);
        grid->setBorderRange(c, row, c, row, {0, 0, spread::kDefaultColor});
        grid->removeCellSpan(c, row);
        grid->setColorRange(c, row, c, row, spread::kDefaultColor, spread::kDefaultColor);
    }
    const int height = grid->getMaxTextRowHeight(row);
    if (height > 0) grid->setRowHeightInPixels(row, height);
}
