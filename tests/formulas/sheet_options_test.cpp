// The sheet size and captions dialog: the caption memories, the fields, and
// what OK and Cancel do to the grid.
#include "formulas_fixture.h"
#include "sheettools/dlg_ss_options.h"
#include "sheettools/sheet_options.h"

namespace formulas_test {
namespace {

class SheetOptionsTest : public FormulasTest {
protected:
    void SetUp() override {
        FormulasTest::SetUp();
        const wchar_t* cols[] = {L"A-col", L"B-col", L"C-col", L"D-col", L"E-col"};
        for (int c = 1; c <= 5; ++c)
            sheet.grid.setCellData(c, 0, cols[c - 1]);
        sheet.grid.setCellData(0, 1, L"first");
        sheet.grid.setCellData(0, 2, L"second");
        sheet.grid.setRowHeightInPixels(0, 22);
        sheet.grid.setColWidthInPixels(0, 44);
        sheet.grid.setBool(30, false);
    }

    // Runs the operation with `play` as the user of the dialog.
    bool run(std::function<void(CDlgSSOptions&)> play) {
        win::script().onNextModal([play](win::Dialog& dlg) {
            auto* options = dynamic_cast<CDlgSSOptions*>(&dlg);
            ASSERT_NE(options, nullptr);
            play(*options);
        });
        const bool ok = runSheetOptions(sheet.grid);
        EXPECT_TRUE(win::script().shown().errors.empty());
        return ok;
    }

    std::wstring columnCaption(int col) const { return sheet.grid.getData(col, 0); }

    HiddenGrid sheet{5, 2};
};

TEST_F(SheetOptionsTest, DialogStartsFromTheGrid) {
    EXPECT_FALSE(run([](CDlgSSOptions& dlg) {
        EXPECT_EQ(dlg.getItemText(CDlgSSOptions::kColumnsId), L"5");
        EXPECT_EQ(dlg.getItemText(CDlgSSOptions::kRowsId), L"2");
        EXPECT_EQ(dlg.getItemText(CDlgSSOptions::kHeaderHeightId), L"22");
        EXPECT_EQ(dlg.getItemText(CDlgSSOptions::kHeaderWidthId), L"44");
        EXPECT_EQ(std::make_pair(dlg.columnGrid().getMaxCols(), dlg.columnGrid().getMaxRows()),
                  std::make_pair(5, 1));
        EXPECT_EQ(dlg.columnGrid().getData(4, 1), L"D-col");
        EXPECT_EQ(dlg.columnGrid().getRowHeightInPixels(1), 22);
        EXPECT_EQ(dlg.rowGrid().getMaxRows(), 2);
        EXPECT_EQ(dlg.rowGrid().getData(1, 2), L"second");
        EXPECT_EQ(dlg.rowGrid().getColWidthInPixels(1), 44);
    }));
}

TEST_F(SheetOptionsTest, LoweredAndRaisedCountBringsCaptionsBack) {
    EXPECT_TRUE(run([](CDlgSSOptions& dlg) {
        dlg.columnGrid().setCellData(2, 1, L"edited");
        dlg.type(CDlgSSOptions::kColumnsId, L"3");
        EXPECT_EQ(dlg.columnGrid().getMaxCols(), 3);
        EXPECT_EQ(dlg.columnCaptions.length(), 5);
        dlg.type(CDlgSSOptions::kColumnsId, L"5");
        EXPECT_EQ(dlg.columnCaptions.length(), 3);
        EXPECT_EQ(dlg.columnGrid().getData(4, 1), L"D-col");
        EXPECT_EQ(dlg.columnGrid().getData(5, 1), L"E-col");
        // Beyond every caption known the new columns start empty.
        dlg.type(CDlgSSOptions::kColumnsId, L"7");
        EXPECT_EQ(dlg.columnGrid().getData(6, 1), L"");
        dlg.type(CDlgSSOptions::kRowsId, L"1");
        dlg.type(CDlgSSOptions::kRowsId, L"3");
        EXPECT_EQ(dlg.rowGrid().getData(1, 2), L"second");
        dlg.rowGrid().setCellData(1, 3, L"third");
        dlg.click(win::IDOK);
    }));
    EXPECT_EQ(std::make_pair(sheet.grid.getMaxCols(), sheet.grid.getMaxRows()),
              std::make_pair(7, 3));
    EXPECT_EQ(columnCaption(2), L"edited");
    EXPECT_EQ(columnCaption(5), L"E-col");
    EXPECT_EQ(columnCaption(7), L"");
    EXPECT_EQ(sheet.grid.getData(0, 3), L"third");
    EXPECT_TRUE(sheet.grid.getBool(30));
}

TEST_F(SheetOptionsTest, NonNumericCountEmptiesThatGrid) {
    EXPECT_TRUE(run([](CDlgSSOptions& dlg) {
        dlg.type(CDlgSSOptions::kColumnsId, L"many");
        EXPECT_EQ(dlg.columns, 0);
        EXPECT_EQ(dlg.columnGrid().getMaxCols(), 0);
        // A negative count is no count either.
        dlg.type(CDlgSSOptions::kRowsId, L"-4");
        EXPECT_EQ(dlg.rows, 0);
        EXPECT_EQ(dlg.rowGrid().getMaxRows(), 0);
        dlg.click(win::IDOK);
        EXPECT_EQ(dlg.columnCaptions.length(), 0);
    }));
    EXPECT_EQ(std::make_pair(sheet.grid.getMaxCols(), sheet.grid.getMaxRows()),
              std::make_pair(0, 0));
}

TEST_F(SheetOptionsTest, HeaderSizesFollowTheFieldsAndApplyOnOk) {
    EXPECT_TRUE(run([](CDlgSSOptions& dlg) {
        dlg.type(CDlgSSOptions::kHeaderHeightId, L"30");
        dlg.type(CDlgSSOptions::kHeaderWidthId, L"60");
        EXPECT_EQ(dlg.columnGrid().getRowHeightInPixels(1), 30);
        EXPECT_EQ(dlg.rowGrid().getColWidthInPixels(1), 60);
        dlg.click(win::IDOK);
    }));
    EXPECT_EQ(sheet.grid.getRowHeightInPixels(0), 30);
    EXPECT_EQ(sheet.grid.getColWidthInPixels(0), 60);
    EXPECT_EQ(columnCaption(1), L"A-col");
    EXPECT_EQ(sheet.grid.getData(0, 1), L"first");
}

TEST_F(SheetOptionsTest, CancelLeavesTheGridAsItWas) {
    EXPECT_FALSE(run([](CDlgSSOptions& dlg) {
        dlg.type(CDlgSSOptions::kColumnsId, L"2");
        dlg.type(CDlgSSOptions::kRowsId, L"9");
        dlg.type(CDlgSSOptions::kHeaderHeightId, L"50");
        dlg.type(CDlgSSOptions::kHeaderWidthId, L"80");
        dlg.columnGrid().setCellData(1, 1, L"renamed");
        dlg.click(win::IDCANCEL);
    }));
    EXPECT_EQ(std::make_pair(sheet.grid.getMaxCols(), sheet.grid.getMaxRows()),
              std::make_pair(5, 2));
    EXPECT_EQ(std::make_pair(sheet.grid.getRowHeightInPixels(0), sheet.grid.getColWidthInPixels(0)),
              std::make_pair(22, 44));
    EXPECT_EQ(columnCaption(1), L"A-col");
    EXPECT_FALSE(sheet.grid.getBool(30));
}

} // namespace
} // namespace formulas_test
