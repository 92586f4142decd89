// A bill saved as .xlsx, read back by unpacking the workbook with unzip.
#include "bills_fixture.h"
#include "platform/core/images.h"
#include "platform/host/transactions.h"
#include "platform/spread/sheet.h"
#include "sheettools/bill_output.h"

#include <cstdio>

namespace {

using billstest::BillsTest;

// One part of the workbook as text ("" when unzip fails).
std::string part(const billstest::fs::path& book, const std::string& name) {
    const std::string cmd = "unzip -p '" + book.string() + "' '" + name + "' 2>/dev/null";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n = 0;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

TEST_F(BillsTest, XlsxBillKeepsCellsFormatsMergesAndPrintSettings) {
    win::ResourceModuleGuard guard(billstest::moduleHandle());
    writeBytes(root / "install" / "Print.vkd",
               billstest::vkd({"marginLeft", "2", "254", "cellSeperators", "2", "0"}));
    const billstest::fs::path book = root / "out" / "Job\u00BFFrame 12.xlsx";
    Zrl_Bill source;
    source.imageFolder = text(root / "out");
    AcTransaction transaction(1);
    {
        VkSSBillOutput bill;
        bill.setVars(0, 1, 0, true, true, &source, &transaction);
        ASSERT_EQ(bill.init(text(book), {L"Pos", L"Name", L"Length"}, AcArray<int>(), {1, 3, 2},
                            L"Print", Zrl_StringArray(), Zrl_StringArray()),
                  Acad::eOk);
        bill.onStartFeed();
        bill.onAddRow({L"7", L"Plate & bar", L"250.25"});
        bill.onAddSubTotals({L"", L"Sum", L"250.25"}, Zrl_StringArray(), false, 0);
        bill.onAddRow({L"8", L"Bar", L"90"});
        ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    }
    ASSERT_TRUE(billstest::fs::exists(book));
    const std::string sheet = part(book, "xl/worksheets/sheet1.xml");
    const std::string styles = part(book, "xl/styles.xml");
    const std::string workbook = part(book, "xl/workbook.xml");
    ASSERT_FALSE(sheet.empty());
    EXPECT_NE(sheet.find("<v>7</v>"), std::string::npos);
    EXPECT_NE(sheet.find("<v>250.25</v>"), std::string::npos);
    EXPECT_NE(sheet.find("<mergeCell ref=\"B3:C3\"/>"), std::string::npos) << sheet;
    // Rows are streamed: a later picture row is merged too, the rows between keep their cells.
    EXPECT_NE(sheet.find("<mergeCell ref=\"B6:C6\"/>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<v>8</v>"), std::string::npos);
    // Texts are shared strings, which the project's own reader reads back
    // (it drops inline ones).
    EXPECT_NE(part(book, "xl/sharedStrings.xml").find("<t>Sum</t>"), std::string::npos);
    spread::Sheet back;
    ASSERT_TRUE(back.load(book));
    EXPECT_EQ(back.valueText(2, 4), L"Sum");
    EXPECT_EQ(back.valueText(2, 2), L"Plate & bar");
    EXPECT_NE(sheet.find("showGridLines=\"0\""), std::string::npos);
    EXPECT_NE(sheet.find("<pageMargins left=\"10\""), std::string::npos) << sheet; // 254 mm
    EXPECT_NE(sheet.find("&amp;LFrame 12"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("headings=\"1\""), std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"0.0\""), std::string::npos);
    EXPECT_NE(styles.find("<b/>"), std::string::npos);
    EXPECT_NE(styles.find("FFA4D1FF"), std::string::npos) << styles;
    EXPECT_NE(workbook.find("definedName name=\"Title\""), std::string::npos) << workbook;
    EXPECT_NE(part(book, "xl/drawings/drawing1.xml").find("<xdr:pic>"), std::string::npos);
}

} // namespace
