// Bills fed row by row: column kinds, row growth, subtotals, picture rows,
// the named values and the saved file; sharing the hidden window.
#include "bills_fixture.h"
#include "grid/zrl_spread.h"
#include "platform/core/images.h"
#include "platform/host/transactions.h"
#include "sheettools/bill_output.h"
#include "sheettools/ss_settings.h"

namespace {

using billstest::BillsTest;

class BillOutputTest : public BillsTest {
protected:
    void SetUp() override {
        BillsTest::SetUp();
        guard.emplace(billstest::moduleHandle());
    }
    void TearDown() override {
        guard.reset();
        BillsTest::TearDown();
    }

    Zrl_String billPath(const std::string& name) { return text(root / "out" / name); }

    void start(VkSSBillOutput& bill, const Zrl_String& path, AcArray<int> kinds = {1, 3, 1}) {
        ASSERT_EQ(bill.init(path, {L"Pos", L"Name", L"Qty", L"Length"}, AcArray<int>(), kinds, L"",
                            {L"Job"}, {L"J-17"}),
                  Acad::eOk);
        ASSERT_EQ(bill.onStartFeed(), Acad::eOk);
    }

    std::optional<win::ResourceModuleGuard> guard;
};

TEST_F(BillOutputTest, KindsSetTypesOnlyWhereGiven) {
    VkSSBillOutput bill;
    start(bill, billPath("kinds.vks"));
    Zrl_Spread& grid = *bill.sheet();
    grid.setMaxRows(3);
    grid.sheet().setColor(4, 1, 0x123456, spread::kDefaultColor);
    grid.sheet().setColor(1, 1, 0x123456, spread::kDefaultColor);
    bill.onAddRow({L"1", L"Plate", L"4", L"250.5"});
    EXPECT_EQ(grid.getCellType(1, 1), 14);
    EXPECT_EQ(grid.sheet().cellType(1, 1).decimals, 0);
    EXPECT_EQ(grid.getCellType(2, 1), 1);
    EXPECT_EQ(grid.sheet().cellType(2, 1).maxLength, 200);
    EXPECT_EQ(billstest::background(grid.sheet(), 1, 1), spread::kDefaultColor);
    EXPECT_EQ(billstest::background(grid.sheet(), 4, 1), 0x123456u); // no kind: left as it was
    EXPECT_EQ(grid.getValue(4, 1), L"250.5");

    VkSSBillOutput tenths;
    start(tenths, billPath("tenths.vks"), {2});
    tenths.onAddRow({L"2.25"});
    EXPECT_EQ(tenths.sheet()->sheet().cellType(1, 1).decimals, 1);
}

TEST_F(BillOutputTest, RowsWidenTheSheetAndShortRowsLeaveCellsEmpty) {
    VkSSBillOutput bill;
    start(bill, billPath("widths.vks"));
    Zrl_Spread& grid = *bill.sheet();
    EXPECT_EQ(grid.getMaxCols(), 4);
    bill.onAddRow({L"1", L"a", L"2", L"3", L"x", L"y"});
    EXPECT_EQ(grid.getMaxCols(), 6);
    EXPECT_EQ(grid.getValue(6, 1), L"y");
    bill.onAddRow({L"2"});
    EXPECT_EQ(grid.getValue(1, 2), L"2");
    EXPECT_EQ(grid.getValue(2, 2), L"");
    EXPECT_EQ(bill.currentRow(), 2);
}

TEST_F(BillOutputTest, SubtotalsHighlightOnlyFilledCells) {
    VkSSBillOutput bill;
    start(bill, billPath("sub.vks"));
    bill.onAddRow({L"1", L"Plate", L"4", L"250"});
    bill.onAddSubTotals({L"", L"Sum", L"", L"1000"}, Zrl_StringArray(), false, 0);
    const spread::Sheet& s = bill.sheet()->sheet();
    EXPECT_EQ(billstest::background(s, 2, 2), 0xFFD1A4u);
    EXPECT_EQ(s.border(2, 2).sides, 31);
    EXPECT_EQ(s.border(4, 2).sides, 31);
    EXPECT_EQ(billstest::background(s, 1, 2), spread::kDefaultColor);
    EXPECT_EQ(s.border(3, 2).sides, 0);

    // The next ordinary row in the same columns is plain again.
    bill.onAddRow({L"2", L"Bar", L"1", L"90"});
    EXPECT_EQ(billstest::background(s, 2, 3), spread::kDefaultColor);
    EXPECT_EQ(s.border(2, 3).sides, 0);
}

TEST_F(BillOutputTest, SavedBillKeepsItsRowsAndNamedValues) {
    VkSSBillOutput bill;
    const Zrl_String path = billPath("Abc\u00BFFrame 12.vks");
    start(bill, path);
    for (int i = 1; i <= 3; ++i)
        bill.onAddRow({Zrl_String(i), L"Plate", L"1", L"100"});
    EXPECT_EQ(bill.sheet()->getMaxRows(), 11);
    for (int i = 4; i <= 12; ++i)
        bill.onAddRow({Zrl_String(i), L"Bar", L"1", L"100"});
    EXPECT_EQ(bill.sheet()->getMaxRows(), 112);
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);

