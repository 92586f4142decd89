// Adding a section size: naming learnt from the table, sorted and square
// places, refusals that leave the table alone, and the simple editor played
// by the scripted user.
#include "platform/win/script.h"
#include "sections/dlg_edit_lib_simple.h"
#include "sections/simple_section.h"
#include "sections_fixture.h"

#include <functional>

using namespace sectest;

namespace {

// A rectangular tube table (shape 10): h, b, t, r.
Zrl_ProfValuesTable tubes(std::initializer_list<std::initializer_list<const wchar_t*>> rows) {
    Zrl_ProfValuesTable t;
    t.tableName = L"RHS";
    t.picture = L"10";
    t.headers = list({L"SysName", L"I/O", L"English", L"Dutch", L"German", L"French", L"Height h",
                      L"Width b", L"Thickness", L"Radius"});
    for (const auto& r : rows) {
        Zrl_StringArray row = list(r);
        const Zrl_String user = L"RHS " + row[0];
        Zrl_StringArray full = list({row[0].c_str(), L"1"});
        for (int l = 0; l < 4; ++l)
            full.append(user);
        for (int i = 1; i < row.length(); ++i)
            full.append(row[i]);
        t.rows.append(full);
    }
    return t;
}

Zrl_StringArray sysNames(const Zrl_ProfValuesTable& t) {
    Zrl_StringArray names;
    t.getColumn(names, 0);
    return names;
}

} // namespace

