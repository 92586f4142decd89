// The macro detail dialogs' own rules: which offsets a cut type greys and
// locks, what an offset and a count accept, the array's number of copies
// (how several objects' profile properties merge: dialog cases).
#include "frame/library_instance.h"
#include "macroui/dlg_array.h"
#include "macroui/dlg_macro_cuts.h"
#include "macroui_fixture.h"

#include <optional>

using macrotest::MacroUiTest;

namespace {

Zrl_MacroCut cut(const wchar_t* name, int type) {
    Zrl_MacroCut c;
    c.name = name;
    c.cutType = type;
    for (int t = 0; t < kVkCutOffsetTypeCount; ++t)
        c.offsets[t] = t + 1;
    return c;
}

// Every offset cell of a row is locked and greyed exactly when the row's
// cut type does not use it.
void expectUsedOffsetsOpen(Zrl_Spread& grid, int row, int cutType) {
    for (int t = 0; t < kVkCutOffsetTypeCount; ++t) {
        const int col = CDlgMacroCuts::kColFirstOffset + t;
        const bool used = DlgMacroCutsData::usesOffset(cutType, t);
        spread::Color back = 0, fore = 0;
        grid.sheet().color(col, row, back, fore);
        EXPECT_EQ(grid.isLocked(col, row), !used) << "row " << row << " offset " << t;
        EXPECT_EQ(back == spread::kDefaultColor, used) << "row " << row << " offset " << t;
    }
}

} // namespace

TEST_F(MacroUiTest, CutTypeGreysAndLocksTheOffsetsItDoesNotUseAndKeepsTheirValues) {
    CDlgMacroCuts dlg;
    dlg.record().cuts = {cut(L"Cope", Zrl_CutCope), cut(L"Odd", 9)};
    {
        zrlss::ResourceScope resources;
        ASSERT_TRUE(dlg.create(IDD_DLG_MACRO_CUTS));
    }
    Zrl_Spread& grid = dlg.grid();
    expectUsedOffsetsOpen(grid, 1, Zrl_CutCope);
    // A type the dialog does not know opens no offset.
    expectUsedOffsetsOpen(grid, 2, 9);
    for (int type = 0; type < kZrlCutTypeCount; ++type) {
        ASSERT_TRUE(grid.chooseInCell(CDlgMacroCuts::kColType, 1, type));
        EXPECT_EQ(dlg.record().cuts[0].cutType, type);
        expectUsedOffsetsOpen(grid, 1, type);
    }
    for (int t = 0; t < kVkCutOffsetTypeCount; ++t)
        EXPECT_EQ(dlg.record().cuts[0].offsets[t], t + 1);
    dlg.destroy();
}

TEST(DetailDialogRules, OffsetsAndCountsAcceptOnlyWhatMakesSense) {
    const struct {
        int offsetType;
        const wchar_t* text;
        bool accepted;
        double value;
    } offsets[] = {
        {VkCutOffset, L" -12.50 ", true, -12.5}, {VkCutOffset, L"1,5", false, 0},
        {VkCutOffset, L"", false, 0},            {VkCutOffset, L"1e999", false, 0},
        {VkCutOffset, L"nan", false, 0},         {VkCutRadius, L"0", true, 0},
        {VkCutRadius, L"-0.5", false, 0},        {VkCutChamferOffset2, L"-0.5", true, -0.5},
    };
    for (const auto& c : offsets) {
        double value = 0;
        EXPECT_EQ(CDlgMacroCuts::readOffset(c.offsetType, c.text, value), c.accepted)
            << Zrl_String(c.text).toUtf8();
        if (c.accepted) {
            EXPECT_EQ(value, c.value);
        }
    }
    const struct {
        const wchar_t* text;
        std::optional<int> count;
    } counts[] = {{L"1", 1},           {L" 1000 ", 1000},   {L"1001", std::nullopt},
                  {L"0", std::nullopt}, {L"-3", std::nullopt}, {L"2.5", std::nullopt},
                  {L"", std::nullopt},  {L"99999999999", std::nullopt}};
    for (const auto& c : counts)
        EXPECT_EQ(CDlgArray::readCount(c.text), c.count) << Zrl_String(c.text).toUtf8();
}

TEST(DetailDialogRules, ArrayCopiesCountTheOriginalOnlyWhenItIsNotTheFirstPosition) {
    const struct {
        int c1, c2, c3;
        bool firstIsOriginal;
        long long copies;
    } cases[] = {
        {1, 1, 1, true, 0},           {1, 1, 1, false, 1},        {4, 3, 2, true, 23},
        {4, 3, 2, false, 24},         {0, 5, 5, true, 0},         {-2, 5, 5, false, 0},
        {1000, 1000, 1000, false, 1000000000LL},
    };
    for (const auto& c : cases) {
        DynArrayData d;
        d.counts[0] = c.c1;
        d.counts[1] = c.c2;
        d.counts[2] = c.c3;
        d.firstIsOriginal = c.firstIsOriginal;
        EXPECT_EQ(d.copies(), c.copies) << c.c1 << "x" << c.c2 << "x" << c.c3;
    }
}
