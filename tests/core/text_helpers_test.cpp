#include "core_test_support.h"
#include "platform/core/text_helpers.h"

TEST(TextHelpers, SplittingKeepsEmptyPiecesInPlace) {
    Zrl_StringArray parts;
    EXPECT_EQ(strToArr(L"a;;b;", parts), 4);
    EXPECT_EQ(parts, list({L"a", L"", L"b", L""}));
    EXPECT_EQ(strToArr(L"", parts), 0);
    EXPECT_EQ(arrToStr(list({L"a", L"", L"b", L""})), L"a;;b;");
    EXPECT_EQ(strToArr(L"1¿2", parts, L'¿'), 2);

    EXPECT_EQ(splitStringAtSymbol(L"10x20", L"x", parts, true), 2);
    EXPECT_EQ(parts, list({L"10", L"20"}));
    EXPECT_EQ(splitStringAtSymbol(L"10X20", L"x", parts, true), 1);
    EXPECT_EQ(splitStringAtSymbol(L"10X20", L"x", parts, false), 2);
    EXPECT_EQ(splitStringAtSymbol(L"=5", L"=", parts, true), 2);
    EXPECT_EQ(parts, list({L"", L"5"})); // the name stays empty, 5 stays the expression
    EXPECT_EQ(splitStringAtSymbol(L"f(a, b)", L", ", parts, true), 2);
    EXPECT_EQ(splitStringAtSymbol(L"abc", L"", parts, true), 1);
}

TEST(TextHelpers, SplitInTwoAtTheFirstSeparator) {
    Zrl_String before = L"old", after = L"old";
    EXPECT_TRUE(splitString(L"y = IF(a=1;2;3)", L"=", before, after, false));
    EXPECT_EQ(before, L"y ");
    EXPECT_EQ(after, L" IF(a=1;2;3)");
    EXPECT_FALSE(splitString(L"plain", L"=", before, after, false));
    EXPECT_EQ(before, L"plain");
    EXPECT_EQ(after, L"");
    // The same variable given for the text and a result must not corrupt it.
    Zrl_String text = L"a•b";
    EXPECT_TRUE(splitString(text, L"•", text, after, false));
    EXPECT_EQ(text, L"a");
    EXPECT_EQ(after, L"b");

    EXPECT_EQ(getSubstrBefore(L"HEA-100-S", L"-", false), L"HEA");
    EXPECT_EQ(getSubstrBefore(L"HEA", L"-", false), L"HEA");
    EXPECT_EQ(getSubstrAfter(L"Module.Bolts.Ext", L".", false), L"Bolts.Ext");
    EXPECT_EQ(getSubstrAfter(L"Module", L".", false), L"");
    EXPECT_EQ(getSubstrBefore(L"aXb", L"x", true), L"aXb");
    EXPECT_EQ(getSubstrBefore(L"aXb", L"x", false), L"a");
}

TEST(TextHelpers, RowsJoinAndSplitWithOneSeparator) {
    Zrl_StringArrayArray rows;
    rows.append(list({L"1000", L"2", L""}));
    rows.append(Zrl_StringArray());
    rows.append(list({L"x"}));
    Zrl_StringArray lines;
    arrArrToArr(rows, lines, L'¿');
    EXPECT_EQ(lines, list({L"1000¿2¿", L"", L"x"}));
    Zrl_StringArrayArray back;
    arrToArrArr(lines, back, L'¿');
    EXPECT_EQ(back, rows);
    EXPECT_EQ(appStrs(L"  ", L"Filter", L"", L"", L""), L"  Filter");
    EXPECT_EQ(stringArr(L"Inside", L"", L"Centre", L"", L""), list({L"Inside", L"Centre"}));
    EXPECT_TRUE(hasASubstr(L"=CallChild(\"x\";a)", list({L"", L"CallChild"})));
    EXPECT_FALSE(hasASubstr(L"=callchild(1)", list({L"CallChild"}), true));
    EXPECT_TRUE(hasASubstr(L"=callchild(1)", list({L"CallChild"}), false));
    EXPECT_FALSE(hasASubstr(L"anything", list({L""})));
}

