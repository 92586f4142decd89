// Zrl_Spread: cell types, locking with the check-lock rule, and spans.
#include "grid/zrl_spread.h"
#include "platform/spread/sheet_spans.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// Cell-type codes the module tests.
constexpr int kCodeCheckBox = static_cast<int>(spread::CellKind::CheckBox);

// Style bits of a number cell: always 0x10000000, with the thousands
// separator 0x400000, else 0x100000.
constexpr std::uint32_t kNumberStyle = 0x10000000;
constexpr std::uint32_t kNumberSeparator = 0x400000;
constexpr std::uint32_t kNumberPlain = 0x100000;

// A single cell when the second corner is not given (0 or below).
void completeBlock(int col, int row, int& col2, int& row2) {
    if (col2 < 1 && col2 != spread::kHeader) col2 = col;
    if (row2 < 1 && row2 != spread::kHeader) row2 = row;
}

// Name under which a bitmap resource stands in a cell type.
std::wstring bitmapName(int id) {
    return L"#" + std::to_wstring(id);
}

} // namespace

int Zrl_Spread::getCellType(int col, int row) const {
    if (!created_) return -1;
    return getCellTypeCode(col, row);
}

spread::CellType Zrl_Spread::editType(std::uint32_t style, int maxLength) {
    return spread::CellType::edit(style, maxLength);
}

spread::CellType Zrl_Spread::numberType(int decimals, bool showSeparator) {
    const std::uint32_t style = kNumberStyle | (showSeparator ? kNumberSeparator : kNumberPlain);
    return spread::CellType::number(decimals, showSeparator, spread::kNumberMin, spread::kNumberMax,
                                    style);
}

std::shared_ptr<const spread::CellType> Zrl_Spread::sharedNumberType(int decimals,
                                                                     bool showSeparator) {
    // One per decimals (0..15) and separator, made on first use.
    thread_local std::shared_ptr<const spread::CellType> made[16][2];
    decimals = std::clamp(decimals, 0, 15);
    auto& type = made[decimals][showSeparator ? 1 : 0];
    if (!type) type = std::make_shared<const spread::CellType>(numberType(decimals, showSeparator));
    return type;
}

std::shared_ptr<const spread::CellType> Zrl_Spread::sharedEditType(std::uint32_t style,
                                                                   int maxLength) {
    // The last few asked for: a sheet uses one or two.
    struct Made {
        std::uint32_t style;
        int maxLength;
        std::shared_ptr<const spread::CellType> type;
    };
    thread_local Made made[4];
    thread_local unsigned next = 0;
    for (const Made& m : made)
        if (m.type && m.style == style && m.maxLength == maxLength) return m.type;
    Made& slot = made[next++ % std::size(made)];
    slot = {style, maxLength, std::make_shared<const spread::CellType>(editType(style, maxLength))};
    return slot.type;
}

bool Zrl_Spread::setEditType(int col, int row, int col2, int row2, std::uint32_t style,
                             int maxLength) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    try {
        return setCellTypeRange(col, row, col2, row2, sharedEditType(style, maxLength));
    } catch (...) {
        return false; // out of memory
    }
}

bool Zrl_Spread::setNumberType(int col, int row, int col2, int row2, int decimals,
                               bool showSeparator) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    try {
        return setCellTypeRange(col, row, col2, row2, sharedNumberType(decimals, showSeparator));
    } catch (...) {
        return false; // out of memory
    }
}

bool Zrl_Spread::setTypeBeforeValue(int col, int row, const spread::CellType& type) {
    if (!created_) return false;
    // The grid leaves a cell that has the type already as it is, bar its
    // typed text, which setting the value drops either way.
    return setCellTypeRange(col, row, col, row, type);
}

bool Zrl_Spread::setTypeBeforeValue(int col, int row,
                                    const std::shared_ptr<const spread::CellType>& type) {
    if (!created_) return false;
    return setCellTypeRange(col, row, col, row, type);
}

bool Zrl_Spread::setIntegerType(int col, int row, int col2, int row2) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    return setCellTypeRange(col, row, col2, row2, spread::CellType::integer());
}

bool Zrl_Spread::setStaticTextType(int col, int row, int col2, int row2) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    return setCellTypeRange(col, row, col2, row2, spread::CellType::staticText());
}

const win::Bitmap* Zrl_Spread::ensureCheckPicture(int index, int bitmapId) {
    std::optional<win::Bitmap>& picture = checkPictures_[index];
    if (!picture) picture = zrlss::loadCheckBoxPicture(bitmapId);
    return picture ? &*picture : nullptr;
}

const win::Bitmap* Zrl_Spread::checkBoxPicture(bool set) const {
    const std::optional<win::Bitmap>& picture = checkPictures_[set ? 1 : 0];
    return picture ? &*picture : nullptr;
}

bool Zrl_Spread::setCheckBoxType(int col, int row, int col2, int row2, int clearedBitmap,
                                 int setBitmap) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    ensureCheckPicture(0, clearedBitmap);
    ensureCheckPicture(1, setBitmap);
    return setCellTypeRange(
        col, row, col2, row2,
        spread::CellType::checkBox({}, bitmapName(clearedBitmap), bitmapName(setBitmap)));
}

bool Zrl_Spread::setButtonType(int col, int row, int col2, int row2, const Zrl_String& text,
                               std::uint32_t style, const Zrl_String& picture,
                               const Zrl_String& picture2) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    spread::CellType type = spread::CellType::button(text.str(), style);
    type.picture = picture.str();
    type.picture2 = picture2.str();
    return setCellTypeRange(col, row, col2, row2, type);
}