    spread::Sheet saved;
    ASSERT_TRUE(saved.load(billstest::fs::path(path.toUtf8())));
    EXPECT_EQ(saved.maxRows(), 12);
    EXPECT_EQ(saved.data(2, 0), L"Name");
    EXPECT_EQ(saved.cellTypeCode(1, 0), 5);

    const VkSSSettings settings = billstest::settingsOf(saved);
    EXPECT_EQ(settings.varNames, Zrl_StringArray({L"Date", L"Title", L"BillFilename", L"Job"}));
    ASSERT_EQ(settings.varValues.length(), 4);
    EXPECT_EQ(settings.varValues[1].str(), L"Frame 12");
    EXPECT_EQ(settings.varValues[2], path);
    EXPECT_EQ(settings.varValues[3].str(), L"J-17");

    // Three rows in a fresh sheet are saved as three rows.
    VkSSBillOutput plain;
    start(plain, billPath("Plain list.vks"));
    for (int i = 1; i <= 3; ++i)
        plain.onAddRow({Zrl_String(i), L"Plate", L"1", L"100"});
    plain.onEndFeed();
    EXPECT_EQ(plain.values()[1].str(), L"Plain list");
    spread::Sheet three;
    ASSERT_TRUE(three.load(root / "out" / "Plain list.vks"));
    EXPECT_EQ(three.maxRows(), 3);
}

TEST_F(BillOutputTest, PictureRowsFollowRowsWithAnImage) {
    Zrl_Bill source;
    source.imageFolder = text(root / "images");
    billstest::fs::create_directories(root / "images");
    AcTransaction transaction(1);
    VkSSBillOutput bill;
    bill.setVars(0, 3, 0, true, true, &source, &transaction);
    start(bill, billPath("pictures.vks"));
    EXPECT_TRUE(bmpDialogOpen());
    EXPECT_EQ(bmpDialogCount(), 23);

    bill.onAddRow({L"P1", L"Plate", L"1", L"100"});
    bill.onAddRow({L"-", L"no picture", L"1", L"1"});
    bill.onAddRow({L"P2", L"Angle", L"2", L"50"});
    EXPECT_EQ(bill.currentRow(), 5);
    EXPECT_EQ(source.imagesMade, 2);
    const Zrl_Spread& grid = *bill.sheet();
    EXPECT_EQ(grid.getCellType(2, 2), 9);
    EXPECT_EQ(grid.sheet().rowHeightPixels(2), source.imageHeight);
    spread::CellRange span;
    ASSERT_TRUE(grid.sheet().span(4, 2, span));
    EXPECT_EQ(span.col1, 2);
    EXPECT_EQ(span.col2, 4);
    EXPECT_EQ(grid.sheet().border(1, 2).sides, 18);
    EXPECT_EQ(grid.getValue(1, 3), L"-");
    EXPECT_EQ(grid.getCellType(2, 5), 9);

    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_FALSE(bmpDialogOpen());
    // The rendered pictures are removed once the bill is saved.
    EXPECT_TRUE(billstest::fs::is_empty(root / "images"));
}