TEST(SimpleSection, NamingLearntFromTheRows) {
    Zrl_ProfValuesTable t = tubes({{L"200x100x5", L"200", L"100", L"5", L"10"}});
    SectionNaming n = learnSectionNaming(t, 0);
    ASSERT_TRUE(n.explained);
    EXPECT_EQ(n.nameValues, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(n.prefixes, list({L"RHS ", L"RHS ", L"RHS ", L"RHS "}));
    EXPECT_EQ(composeSectionName(n, list({L"200", L"150.0", L"5.50", L"10"})), L"200x150x5.5");

    // Equal values: each part takes a column not yet taken.
    t = tubes({{L"100x100x4", L"100", L"100", L"4", L"8"}});
    EXPECT_EQ(learnSectionNaming(t, 0).nameValues, (std::vector<int>{0, 1, 2}));

    // A first row that does not explain its name: the next one teaches.
    t = tubes({{L"special", L"1", L"2", L"3", L"4"}, {L"80x40x3", L"80", L"40", L"3", L"6"}});
    t.rows[1][2] = L"Tube 80x40x3";
    n = learnSectionNaming(t, 0);
    ASSERT_TRUE(n.explained);
    EXPECT_EQ(n.prefixes[0], L"Tube ");

    t = tubes({{L"special", L"1", L"2", L"3", L"4"}, {L"80x41", L"80", L"40", L"3", L"6"}});
    EXPECT_FALSE(learnSectionNaming(t, 0).explained);
    EXPECT_FALSE(learnSectionNaming(t, -1).explained);
}

TEST(SimpleSection, SortedAndSquarePlaces) {
    const Zrl_ProfValuesTable t = tubes({{L"80x40x3"},
                                         {L"100x50x4"},
                                         {L"50x50x3"},
                                         {L"100x100x4"},
                                         {L"100x100x6"},
                                         {L"120x60x5"}});
    struct Case {
        const wchar_t* name;
        int index;
    };
    const Case cases[] = {
        {L"100x100x5", 4}, // after the nearest smaller square 100x100x4
        {L"200x200x8", 5}, // after the largest square
        {L"40x40x3", 2},   // no smaller square: before the first
    };
    for (const Case& c : cases)
        EXPECT_EQ(sortedSectionIndex(t, c.name), c.index) << Zrl_String(c.name).toUtf8();
    const Zrl_ProfValuesTable plain = tubes({{L"60x40x3"}, {L"80x40x3"}, {L"100x50x4"}});
    EXPECT_EQ(sortedSectionIndex(plain, L"90x50x4"), 2);
    EXPECT_EQ(sortedSectionIndex(plain, L"50x50x3"), 0); // a square without squares
    EXPECT_EQ(sortedSectionIndex(plain, L"200x100x8"), 3);
}

TEST(SimpleSection, RefusalsLeaveTheTableAlone) {
    struct Case {
        const char* what;
        const wchar_t* name;
        std::initializer_list<const wchar_t*> values;
        SimpleSectionRefusal refusal;
    };
    const Case cases[] = {
        {"radius under the thickness", L"90x50x5", {L"90", L"50", L"5", L"4"},
         SimpleSectionRefusal::TubeRadius},
        {"radius equal to the thickness", L"90x50x5", {L"90", L"50", L"5", L"5"},
         SimpleSectionRefusal::TubeRadius},
        {"name in use", L"100X50x4", {L"100", L"50", L"4", L"8"}, SimpleSectionRefusal::NameInUse},
        {"empty name", L" ", {L"1", L"2", L"3", L"4"}, SimpleSectionRefusal::EmptyName},
        {"radius 0", L"90x50x5", {L"90", L"50", L"5", L"0"}, SimpleSectionRefusal::None},
        {"radius above", L"90x50x5", {L"90", L"50", L"5", L"10"}, SimpleSectionRefusal::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Zrl_ProfValuesTable t = tubes({{L"80x40x3", L"80", L"40", L"3", L"6"},
                                       {L"100x50x4", L"100", L"50", L"4", L"8"}});
        const Zrl_ProfValuesTable before = t;
        int index = -1;
        EXPECT_EQ(addSimpleSection(t, 0, list(c.values), c.name, learnSectionNaming(t, 0).prefixes,
                                   index),
                  c.refusal);
        if (c.refusal != SimpleSectionRefusal::None) {
            EXPECT_EQ(t.rows, before.rows);
            continue;
        }
        ASSERT_EQ(index, 1);
        EXPECT_EQ(t.rows[1], list({L"90x50x5", L"1", L"RHS 90x50x5", L"RHS 90x50x5", L"RHS 90x50x5",
                                   L"RHS 90x50x5", L"90", L"50", L"5", c.values.begin()[3]}));
    }
}

class SimpleEditor : public DialogTest {
protected:
    bool run(Zrl_ProfValuesTable& t, const Zrl_String& start, int& index,
             std::function<void(CDlgEditLibSimple&)> play) {
        win::script().onNextModal(
            [play](win::Dialog& d) { play(static_cast<CDlgEditLibSimple&>(d)); });
        return StartDlgEditLibSimple(start, t, index);
    }
};

TEST_F(SimpleEditor, TheAutomaticNameFollowsTheValues) {
    Zrl_ProfValuesTable t = tubes({{L"100x50x4", L"100", L"50", L"4", L"8"},
                                   {L"200x100x6", L"200", L"100", L"6", L"12"},
                                   {L"300x200x10", L"300", L"200", L"10", L"25"}});
    t.rows[1][1] = L"0"; // an inactive row before the new one
    int index = -7;
    ASSERT_TRUE(run(t, L"200x100x6", index, [](CDlgEditLibSimple& dlg) {
        EXPECT_EQ(dlg.getItemText(IDC_SIMPLE_NAME), L"RHS 200x100x6");
        EXPECT_EQ(dlg.getItemText(IDC_SIMPLE_LABEL + 1), L"B. Width b:");
        EXPECT_FALSE(dlg.item(IDC_SIMPLE_VALUE + 4)->isVisible());
        dlg.type(IDC_SIMPLE_VALUE + 1, L"150.0");
        EXPECT_EQ(dlg.getItemText(IDC_SIMPLE_NAME), L"RHS 200x150x6");
        dlg.click(win::IDOK);
    }));
    ASSERT_EQ(t.rows.length(), 4);
    EXPECT_EQ(t.rows[2][0], L"200x150x6");
    EXPECT_EQ(t.rows[2][1], L"1");
    EXPECT_EQ(t.rows[2][7], L"150.0");
    EXPECT_EQ(index, 1); // third row, second among the active ones
}

TEST_F(SimpleEditor, OwnNamesAndRefusalsKeepTheDialogOpen) {
    Zrl_ProfValuesTable t = tubes({{L"special", L"1", L"2", L"3", L"4"}});
    const Zrl_ProfValuesTable before = t;
    int index = -7;
    // No row explains its name: only an own name; OK without a change
    // repeats the starting name and is refused; Cancel keeps the table.
    EXPECT_FALSE(run(t, L"missing", index, [](CDlgEditLibSimple& dlg) {
        EXPECT_FALSE(dlg.item(IDC_SIMPLE_AUTO)->isEnabled());
        EXPECT_EQ(dlg.getItemText(IDC_SIMPLE_NAME), L"special");
        win::script().queueMessageBoxAnswer(win::IDOK);
        dlg.click(win::IDOK);
        EXPECT_TRUE(dlg.isRunning());
        dlg.click(win::IDCANCEL);
    }));
    EXPECT_EQ(t.rows, before.rows);
    EXPECT_EQ(index, -7);

    ASSERT_TRUE(run(t, L"special", index, [](CDlgEditLibSimple& dlg) {
        dlg.type(IDC_SIMPLE_NAME, L"mine");
        dlg.click(win::IDOK);
    }));
    EXPECT_EQ(sysNames(t), list({L"mine", L"special"}));
    EXPECT_EQ(t.rows[0][2], L"mine");
    EXPECT_EQ(index, 0);
}

TEST_F(SimpleEditor, AnEmptyTableStartsFromAnEmptyRow) {
    Zrl_ProfValuesTable t = tubes({});
    int index = -1;
    ASSERT_TRUE(run(t, L"x", index, [](CDlgEditLibSimple& dlg) {
        EXPECT_TRUE(dlg.item(IDC_SIMPLE_VALUE + 3)->isVisible());
        dlg.type(IDC_SIMPLE_NAME, L"10x10x1");
        dlg.type(IDC_SIMPLE_VALUE + 3, L"0");
        dlg.click(win::IDOK);
    }));
    ASSERT_EQ(t.rows.length(), 1);
    EXPECT_EQ(t.rows[0].length(), t.headers.length());
    EXPECT_EQ(t.rows[0][9], L"0");
}