bool Zrl_Spread::setComboType(int col, int row, int col2, int row2, const Zrl_StringArray& items,
                              bool editable) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    std::vector<std::wstring> choices;
    choices.reserve(static_cast<size_t>(items.length()));
    for (const Zrl_String& item : items)
        choices.push_back(item.str());
    return setCellTypeRange(col, row, col2, row2,
                            spread::CellType::comboBox(std::move(choices), editable));
}

bool Zrl_Spread::setPictureType(int col, int row, int col2, int row2, const Zrl_String& picture,
                                std::uint32_t style) {
    if (!created_) return false;
    completeBlock(col, row, col2, row2);
    return setCellTypeRange(col, row, col2, row2,
                            spread::CellType::pictureCell(picture.str(), style));
}

// --- locking ---------------------------------------------------------------------

bool Zrl_Spread::setLock(int col, int row, bool locked) {
    if (!inSheet(col, row)) return false;
    return setLockRaw(col, row, locked);
}

bool Zrl_Spread::lockColumn(int col) {
    if (!created_ || col < 1 || col > TSpread::getMaxCols()) return false;
    const int rows = TSpread::getMaxRows();
    return rows < 1 || setLockRange(col, 1, col, rows, true);
}

bool Zrl_Spread::isLocked(int col, int row) const {
    if (!inSheet(col, row)) return false;
    return getLock(col, row);
}

bool Zrl_Spread::setCheckLockColumns(int checkCol, int lockedCol) {
    if (!created_) return false;
    const int cols = TSpread::getMaxCols();
    if (checkCol < 1 || checkCol > cols || lockedCol < 1 || lockedCol > cols) return false;
    checkCol_ = checkCol;
    lockedCol_ = lockedCol;
    const int rows = TSpread::getMaxRows();
    for (int row = 1; row <= rows; ++row)
        applyCheckLock(row);
    return true;
}

bool Zrl_Spread::applyCheckLock(int row) {
    if (checkCol_ < 1 || lockedCol_ < 1 || !inSheet(checkCol_, row) || row < 1) return false;
    Zrl_String text;
    getCellText(checkCol_, row, text, kValue);
    // Locked exactly when the check box is cleared; any other text counts as
    // neither and leaves the cell as it is.
    if (text == L"0") return setLock(lockedCol_, row, true);
    if (text == L"1") return setLock(lockedCol_, row, false);
    return true;
}

// --- spans -----------------------------------------------------------------------

bool Zrl_Spread::addSpan(int col, int row, int numCols, int numRows) {
    if (!created_) return false;
    return addCellSpan(col, row, numCols, numRows);
}

bool Zrl_Spread::removeSpans(int col) {
    if (!created_ || col < 0 || col > TSpread::getMaxCols()) return false;
    spread::removeSpans(
        sheet(), [col](const spread::CellRange& span) { return span.col1 == col && span.row1 >= 1; });
    return true;
}

bool Zrl_Spread::removeAllSpans() {
    if (!created_) return false;
    spread::removeSpans(
        sheet(), [](const spread::CellRange& span) { return span.row1 >= 1 && span.col1 >= 0; });
    return true;
}

bool Zrl_Spread::spanEqualRuns(int col) {
    if (!created_ || col < 0 || col > TSpread::getMaxCols()) return false;
    removeSpans(col);
    const int rows = TSpread::getMaxRows();
    int runStart = 0;
    Zrl_String runText;
    auto closeRun = [&](int endRow) {
        if (runStart > 0 && endRow - runStart >= 1)
            addCellSpan(col, runStart, 1, endRow - runStart + 1);
        runStart = 0;
    };
    Zrl_String text;
    for (int row = 1; row <= rows; ++row) {
        if (!getCellText(col, row, text, kValue) || text.isEmpty()) {
            closeRun(row - 1);
            continue;
        }
        if (runStart > 0 && text.equal(runText, false)) continue;
        closeRun(row - 1);
        runStart = row;
        runText = text;
    }
    closeRun(rows);
    return true;
}

// --- check boxes of the selection ----------------------------------------------------

bool Zrl_Spread::setCheckRange(bool set) {
    if (!created_) return false;
    const int cols = TSpread::getMaxCols();
    const int rows = TSpread::getMaxRows();
    if (cols < 1 || rows < 1) return false;
    spread::CellRange block;
    if (!getSelectBlock(block)) {
        int col = 0, row = 0;
        getActiveCell(col, row);
        block = {col, row, col, row};
    }
    // A block starting at a header (or below 1) takes the whole row or column.
    const int col1 = std::max(block.col1, 1), row1 = std::max(block.row1, 1);
    const int col2 = block.col1 < 1 ? cols : std::min(block.col2, cols);
    const int row2 = block.row1 < 1 ? rows : std::min(block.row2, rows);
    const wchar_t* text = set ? L"1" : L"0";
    bool changed = false;
    for (int col = col1; col <= col2; ++col)
        for (int row = row1; row <= row2; ++row)
            if (getCellTypeCode(col, row) == kCodeCheckBox) {
                setData(col, row, text);
                changed = true;
            }
    if (changed && checkCol_ >= col1 && checkCol_ <= col2)
        for (int row = row1; row <= row2; ++row)
            applyCheckLock(row);
    return true;
}
