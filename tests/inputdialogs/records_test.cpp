// The exported records of the input dialogs: every field survives copying
// and assignment, and the callback record owns its own macro data.
#include "dialogs/dialog_records.h"
#include "platform/core/macro_data.h"

#include <gtest/gtest.h>

namespace inputtest {
namespace {

template <class Record> void expectCopiesWhole(const Record& filled) {
    const Record copied(filled);
    EXPECT_EQ(copied, filled);
    Record assigned;
    EXPECT_FALSE(assigned == filled);
    assigned = filled;
    EXPECT_EQ(assigned, filled);
}

TEST(InputRecords, CopiesKeepEveryField) {
    VkGridDlgData g;
    g.count1 = 6, g.spacing1 = L"6000", g.label1 = L"B", g.count2 = 9, g.spacing2 = L"1",
    g.label2 = L"7", g.flag = true;
    expectCopiesWhole(g);
    VkLookUpDlgData l;
    l.text1 = L"a", l.items1 = {L"a"}, l.text2 = L"b", l.items2 = {L"b"}, l.text3 = L"c",
    l.items3 = {L"c"}, l.text4 = L"d", l.items4 = {L"d"}, l.choiceA = 0, l.text5 = L"e",
    l.items5 = {L"e"}, l.choiceB = 1, l.option = 1, l.flag = true, l.closeMode = 2;
    expectCopiesWhole(l);
    VkSelectImageDlgData s;
    s.caption = L"c", s.imageFiles = {L"a.bmp"}, s.chosenName = L"a.bmp";
    expectCopiesWhole(s);
    VkDlgCis2Data c;
    c.optionA = false, c.optionB = false, c.optionC = true, c.optionD = true, c.optionE = true;
    expectCopiesWhole(c);
}

MacroData macro(const wchar_t* caption) {
    MacroData data;
    data.caption = caption;
    return data;
}

TEST(InputRecords, CallBackDataOwnsItsMacroData) {
    VkMACallBackData a;
    EXPECT_EQ(a.macroData, nullptr);
    VkMACallBackData nullCopy(a);
    EXPECT_EQ(nullCopy.macroData, nullptr);

    int caller = 0;
    a.name = L"profile", a.caller = &caller, a.value = L"v", a.indexes.append(3);
    a.initDataClass(macro(L"first"));
    MacroData* const owned = a.macroData;
    a.initDataClass(macro(L"second")); // assigned, not made again
    EXPECT_EQ(a.macroData, owned);
    EXPECT_EQ(a.macroData->caption, L"second");

    VkMACallBackData b(a);
    ASSERT_NE(b.macroData, nullptr);
    EXPECT_NE(b.macroData, a.macroData);
    EXPECT_EQ(*b.macroData, *a.macroData);
    EXPECT_EQ(b.caller, &caller);
    EXPECT_EQ(b.indexes.length(), 1);

    VkMACallBackData c;
    c.initDataClass(macro(L"third"));
    c = a;
    EXPECT_NE(c.macroData, a.macroData);
    EXPECT_EQ(c.macroData->caption, L"second");
    const VkMACallBackData& self = c;
    c = self;
    EXPECT_EQ(c.macroData->caption, L"second");
    c = VkMACallBackData(); // back to none: the copy is freed, none shared
    EXPECT_EQ(c.macroData, nullptr);
    EXPECT_EQ(a.macroData, owned);
}

} // namespace
} // namespace inputtest
