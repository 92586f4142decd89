// The section library editor played by the scripted user on a library of
// the test's own: opening on a section, the save question, shapes, new,
// rename, delete, Cancel, failed writes.
#include "frame/dlg_prompt_string.h"
#include "platform/core/files.h"
#include "platform/core/section_table_file.h"
#include "platform/win/combo_box.h"
#include "platform/win/script.h"
#include "sections/dlg_edit_lib_sections.h"
#include "sections_fixture.h"

#include <functional>
#include <vector>

using namespace sectest;

namespace {

using Play = std::function<void(win::Dialog&)>;

class LibraryEditor : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Zrl_ProfValuesTable hea = heaTable();
        hea.rows[2][1] = L"1";
        ASSERT_TRUE(hea.writeToFile(L"HEA"));
        Zrl_ProfValuesTable ipe = heaTable();
        ipe.tableName = L"IPE";
        ASSERT_TRUE(ipe.writeToFile(L"IPE"));
    }
    // Plays the editor with `play`; later plays take the dialogs it opens.
    bool run(const Zrl_String& open, std::function<void(CDlgEditLibSections&)> play,
             std::vector<Play> more = {}) {
        win::script().onNextModal(
            [play](win::Dialog& d) { play(static_cast<CDlgEditLibSections&>(d)); });
        for (Play& p : more)
            win::script().onNextModal(p);
        return StartDlgEditLibSections(data, open);
    }
    static void answer(int button) { win::script().queueMessageBoxAnswer(button); }
    static Zrl_ProfValuesTable read(const wchar_t* name) {
        Zrl_ProfValuesTable t;
        t.readFromFile(name);
        return t;
    }
    static void edit(CDlgEditLibSections& dlg, int col, int row, const wchar_t* text) {
        EXPECT_TRUE(dlg.valuesPage().grid().editCell(col, row, text));
    }
    static Zrl_String cell(CDlgEditLibSections& dlg, int col, int row) {
        Zrl_String t;
        dlg.valuesPage().grid().getCellText(col, row, t);
        return t;
    }

    DlgEditLibData data;
};

} // namespace

TEST_F(LibraryEditor, OpensOnASectionOfATable) {
    EXPECT_TRUE(run(L"hea-140", [](CDlgEditLibSections& dlg) {
        EXPECT_EQ(dlg.currentPage(), 2);
        EXPECT_EQ(dlg.valuesPage().currentTable(), L"HEA");
        EXPECT_EQ(dlg.valuesPage().grid().activeRow(), 3);
        EXPECT_EQ(dlg.valuesPage().getItemText(IDC_VALUES_SHAPE), L"I section");
        dlg.click(win::IDOK);
    }));
    EXPECT_EQ(data.availableFiles, list({L"HEA", L"IPE"}));
}