TEST(TextHelpers, DuplicatesReportLaterOccurrencesSoTheFirstSurvives) {
    Zrl_StringArray names = list({L"Width", L"height", L"WIDTH", L"x", L"Height", L"width"});
    AcArray<int> indexes;
    EXPECT_TRUE(getDuplicates(names, indexes, false));
    EXPECT_EQ(indexes, AcArray<int>({2, 4, 5}));
    Zrl_StringArray dups;
    EXPECT_TRUE(hasDuplicates(names, dups, false));
    EXPECT_EQ(dups, list({L"WIDTH", L"Height"}));
    // Removing the reported entries from the highest down keeps first declarations.
    for (int i = indexes.length() - 1; i >= 0; --i)
        names.removeAt(indexes[i]);
    EXPECT_EQ(names, list({L"Width", L"height", L"x"}));
    AcArray<int> exact;
    EXPECT_FALSE(getDuplicates(list({L"a", L"A"}), exact, true));
    EXPECT_TRUE(getDuplicates(list({L"a", L"A", L"a"}), exact, true));
    EXPECT_EQ(exact, AcArray<int>({2}));
    EXPECT_FALSE(hasDuplicates(list({L"a", L"b"}), dups, true));
    EXPECT_TRUE(dups.isEmpty());
    EXPECT_FALSE(getDuplicates(Zrl_StringArray(), indexes, true));
}

TEST(TextHelpers, FreshNamesCountOnWithoutCase) {
    EXPECT_EQ(findNonExistingString(list({L"a"}), L"Group"), L"Group");
    EXPECT_EQ(findNonExistingString(list({L"group", L"Group1"}), L"Group"), L"Group2");
    EXPECT_EQ(findNonExistingString(list({L"A07", L"A08"}), L"A07"), L"A09");
    EXPECT_EQ(findNonExistingString(list({L"1", L"2"}), L"1"), L"3");
    EXPECT_EQ(findNonExistingString(list({L"99"}), L"99"), L"100");
    EXPECT_EQ(findNonExistingString(list({L"1"}), L""), L"2");
    EXPECT_EQ(findNonExistingString(Zrl_StringArray(), L""), L"1");
}

TEST(TextHelpers, NaturalOrderSortsNumbersByValueAndIsStable) {
    Zrl_StringArray names = list({L"HEA1000", L"hea100", L"HEA80", L"b", L"A", L"HEA100"});
    sortArray(names);
    EXPECT_EQ(names, list({L"A", L"b", L"HEA80", L"hea100", L"HEA100", L"HEA1000"}));
    sortArray(names, true);
    EXPECT_EQ(names, list({L"A", L"HEA80", L"HEA100", L"HEA1000", L"b", L"hea100"}));
    EXPECT_LT(compareNatural(L"x2", L"x02", true), 0); // equal value: fewer zeros first
    EXPECT_LT(compareNatural(L"x9", L"x10", true), 0);
    EXPECT_EQ(compareNatural(L"Ab1", L"aB1", false), 0);
    EXPECT_GT(compareNatural(L"a1b", L"a1", false), 0);
    // A very long digit run compares by value without overflowing.
    EXPECT_LT(compareNatural(L"n99999999999999999999", L"n100000000000000000000", true), 0);

    Zrl_StringArray sorted = list({L"IPE80", L"IPE100", L"IPE200"});
    EXPECT_EQ(ObjectExportAddToSorted(sorted, L"IPE120"), 2);
    EXPECT_EQ(ObjectExportAddToSorted(sorted, L"IPE100"), 2); // after its equal
    EXPECT_EQ(ObjectExportAddToSorted(sorted, L"IPE1000"), 5);
    EXPECT_EQ(ObjectExportAddToSorted(sorted, L"A"), 0);
    Zrl_StringArray empty;
    EXPECT_EQ(ObjectExportAddToSorted(empty, L"x"), 0);
}