// Rows added by the growth are typed a column at a time and measured once;
// they must end up as rows formatted one by one would.
TEST_F(BillOutputTest, GrownRowsLookLikeRowsFormattedOneByOne) {
    Zrl_Bill source;
    source.imageFolder = text(root / "out");
    source.noImageMark = L"";
    AcTransaction transaction(1);
    VkSSBillOutput bill;
    start(bill, billPath("grown.vks"), {1, 3, 2, 0, 1});
    for (int i = 1; i <= 150; ++i) {
        Zrl_StringArray row{Zrl_String(i), L"Plate " + Zrl_String(i * 7), L"2.5", L"x"};
        if (i == 130) row.append(L"123456789"); // widens the sheet to a fifth column
        if (i == 120) bill.setVars(0, 1, 0, true, true, &source, &transaction);
        if (i == 121) bill.setVars(0, 1, 0, true, true, nullptr, nullptr);
        bill.onAddRow(row);
    }
    Zrl_Spread& grid = *bill.sheet();
    const spread::Sheet& s = grid.sheet();
    EXPECT_EQ(s.cellType(3, 140).decimals, 1);
    EXPECT_EQ(grid.getCellType(4, 140), 0);
    EXPECT_EQ(s.cellType(5, 140).decimals, 0); // the widened column has its kind
    EXPECT_EQ(grid.getCellType(5, 110), 0);    // rows written before it do not
    EXPECT_EQ(grid.getCellType(3, 121), 0);    // the picture row carries no kinds
    EXPECT_EQ(grid.getCellType(2, 121), 9);
    EXPECT_EQ(s.rowHeightPixels(140), s.rowHeightPixels(5));

    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(grid.getMaxRows(), 151);
    for (int c = 1; c <= 5; ++c) {
        const int fitted = s.colWidthPixels(c);
        grid.autoSizeColumn(c, true);
        EXPECT_EQ(fitted, s.colWidthPixels(c)) << "column " << c;
    }
}

TEST_F(BillOutputTest, CopiesShareTheWindowAndTheLastOneDestroysIt) {
    win::WindowHandle handle = 0;
    {
        auto first = std::make_unique<VkSSBillOutput>();
        start(*first, billPath("shared.vks"));
        handle = first->sheet()->handle();
        VkSSBillOutput copy(*first);
        VkSSBillOutput assigned;
        assigned = copy;
        first.reset();
        ASSERT_NE(win::Window::fromHandle(handle), nullptr);
        copy.onAddRow({L"1", L"Plate"});
        EXPECT_EQ(assigned.sheet()->getValue(2, 1), L"Plate");
        copy = VkSSBillOutput(); // gives up its share
        EXPECT_EQ(copy.sheet(), nullptr);
        ASSERT_NE(win::Window::fromHandle(handle), nullptr);
    }
    EXPECT_EQ(win::Window::fromHandle(handle), nullptr);
}

TEST_F(BillOutputTest, WithoutSheetNothingHappensAndAFailedSaveIsReported) {
    VkSSBillOutput bill;
    EXPECT_EQ(bill.onAddRow({L"1"}), Acad::eOk);
    EXPECT_EQ(bill.onAddSubTotals({L"1"}, Zrl_StringArray(), false, 0), Acad::eOk);
    EXPECT_EQ(bill.currentRow(), 0);
    EXPECT_EQ(bill.onEndFeed(), Acad::eInvalidInput);

    // A bill whose file cannot be written says so.
    VkSSBillOutput lost;
    start(lost, text(root / "no such folder" / "lost.vks"));
    lost.onAddRow({L"1"});
    EXPECT_EQ(lost.onEndFeed(), VkSSBillOutput::kNotSavedStatus);
}

} // namespace
