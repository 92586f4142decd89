// VkSSBillOutput: writes a bill of materials, fed row by row by the core,
// into a sheet and saves it.
//
// The core calls: construct, setVars (optional, for part pictures), init,
// onStartFeed, onAddRow / onAddSubTotals, onEndFeed, destroy. The sheet
// lives in a hidden window (DlgSSAsTool) made by the first init. Copies
// share that window: it is destroyed with the last copy, and a copy writes
// into the same sheet as its original.
#pragma once

#include "frame/export.h"
#include "platform/core/list_output.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acarray.h"

#include <memory>
#include <vector>

class AcTransaction;
class DlgSSAsTool;
class Zrl_Bill;
class Zrl_Spread;

class ZRLSS_EXPORT VkSSBillOutput : public Zrl_ListOutputCallback {
public:
    // init's answer when the hidden sheet window cannot be made.
    static constexpr int kNoSheetStatus = 337;
    // onEndFeed's answer when the bill's file could not be written.
    static constexpr Acad::ErrorStatus kNotSavedStatus = Acad::eFileNotFound;
    // Rows the sheet grows by when a row passes its end.
    static constexpr int kRowGrowth = 100;
    // Background of the non-empty cells of a subtotal row (0x00BBGGRR).
    static constexpr unsigned kSubTotalColor = 0xFFD1A4;
    // Bitmap resource shown in the first column of a picture row.
    static constexpr int kPictureRowMark = 251;

    VkSSBillOutput();
    VkSSBillOutput(const VkSSBillOutput& other);
    VkSSBillOutput& operator=(const VkSSBillOutput& other);
    ~VkSSBillOutput() override;

    Acad::ErrorStatus onStartFeed() override;
    Acad::ErrorStatus onEndFeed() override;
    Acad::ErrorStatus onAddRow(const Zrl_StringArray& cells) override;
    Acad::ErrorStatus onAddSubTotals(const Zrl_StringArray& cells, const Zrl_StringArray& labels,
                                     bool grand, int level) override;

    // Makes the sheet (on first use), prepares it with the settings file
    // `settingsName`, sets the columns' titles and kinds and keeps the file
    // name and named values. 337 when there is no sheet.
    Acad::ErrorStatus init(Zrl_String billFileName, const Zrl_StringArray& titles,
                           const AcArray<int>& unused, const AcArray<int>& kinds,
                           const Zrl_String& settingsName, const Zrl_StringArray& valueNames,
                           const Zrl_StringArray& values);
    // The picture renderer's options, the bill and the transaction; pictures
    // are made only when both pointers are set.
    void setVars(int view, int count, int options, bool shaded, bool framed, Zrl_Bill* bill,
                 AcTransaction* transaction);

    // The sheet (null before init or when it could not be made).
    Zrl_Spread* sheet() { return getSSPointer(); }
    int currentRow() const { return currentRow_; }
    const Zrl_StringArray& valueNames() const { return valueNames_; }
    const Zrl_StringArray& values() const { return values_; }

private:
    void addRow(const Zrl_StringArray& cells, const Zrl_String& imageFile);
    void setRowProperties(const int& row);
    Zrl_Spread* getSSPointer() const;
    // Moves to the next row, growing the sheet when it passes the end.
    void nextRow(Zrl_Spread& grid);
    void addPictureRow(Zrl_Spread& grid, const Zrl_String& imageFile);
    // Gives rows first..last of columns col..col2 their kinds' cell types,
    // one shared type per column.
    void typeBlock(Zrl_Spread& grid, int col, int col2, int first, int last) const;
    // Takes the widths of `row`'s texts into the columns' widths.
    void measureRow(Zrl_Spread& grid, int row);
    // Each column as wide as its header's and rows' widest text.
    void fitColumns(Zrl_Spread& grid);
    // Whether `row` is fresh (see SheetState); it is no longer once taken.
    bool takeFreshRow(int row);
    bool hasRenderer() const { return bill_ && transaction_; }
    void deletePendingImages();

    int imageView_ = -1;
    int imageCount_ = 0;
    int imageOptions_ = 0;
    bool imageShaded_ = true;
    bool imageFramed_ = true;
    Zrl_Bill* bill_ = nullptr;
    AcTransaction* transaction_ = nullptr;
    std::shared_ptr<DlgSSAsTool> holder_;
    int currentRow_ = 0;
    AcArray<int> kinds_;
    Zrl_String billFileName_;
    Zrl_StringArray valueNames_;
    Zrl_StringArray values_;

    // What the copies writing into one sheet share.
    struct SheetState {
        // Part pictures shown in the sheet; removed once the sheet is saved.
        Zrl_StringArray pendingImages;
        // Rows freshFirst..freshLast were added by the growth, typed by
        // column and never written: a row there needs no clearing.
        int freshFirst = 0;
        int freshLast = -1;
        // The text height the grid gives a fresh row, measured once: fresh
        // rows are empty when measured and share their fonts. 0 until then.
        int singleLineHeight = 0;
        // Widest text of each column's rows (pixels, by column from 1),
        // measured as rows 1..measuredTo were written in order; -1 once a
        // row was written out of order, when the columns are measured anew.
        std::vector<int> widths;
        int measuredTo = -1;
    };
    std::shared_ptr<SheetState> state_;
};