TEST(TextHelpers, NumbersInTexts) {
    for (const wchar_t* yes : {L"12", L" -1.5 ", L"+3", L".5", L"5.", L"1e-3", L"0"})
        EXPECT_TRUE(isNumber(yes)) << Zrl_String(yes).toUtf8();
    for (const wchar_t* no :
         {L"", L" ", L"1,5", L"inf", L"nan", L"0x1A", L"1.2.3", L"12mm", L"e5", L"infinity", L"-"})
        EXPECT_FALSE(isNumber(no)) << Zrl_String(no).toUtf8();

    EXPECT_TRUE(startsWithNumber(L"1abc"));
    EXPECT_FALSE(startsWithNumber(L"a1"));
    EXPECT_FALSE(startsWithNumber(L""));
    Zrl_String digits;
    EXPECT_EQ(findFirstNumbers(L"HEA 100 B", &digits), 4);
    EXPECT_EQ(digits, L"100");
    EXPECT_EQ(findFirstNumbers(L"none", &digits), -1);
    EXPECT_EQ(digits, L"");
    EXPECT_EQ(stripNumbersAtEnd(L"Macro12"), L"Macro");
    EXPECT_EQ(stripNumbersAtEnd(L"12"), L"");
    EXPECT_EQ(stripNumbersAtEnd(L"a1b"), L"a1b");

    for (const auto& [n, letters] :
         std::vector<std::pair<int, const wchar_t*>>{{1, L"A"},
                                                     {26, L"Z"},
                                                     {27, L"AA"},
                                                     {52, L"AZ"},
                                                     {53, L"BA"},
                                                     {702, L"ZZ"},
                                                     {703, L"AAA"},
                                                     {0, L""},
                                                     {-4, L""},
                                                     {2147483647, L"FXSHRXW"}})
        EXPECT_EQ(getAlfabet(n), letters) << n;
}

TEST(TextHelpers, CommentsAreRemovedBlockFirstThenLine) {
    EXPECT_EQ(removeLineComment(L"IPE100\t5 // note"), L"IPE100\t5 ");
    EXPECT_EQ(removeLineComment(L"no comment"), L"no comment");
    Zrl_StringArray lines = list({L"10x5 /* a", L"still // comment", L"end */ 20x6 // tail",
                                  L"/* one */30/**/x7", L"// all", L"/* open", L"40x8"});
    removeComments(lines);
    EXPECT_EQ(lines, list({L"10x5 ", L"", L" 20x6 ", L"30x7", L"", L"", L""}));
}

TEST(TextHelpers, NameChecks) {
    EXPECT_TRUE(hasOnlyLettersNumbers(L"Plate1"));
    EXPECT_TRUE(hasOnlyLettersNumbers(L"Größe2Ж"));
    for (const wchar_t* no : {L"", L"a_b", L"a b", L"a-b", L"a.b", L"×", L"a÷"})
        EXPECT_FALSE(hasOnlyLettersNumbers(no)) << Zrl_String(no).toUtf8();

    for (const wchar_t* bad :
         {L"a\\b", L"a/b", L"c:", L"*", L"?", L"\"", L"<", L">", L"|", L"a\tb"})
        EXPECT_TRUE(hasInvalidFileNameChars(bad)) << Zrl_String(bad).toUtf8();
    EXPECT_FALSE(hasInvalidFileNameChars(L"Base plate (2).vks"));

    Zrl_String r = generateRandomString(24, true);
    EXPECT_EQ(r.length(), 24);
    EXPECT_TRUE(hasOnlyLettersNumbers(r));
    EXPECT_NE(r, generateRandomString(24, true));
    Zrl_String letters = generateRandomString(200, false);
    EXPECT_EQ(findFirstNumbers(letters), -1);
    EXPECT_EQ(generateRandomString(0), L"");
    EXPECT_EQ(generateRandomString(-3), L"");
}
