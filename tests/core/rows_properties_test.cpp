#include "core_test_support.h"
#include "platform/core/files.h"
#include "platform/core/properties_list.h"
#include "platform/core/rows_file.h"

#include <cmath>
#include <fstream>
#include <utility>

namespace fs = std::filesystem;

class RowsFile : public ScratchFolderTest {};

TEST_F(RowsFile, EveryTextRoundTrips) {
    Zrl_StringArrayArray rows;
    rows.append(list({L"1"}));
    rows.append(list({L"System", L"Flag", L"h", L"b"}));
    rows.append(list({L"tab\there", L"line\nbreak", L"cr\rx", L"back\\slash\\"}));
    rows.append(Zrl_StringArray()); // no cells
    rows.append(list({L""}));       // one empty cell
    rows.append(list({L"", L""}));
    rows.append(list({L"\\e", L"\\", L"#hash", L"€ ж 𝄞", L" blanks "}));
    rows.append(Zrl_StringArray()); // last row empty too
    ASSERT_TRUE(writeFile(dir() + L"HEA.pr", rows));
    Zrl_String name;
    Zrl_StringArrayArray back;
    ASSERT_TRUE(readFile(dir() + L"hea.PR", name, back));
    EXPECT_EQ(name, L"HEA");
    EXPECT_EQ(back, rows);
}

TEST_F(RowsFile, FailuresLeaveNameRowsAndFileAlone) {
    Zrl_String name = L"before";
    Zrl_StringArrayArray rows;
    rows.append(list({L"kept"}));
    EXPECT_FALSE(readFile(dir() + L"missing.pr", name, rows));
    EXPECT_EQ(name, L"before");
    EXPECT_EQ(rows.length(), 1);
    fs::create_directories(fsDir() / "dir.pr");
    EXPECT_FALSE(writeFile(dir() + L"dir.pr", rows));
    EXPECT_TRUE(fs::is_directory(fsDir() / "dir.pr"));
    // Lines written by hand with CRLF and a byte-order mark read the same.
    std::ofstream(fsDir() / "hand.pr", std::ios::binary) << "\xEF\xBB\xBF"
                                                            "a\tb\r\n\\e\r\n"
                                                            "x\\ty\t\\\\z\tend\\\n";
    ASSERT_TRUE(readFile(dir() + L"hand.pr", name, rows));
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0], list({L"a", L"b"}));
    EXPECT_EQ(rows[1], list({L""}));
    // An escaped tab stays in its cell; a lone backslash at the end is kept.
    EXPECT_EQ(rows[2], list({L"x\ty", L"\\z", L"end\\"}));
}

class PropertiesList : public ScratchFolderTest {};

TEST_F(PropertiesList, TypedValuesRoundTripThroughTheFile) {
    Zrl_PropertiesList props;
    EXPECT_EQ(props.setProperty(L"type", 25), Acad::eOk);
    EXPECT_EQ(props.setProperty(L"topLeftX", 0.1 + 0.2), Acad::eOk);
    EXPECT_EQ(props.setProperty(L"tiny", 5e-324), Acad::eOk);
    EXPECT_EQ(props.setProperty(L"contents", L"a\tb\nc\\d \"q\" ;¿•"), Acad::eOk);
    EXPECT_EQ(props.setProperty(L"#name with = and\ttab", L""), Acad::eOk);
    EXPECT_EQ(props.setProperty(L"neg", -2147483647 - 1), Acad::eOk);
    EXPECT_EQ(props.setProperty(L"", 1), Acad::eInvalidInput);
    EXPECT_EQ(props.setProperty(L"bad", std::nan("")), Acad::eInvalidInput);
    ASSERT_EQ(props.writeToFile(dir() + L"t.txt"), Acad::eOk);

    Zrl_PropertiesList back;
    ASSERT_EQ(back.readFromFile(dir() + L"T.TXT"), Acad::eOk);
    EXPECT_EQ(back, props);
    double d = 0;
    EXPECT_EQ(back.getProperty(L"topLeftX", d), Acad::eOk);
    EXPECT_EQ(d, 0.1 + 0.2); // exact, not rounded
    EXPECT_EQ(back.getProperty(L"tiny", d), Acad::eOk);
    EXPECT_EQ(d, 5e-324);
    EXPECT_EQ(back.nameAt(4), L"#name with = and\ttab");
}

