// VkSSBillOutput: construction, set-up and the end of the feed.
#include "sheettools/bill_output.h"

#include "grid/zrl_spread.h"
#include "platform/core/files.h"
#include "platform/core/images.h"
#include "platform/core/paths.h"
#include "platform/core/timers.h"
#include "sheettools/dlg_ss_as_tool.h"
#include "sheettools/sheet_settings_ops.h"
#include "sheettools/ss_settings.h"

#include <algorithm>

namespace {

constexpr int kGridType = 7;
constexpr unsigned kGridColor = 0x323232;
constexpr std::uint32_t kHeaderStaticStyle = 140;

// The title of a bill: its file's name without folder and extension, after
// the last inverted question mark.
Zrl_String billTitle(const Zrl_String& fileName) {
    Zrl_String title = getFileName(removeExtension(fileName));
    const int mark = title.findLast(Zrl_String(L'\u00BF'), true);
    if (mark >= 0) title = title.getSubStringAt(mark + 1);
    return title;
}

} // namespace

VkSSBillOutput::VkSSBillOutput()
    : holder_(std::make_shared<DlgSSAsTool>()), state_(std::make_shared<SheetState>()) {}

VkSSBillOutput::VkSSBillOutput(const VkSSBillOutput& other) = default;

VkSSBillOutput& VkSSBillOutput::operator=(const VkSSBillOutput& other) = default;

VkSSBillOutput::~VkSSBillOutput() {
    // The last owner of the sheet cleans up pictures a broken feed left.
    if (state_.use_count() == 1) deletePendingImages();
}

Zrl_Spread* VkSSBillOutput::getSSPointer() const {
    return holder_ ? holder_->sheet() : nullptr;
}

Acad::ErrorStatus VkSSBillOutput::init(Zrl_String billFileName, const Zrl_StringArray& titles,
                                       const AcArray<int>& unused, const AcArray<int>& kinds,
                                       const Zrl_String& settingsName,
                                       const Zrl_StringArray& valueNames,
                                       const Zrl_StringArray& values) {
    (void)unused;
    if (!holder_) holder_ = std::make_shared<DlgSSAsTool>();
    if (!holder_->isCreated()) holder_->create();
    Zrl_Spread* grid = getSSPointer();
    if (!grid) return static_cast<Acad::ErrorStatus>(kNoSheetStatus);
    billFileName_ = std::move(billFileName);

    // Preparing sets the sheet's size and fonts anew: no row is fresh.
    state_->freshFirst = 0;
    state_->freshLast = -1;
    state_->singleLineHeight = 0;
    // Rows left over from an earlier feed are measured with the rest at the end.
    state_->widths.clear();
    state_->measuredTo = currentRow_ == 0 ? 0 : -1;
    prepareSheetWithSettings(*grid, settingsName);
    VkSSSettings fonts;
    fonts.fromSettingsName(settingsName);
    grid->setFontName(fonts.defaultFont);
    grid->setFontHeight(fonts.defaultTextHeight);
    grid->formatHeaders();

    grid->look().gridType = kGridType;
    grid->look().gridColor = kGridColor;
    valueNames_ = valueNames;
    values_ = values;
    grid->setMaxCols(titles.length());
    for (int c = 0; c < titles.length(); ++c)
        grid->setCellData(c + 1, Zrl_Spread::kHeader, titles[c]);
    kinds_ = kinds;
    return Acad::eOk;
}

void VkSSBillOutput::setVars(int view, int count, int options, bool shaded, bool framed,
                             Zrl_Bill* bill, AcTransaction* transaction) {
    imageView_ = view;
    imageCount_ = count;
    imageOptions_ = options;
    imageShaded_ = shaded;
    imageFramed_ = framed;
    bill_ = bill;
    transaction_ = transaction;
}

Acad::ErrorStatus VkSSBillOutput::onStartFeed() {
    if (hasRenderer()) initBMPDialog(imageCount_ + 20);
    return Acad::eOk;
}

Acad::ErrorStatus VkSSBillOutput::onEndFeed() {
    if (hasRenderer()) closeBMPDialog();
    Zrl_Spread* grid = getSSPointer();
    if (!grid) return Acad::eInvalidInput;
    if (currentRow_ < grid->getMaxRows()) grid->setMaxRows(currentRow_);

    const int cols = grid->getMaxCols();
    if (cols > 0)
        grid->setCellTypeRange(1, Zrl_Spread::kHeader, cols, Zrl_Spread::kHeader,
                               spread::CellType::staticText(kHeaderStaticStyle));
    fitColumns(*grid);

    Zrl_StringArray names;
    Zrl_StringArray values;
    names.append(L"Date");
    values.append(getCurrentTime(L"%d %B, %Y (%H:%M)"));
    names.append(L"Title");
    values.append(billTitle(billFileName_));
    names.append(L"BillFilename");
    values.append(billFileName_);
    for (int i = 0; i < valueNames_.length(); ++i)
        names.append(valueNames_[i]);
    for (int i = 0; i < values_.length(); ++i)
        values.append(values_[i]);
    valueNames_ = names;
    values_ = values;

    VkSSSettings settings;
    settings.fromSheet(grid);
    settings.setVars(valueNames_, values_);
    settings.toSheet();
    const bool saved = saveSheetWithSettings(*grid, billFileName_);
    deletePendingImages();
    // A bill that did not reach its file is a failure the caller must hear of.
    return saved ? Acad::eOk : kNotSavedStatus;
}

void VkSSBillOutput::measureRow(Zrl_Spread& grid, int row) {
    SheetState& st = *state_;
    if (st.measuredTo < 0) return;
    if (row != st.measuredTo + 1) {
        st.measuredTo = -1;
        return;
    }
    st.measuredTo = row;
    const int cols = grid.getMaxCols();
    if (static_cast<int>(st.widths.size()) <= cols) st.widths.resize(cols + 1, 0);
    for (int c = 1; c <= cols; ++c) {
        if (grid.getCellTypeCode(c, row) == static_cast<int>(spread::CellKind::ComboBox)) continue;
        int width = 0, height = 0;
        if (grid.getMaxTextCellSize(c, row, width, height))
            st.widths[c] = std::max(st.widths[c], width);
    }
}

void VkSSBillOutput::fitColumns(Zrl_Spread& grid) {
    const SheetState& st = *state_;
    const int cols = grid.getMaxCols();
    // Widths taken as the rows were written hold only when those rows are
    // all the sheet has.
    if (st.measuredTo != grid.getMaxRows()) {
        for (int c = 1; c <= cols; ++c)
            grid.autoSizeColumn(c, true);
        return;
    }
    for (int c = 1; c <= cols; ++c) {
        int width = 0, height = 0;
        grid.getMaxTextCellSize(c, 0, width, height);
        if (c < static_cast<int>(st.widths.size())) width = std::max(width, st.widths[c]);
        grid.setColWidthInPixels(c, width);
    }
}

void VkSSBillOutput::deletePendingImages() {
    Zrl_StringArray& images = state_->pendingImages;
    for (int i = 0; i < images.length(); ++i)
        deleteFile(images[i]);
    images.setLogicalLength(0);
}
