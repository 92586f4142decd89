// Adding a section size: naming learnt from the table, sorted and square
// places, refusals that leave the table alone.
#include "sections/simple_section.h"
#include "sections_fixture.h"

#include <tuple>

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
    const Zrl_ProfValuesTable plain = tubes({{L"60x40x3"}, {L"80x40x3"}, {L"100x50x4"}});
    const std::tuple<const Zrl_ProfValuesTable*, const wchar_t*, int> cases[] = {
        {&t, L"100x100x5", 4},    // after the nearest smaller square 100x100x4
        {&t, L"200x200x8", 5},    // after the largest square
        {&t, L"40x40x3", 2},      // no smaller square: before the first
        {&plain, L"90x50x4", 2},  // in order of size
        {&plain, L"50x50x3", 0},  // a square without squares
        {&plain, L"200x100x8", 3},
    };
    for (const auto& [table, name, index] : cases)
        EXPECT_EQ(sortedSectionIndex(*table, name), index) << Zrl_String(name).toUtf8();
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