TEST_F(PropertiesList, LookUpsReportMissingAndMistypedValues) {
    Zrl_PropertiesList props;
    props.setProperty(L"n", 3);
    props.setProperty(L"s", L"text");
    int i = -1;
    double d = -1;
    Zrl_String s = L"unchanged";
    EXPECT_EQ(props.getProperty(L"n", d), Acad::eOk); // an integer reads as a double
    EXPECT_EQ(d, 3.0);
    EXPECT_EQ(props.getProperty(L"s", i), Acad::eInvalidInput);
    EXPECT_EQ(props.getProperty(L"n", s), Acad::eInvalidInput);
    EXPECT_EQ(props.getProperty(L"N", i), Acad::eKeyNotFound); // names are exact
    EXPECT_EQ(i, -1);
    EXPECT_EQ(s, L"unchanged");
    props.setProperty(L"n", L"now text"); // replaces value and type in place
    EXPECT_EQ(props.getProperty(L"n", s), Acad::eOk);
    EXPECT_EQ(props.nameAt(0), L"n");
    EXPECT_EQ(props.removeProperty(L"n"), Acad::eOk);
    EXPECT_EQ(props.removeProperty(L"n"), Acad::eKeyNotFound);
    EXPECT_EQ(props.length(), 1);
}

TEST_F(PropertiesList, ManyNamesStayFoundThroughGrowthRemovalAndCopies) {
    Zrl_PropertiesList props;
    const auto key = [](int i) { return Zrl_String(L"key") + Zrl_String(i); };
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(props.setProperty(key(i), i), Acad::eOk);
    for (int i = 0; i < 1000; i += 3)
        ASSERT_EQ(props.removeProperty(key(i)), Acad::eOk);
    props.setProperty(key(0), -1); // back, at the end
    const Zrl_PropertiesList copy = props;
    Zrl_PropertiesList source = copy;
    Zrl_PropertiesList moved = std::move(source);
    for (const Zrl_PropertiesList* list : {&std::as_const(props), &copy, &std::as_const(moved)}) {
        EXPECT_EQ(list->length(), 666 + 1);
        EXPECT_EQ(list->nameAt(0), key(1));
        EXPECT_EQ(list->nameAt(list->length() - 1), key(0));
        for (int i = 1; i < 1000; ++i) {
            int v = -2;
            const ErrorStatus es = list->getProperty(key(i), v);
            if (i % 3 == 0) {
                EXPECT_EQ(es, Acad::eKeyNotFound) << i;
            } else {
                EXPECT_EQ(es, Acad::eOk) << i;
                EXPECT_EQ(v, i);
            }
        }
    }
}

TEST_F(PropertiesList, BadFilesLeaveTheListAsItWas) {
    Zrl_PropertiesList props;
    props.setProperty(L"keep", 1);
    const Zrl_PropertiesList before = props;
    EXPECT_EQ(props.readFromFile(dir() + L"missing.txt"), Acad::eFileNotFound);
    for (const char* text :
         {"a\ti\tx\n", "a\tq\t1\n", "only two\tcells\n", "\ti\t1\n", "a\td\tnan\n",
          "a\ti\t99999999999\n", "\\e\n", "a\tii\t1\n", "a\ts\tx\textra\n", "a\td\t\n"}) {
        std::ofstream(fsDir() / "bad.txt", std::ios::binary) << "ok\ti\t1\n" << text;
        EXPECT_EQ(props.readFromFile(dir() + L"bad.txt"), Acad::eInvalidInput) << text;
        EXPECT_EQ(props, before) << text;
    }
    fs::create_directories(fsDir() / "dir.txt");
    EXPECT_EQ(props.writeToFile(dir() + L"dir.txt"), Acad::eInvalidInput);
}

// Files written by hand: comments, blank lines, CRLF, escapes in names and
// texts, numbers with blanks and a plus; a name given twice keeps its first
// place and its last value.
TEST_F(PropertiesList, HandWrittenFilesReadAsWritten) {
    std::ofstream(fsDir() / "hand.txt", std::ios::binary)
        << "# comment\r\n\r\nn\ti\t 7 \r\n\\#x\\ty\ts\ta\\nb\r\nd\td\t+2.5\r\nn\ts\tlast\r\n";
    Zrl_PropertiesList props;
    ASSERT_EQ(props.readFromFile(dir() + L"hand.txt"), Acad::eOk);
    const struct {
        const wchar_t* name;
        const wchar_t* text;
        double number;
    } want[] = {{L"n", L"last", 0}, {L"#x\ty", L"a\nb", 0}, {L"d", nullptr, 2.5}};
    ASSERT_EQ(props.length(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto& w = want[i];
        EXPECT_EQ(props.nameAt(i), w.name);
        Zrl_String text;
        double number = 0;
        if (w.text) {
            EXPECT_EQ(props.getProperty(w.name, text), Acad::eOk);
            EXPECT_EQ(text, w.text);
        } else {
            EXPECT_EQ(props.getProperty(w.name, number), Acad::eOk);
            EXPECT_EQ(number, w.number);
        }
    }
}
