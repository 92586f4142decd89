// Reading sheet files as tables through the exported ReadSSFile.
#include "formulas_fixture.h"
#include "sheettools/read_ss_file.h"

namespace formulas_test {
namespace {

class ReadSSFileTest : public FormulasTest {};

TEST_F(ReadSSFileTest, GivesTitleColumnTitlesAndEveryRow) {
    const std::wstring path = writeSheet("table.vks", 3, 2, [](spread::Sheet& s) {
        s.setData(1, 0, L"Size");
        s.setData(2, 0, L"Grade");
        s.setData(3, 0, L"Mass");
        s.setData(1, 1, L"IPE 200");
        s.setData(2, 1, L"S235");
        s.setData(3, 1, L"22.4");
        s.setData(1, 2, L"HEA 300");
        s.setData(2, 2, L"S355");
        s.setFormula(3, 2, L"C1*4");
    });
    Zrl_String title = L"old";
    Zrl_StringArray names;
    names.append(L"left over");
    Zrl_Array<Zrl_StringArray> rows;
    rows.append(names);

    ReadSSFile(Zrl_String(path), title, names, rows);

    EXPECT_EQ(title, L"IPE 200");
    ASSERT_EQ(names.length(), 3);
    EXPECT_EQ(names[0], L"Size");
    EXPECT_EQ(names[2], L"Mass");
    ASSERT_EQ(rows.length(), 2);
    ASSERT_EQ(rows[0].length(), 3);
    ASSERT_EQ(rows[1].length(), 3);
    EXPECT_EQ(rows[0][1], L"S235");
    EXPECT_EQ(rows[1][0], L"HEA 300");
    // A formula cell reads as its computed value.
    EXPECT_EQ(rows[1][2], L"89.6");
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
        // The bench's empty grid: 8 columns and 10 rows, nothing in them.
        ASSERT_EQ(names.length(), 8);
        ASSERT_EQ(rows.length(), 10);
        for (int r = 0; r < rows.length(); ++r) {
            ASSERT_EQ(rows[r].length(), 8);
            for (int c = 0; c < 8; ++c)
                EXPECT_TRUE(rows[r][c].isEmpty());
        }
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

} // namespace
} // namespace formulas_test