TEST_F(LibraryEditor, TheSaveQuestion) {
    struct Case {
        const char* what;
        int answer;
        const wchar_t* shown; // the table shown afterwards
        const wchar_t* saved; // HEA's first value after the run
    };
    const Case cases[] = {
        {"yes saves", win::IDYES, L"IPE", L"99"},
        {"no drops", win::IDNO, L"IPE", L"96"},
        {"cancel stays", win::IDCANCEL, L"HEA", L"96"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        heaTable().writeToFile(L"HEA");
        run(L"HEA", [&](CDlgEditLibSections& dlg) {
            edit(dlg, 7, 1, L"99");
            answer(c.answer);
            dlg.valuesPage().choose(IDC_VALUES_TABLES, L"IPE");
            EXPECT_EQ(dlg.valuesPage().currentTable(), c.shown);
            EXPECT_EQ(dlg.valuesPage().getItemText(IDC_VALUES_TABLES), c.shown);
            // The changed table that stayed asks again: no.
            if (c.answer == win::IDCANCEL) answer(win::IDNO);
            dlg.click(win::IDCANCEL);
        });
        EXPECT_EQ(read(L"HEA").rows[0][6], c.saved);
        EXPECT_EQ(win::script().pendingMessageBoxAnswers(), 0);
    }
}

TEST_F(LibraryEditor, CancelAndEscapeAskFirst) {
    EXPECT_FALSE(run(L"HEA", [](CDlgEditLibSections& dlg) {
        edit(dlg, 7, 1, L"99");
        answer(win::IDCANCEL);
        dlg.pressKey(win::VK_ESCAPE);
        EXPECT_TRUE(dlg.isRunning());
        answer(win::IDYES);
        dlg.click(win::IDCANCEL);
    }));
    EXPECT_EQ(read(L"HEA").rows[0][6], L"99");
}

TEST_F(LibraryEditor, ShapesWidenAndNarrowTheSheet) {
    run(L"HEA", [](CDlgEditLibSections& dlg) {
        Zrl_Spread& grid = dlg.valuesPage().grid();
        // Rectangular tube: four dimensions, two more columns.
        dlg.valuesPage().choose(IDC_VALUES_SHAPE, L"Rectangular tube");
        EXPECT_EQ(grid.getMaxCols(), 10);
        EXPECT_EQ(cell(dlg, 9, Zrl_Spread::kHeader), L"Thickness");
        // Round bar: one dimension; No keeps the columns and their captions.
        answer(win::IDNO);
        dlg.valuesPage().choose(IDC_VALUES_SHAPE, L"Round bar");
        EXPECT_EQ(grid.getMaxCols(), 10);
        EXPECT_EQ(cell(dlg, 7, Zrl_Spread::kHeader), L"Diameter");
        EXPECT_EQ(cell(dlg, 9, Zrl_Spread::kHeader), L"Thickness");
        answer(win::IDYES);
        dlg.valuesPage().choose(IDC_VALUES_SHAPE, L"Round tube");
        EXPECT_EQ(grid.getMaxCols(), 8);
        answer(win::IDYES);
        dlg.click(win::IDOK);
    });
    const Zrl_ProfValuesTable t = read(L"HEA");
    EXPECT_EQ(t.picture, L"11");
    EXPECT_EQ(t.headers[6], L"Diameter");
    EXPECT_EQ(t.rows[0].length(), 8);
}

TEST_F(LibraryEditor, NewRenameAndDelete) {
    const Play renameTo = [](win::Dialog& d) {
        d.type(IDC_PROMPT_VALUE, L"hea");
        d.click(win::IDOK);
    };
    // The prompt answered with `name`; a refused name's box answered OK.
    auto prompt = [](const wchar_t* name, bool refused) -> Play {
        return [name, refused](win::Dialog& d) {
            if (refused) answer(win::IDOK);
            d.type(IDC_PROMPT_VALUE, name);
            d.click(win::IDOK);
        };
    };
    EXPECT_TRUE(run(
        L"HEA",
        [](CDlgEditLibSections& dlg) {
            CTabEditLibValues& page = dlg.valuesPage();
            page.click(IDC_VALUES_RENAME); // case only
            EXPECT_EQ(page.currentTable(), L"hea");
            page.click(IDC_VALUES_RENAME); // two refusals, then "Wide"
            EXPECT_EQ(page.currentTable(), L"Wide");
            EXPECT_EQ(cell(dlg, Zrl_Spread::kHeader, 2), L"Wide");
            page.click(IDC_VALUES_NEW);
            EXPECT_EQ(page.currentTable(), L"New table");
            EXPECT_EQ(page.grid().getMaxCols(), 9);
            EXPECT_EQ(cell(dlg, 7, Zrl_Spread::kHeader), L"Korean");
            answer(win::IDYES); // save the new table before deleting IPE
            page.choose(IDC_VALUES_TABLES, L"IPE");
            for (int i = 0; i < 3; ++i) {
                answer(win::IDYES);
                page.click(IDC_VALUES_DELETE);
            }
            EXPECT_EQ(page.currentTable(), L"");
            EXPECT_EQ(page.grid().getMaxRows(), 0);
            dlg.click(win::IDOK);
        },
        {renameTo, prompt(L"a/b", true), prompt(L"IPE", true), prompt(L"Wide", false)}));
    EXPECT_TRUE(data.availableFiles.isEmpty());
    EXPECT_FALSE(fileExists(sectionTablePath(L"Wide")));
    EXPECT_FALSE(fileExists(sectionTablePath(L"HEA")));
    EXPECT_EQ(win::script().pendingMessageBoxAnswers(), 0);
}

TEST_F(LibraryEditor, AFailedWriteSaysSoAndKeepsTheOldTable) {
    // A folder where the new file would go: the write fails.
    std::filesystem::create_directories(prof("Wide.pr"));
    const Play renameTo = [](win::Dialog& d) {
        d.type(IDC_PROMPT_VALUE, L"Wide");
        d.click(win::IDOK);
    };
    EXPECT_FALSE(run(
        L"HEA",
        [](CDlgEditLibSections& dlg) {
            answer(win::IDOK);
            dlg.valuesPage().click(IDC_VALUES_RENAME);
            EXPECT_EQ(dlg.valuesPage().currentTable(), L"HEA");
            dlg.click(win::IDCANCEL);
        },
        {renameTo}));
    EXPECT_TRUE(fileExists(sectionTablePath(L"HEA")));
    const auto& boxes = win::script().shown().messageBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(L"could not be written"), std::wstring::npos);
    EXPECT_NE(boxes[0].text.find(L"Wide.pr"), std::wstring::npos);
}

TEST_F(LibraryEditor, SheetOptionsKeepTheTablesCaptions) {
    const Play moreRows = [](win::Dialog& d) {
        d.type(1019, L"4"); // rows
        d.type(1017, L"9"); // columns
        d.click(win::IDOK);
    };
    run(
        L"HEA",
        [](CDlgEditLibSections& dlg) {
            dlg.valuesPage().click(IDC_VALUES_OPTIONS);
            Zrl_Spread& grid = dlg.valuesPage().grid();
            EXPECT_EQ(grid.getMaxRows(), 4);
            EXPECT_EQ(cell(dlg, Zrl_Spread::kHeader, 4), L"HEA");
            EXPECT_EQ(cell(dlg, 7, Zrl_Spread::kHeader), L"Height h");
            answer(win::IDNO);
            dlg.click(win::IDCANCEL);
        },
        {moreRows});
    EXPECT_EQ(read(L"HEA").rows.length(), 3);
    EXPECT_EQ(win::script().pendingMessageBoxAnswers(), 0);
}
