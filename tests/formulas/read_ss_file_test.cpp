// Reading sheet files as tables through the exported ReadSSFile.
#include "formulas_fixture.h"
#include "sheettools/read_ss_file.h"
#include "test_paths.h"

namespace formulas_test {
namespace {

class ReadSSFileTest : public FormulasTest {};

TEST_F(ReadSSFileTest, GivesTitleColumnTitlesAndEveryRow) {
    const std::wstring path = writeSheet("table.vks", 3, 2, [](spread::Sheet& s) {
        const wchar_t* cells[3][3] = {
            {L"Size", L"Grade", L"Mass"}, {L"IPE 200", L"S235", L"22.4"}, {L"HEA 300", L"S355"}};
        for (int row = 0; row < 3; ++row)
            for (int col = 1; col <= 3; ++col)
                if (cells[row][col - 1]) s.setData(col, row, cells[row][col - 1]);
        s.setFormula(3, 2, L"C1*4");
    });
    Zrl_String title = L"old";
    Zrl_StringArray names;
    names.append(L"left over");
    Zrl_Array<Zrl_StringArray> rows;
    rows.append(names);

    ReadSSFile(Zrl_String(path), title, names, rows);

    EXPECT_EQ(title, L"IPE 200");
    EXPECT_EQ(names, Zrl_StringArray({L"Size", L"Grade", L"Mass"}));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], Zrl_StringArray({L"IPE 200", L"S235", L"22.4"}));
    // A formula cell reads as its computed value.
    EXPECT_EQ(rows[1], Zrl_StringArray({L"HEA 300", L"S355", L"89.6"}));
    EXPECT_EQ(printedText(), L"Loading spreadsheet:" + path + L"\n");
    // The reading dialog closes on its own: nothing waits for the user.
    EXPECT_TRUE(win::script().shown().errors.empty());
}

TEST_F(ReadSSFileTest, FileThatDoesNotLoadGivesTheEmptyGrid) {
    const std::filesystem::path broken = dir / "broken.vks";
    {
        std::ofstream out(broken);
        out << "{ not a sheet";
    }
    for (const std::wstring& path : {(dir / "missing.vks").wstring(), broken.wstring()}) {
        Zrl_String title = L"old";
        Zrl_StringArray names;
        Zrl_Array<Zrl_StringArray> rows;
        ReadSSFile(Zrl_String(path), title, names, rows);
        EXPECT_TRUE(title.isEmpty()) << title.toUtf8();
        // The bench's empty grid holds nothing: no columns, no rows.
        EXPECT_EQ(names.length(), 0);
        EXPECT_EQ(rows.length(), 0);
    }
    EXPECT_TRUE(std::filesystem::exists(broken));
}

TEST_F(ReadSSFileTest, ReadsSheetFileAsSaved) {
    const std::wstring path = Zrl_String::fromUtf8(ZRLSS_TEST_DATA "/formulas_dlg/table.vks").str();
    Zrl_String title;
    Zrl_StringArray names;
    Zrl_Array<Zrl_StringArray> rows;
    ReadSSFile(Zrl_String(path), title, names, rows);
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[2], L"Mass, kg/m");
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0][2], L"22.4");
    EXPECT_EQ(rows[1][2], L"89.6");
}

// The table is the used range, with the columns that have a title: the rest
// of a declared size, however large, holds nothing and costs nothing.
TEST_F(ReadSSFileTest, TableIsTheUsedRangeOfAnyDeclaredSize) {
    const struct {
        int cols, rows;
        int lastCol, lastRow; // the last cell with a value
        int titledCol;        // a column with only a title (0: none)
        int wantCols, wantRows;
    } cases[] = {
        {16384, 1048576, 2, 3, 0, 2, 3},
        {16384, 1048576, 2, 3, 40, 40, 3},
        {8, 10, 8, 10, 0, 8, 10},
        {8, 10, 1, 2, 5, 5, 2},
    };
    for (const auto& c : cases) {
        const std::wstring path = writeSheet("big.vks", c.cols, c.rows, [&](spread::Sheet& s) {
            s.setData(1, 1, L"first");
            s.setData(c.lastCol, c.lastRow, L"last");
            if (c.titledCol) s.setData(c.titledCol, 0, L"title");
        });
        Zrl_String title;
        Zrl_StringArray names;
        Zrl_Array<Zrl_StringArray> rows;
        ReadSSFile(Zrl_String(path), title, names, rows);
        EXPECT_EQ(title, L"first");
        EXPECT_EQ(names.length(), c.wantCols) << c.cols << "x" << c.rows;
        ASSERT_EQ(rows.length(), c.wantRows) << c.cols << "x" << c.rows;
        EXPECT_EQ(rows[c.wantRows - 1].length(), c.wantCols);
        EXPECT_EQ(rows[c.lastRow - 1][c.lastCol - 1], L"last");
        if (c.titledCol) {
            EXPECT_EQ(names[c.titledCol - 1], L"title");
        }
    }
}

} // namespace
} // namespace formulas_test
