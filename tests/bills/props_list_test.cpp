// The key-value list's text and file forms.
#include "bills_fixture.h"
#include "sheettools/simple_props_list.h"

namespace {

using billstest::BillsTest;
namespace fs = billstest::fs;

const std::wstring S(1, Zrl_SimplePropsList::kSeparator);

std::wstring joined(std::initializer_list<const wchar_t*> fields) {
    std::wstring out;
    for (const wchar_t* f : fields)
        out += std::wstring(f) + S;
    return out;
}

TEST(SimplePropsList, TextFormRoundTripsEveryType) {
    Zrl_SimplePropsList list;
    list.setInt(L"marginTop", 5);
    list.setString(L"font", L"Arial Narrow");
    Zrl_SimplePropsList::Value d;
    d.type = Zrl_SimplePropsList::kDouble;
    d.number = 2.345;
    list.setValue(L"scale", d);
    EXPECT_EQ(list.toText().str(), joined({L"marginTop", L"2", L"5", L"font", L"4", L"Arial Narrow",
                                           L"scale", L"1", L"2.35"}));

    Zrl_SimplePropsList back;
    ASSERT_TRUE(back.fromText(list.toText()));
    EXPECT_EQ(back.toText(), list.toText());
}

TEST(SimplePropsList, ParsingRules) {
    Zrl_SimplePropsList list;
    // Later entries replace earlier ones, empty names are skipped, an unknown
    // type gives an empty value, and an unfinished triple is ignored.
    EXPECT_TRUE(list.fromText(joined({L"a", L"2", L"1", L"", L"2", L"7", L"a", L"2", L"9", L"b",
                                      L"9", L"x", L"c", L"2"}) +
                              L"tail"));
    ASSERT_EQ(list.length(), 2);
    int a = 0;
    EXPECT_TRUE(list.getInt(L"a", a));
    EXPECT_EQ(a, 9);
    EXPECT_EQ(list.entry(1).value.type, Zrl_SimplePropsList::kEmpty);
    EXPECT_EQ(list.find(L"c"), -1);

    // A separator at the very start ends parsing at once, but is not empty text.
    EXPECT_TRUE(list.fromText(S + joined({L"a", L"2", L"1"})));
    EXPECT_EQ(list.length(), 0);
    EXPECT_FALSE(list.fromText(L""));

    // Numbers read from their leading digits; text that is no number gives 0.
    list.fromText(joined({L"n", L"2", L"12abc", L"m", L"2", L"abc"}));
    int n = -1, m = -1;
    EXPECT_TRUE(list.getInt(L"n", n));
    EXPECT_TRUE(list.getInt(L"m", m));
    EXPECT_EQ(n, 12);
    EXPECT_EQ(m, 0);
}

TEST(SimplePropsList, GettersCheckNameAndType) {
    Zrl_SimplePropsList list;
    EXPECT_FALSE(list.setInt(L"", 1));
    list.setString(L"height", L"12");
    list.setBool(L"flag", true);
    int i = 7;
    EXPECT_FALSE(list.getInt(L"height", i));
    EXPECT_EQ(i, 0);
    Zrl_String s = L"x";
    EXPECT_FALSE(list.getString(L"flag", s));
    EXPECT_TRUE(s.isEmpty());
    bool b = false;
    EXPECT_TRUE(list.getBool(L"flag", b));
    EXPECT_TRUE(b);
    EXPECT_FALSE(list.getBool(L"Flag", b)); // names keep their case
    EXPECT_FALSE(b);
}

TEST_F(BillsTest, FileIsReadAsSingleBytes) {
    // 0xA4 separates; 0x80 is the euro sign and 0xE9 e-acute in Windows-1252;
    // the last, incomplete triple is dropped.
    const fs::path file = root / "set.vkd";
    writeBytes(file, billstest::vkd({"defaultFont", "4", "Caf\xE9 \x80", "marginTop", "2", "7",
                                     "border", "2"}));
    Zrl_SimplePropsList list;
    ASSERT_TRUE(list.fromFile(text(file)));
    ASSERT_EQ(list.length(), 2);
    Zrl_String font;
    EXPECT_TRUE(list.getString(L"defaultFont", font));
    EXPECT_EQ(font.str(), L"Caf\u00E9 \u20AC");
    EXPECT_EQ(list.find(L"border"), -1);

    // Written on Windows, one entry a line: the line ends belong to no entry,
    // while a line break inside a text stays.
    writeBytes(file, billstest::vkd({"marginTop", "2", "7"}) + "\r\n" +
                         billstest::vkd({"headerFile", "4", "Logo\r\nA.bmp"}) + "\r\n");
    ASSERT_TRUE(list.fromFile(text(file)));
    ASSERT_EQ(list.length(), 2);
    int top = 0;
    EXPECT_TRUE(list.getInt(L"marginTop", top));
    EXPECT_EQ(top, 7);
    EXPECT_TRUE(list.getString(L"headerFile", font));
    EXPECT_EQ(font.str(), L"Logo\nA.bmp");

    EXPECT_FALSE(list.fromFile(L""));
    EXPECT_FALSE(list.fromFile(text(root / "missing.vkd")));
    EXPECT_EQ(list.length(), 0);
}

} // namespace
