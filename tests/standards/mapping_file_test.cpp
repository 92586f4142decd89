// Mapping texts and mapping files: reading, writing, and the comparisons the
// writer relies on.
#include "macro_fixture.h"
#include "platform/core/files.h"
#include "standards/ss_mapping.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

namespace {

// The separators of a line, spelled out for readable test data.
const std::string kDot = "\xE2\x80\xA2"; // U+2022
const std::string kHook = "\xC6\x92";    // U+0192
const std::string kInvQ = "\xC2\xBF";    // U+00BF

using fixture::mapEntry;

class MappingFile : public ::testing::Test {
protected:
    fixture::ScratchLibrary lib{"mapping"};
    std::filesystem::path mapFile() const { return lib.standards() / "Plate.map"; }

    void writeMap(const std::string& text) const {
        std::ofstream out(mapFile(), std::ios::binary);
        out << text;
    }
    std::string readMap() const {
        std::ifstream in(mapFile(), std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    // Two entries of the sample endplate.
    static VkSSMapping sample() {
        VkSSMapping m;
        m.mappedObjectsWrite().append(mapEntry(L"Width", L"Endplate", VkMapVarDistance, L"Height"));
        m.mappedObjectsWrite().append(
            mapEntry(L"Bolts", L"Bolts", VkMapVarPatternNrBolts1, L"Pattern1"));
        return m;
    }
    std::string sampleLine(const std::string& key) const {
        return key + "=Width" + kHook + "Endplate" + kDot + "Distance Height" + kInvQ + "Bolts" +
               kHook + "Bolts" + kDot + "PatternNrBolts1 Pattern1";
    }
};

TEST(MappingText, ReadAndWrite) {
    VkObjectMap e;
    ASSERT_EQ(e.getMappingFromStrs(L"Width", L"Endplate\u2022Distance Height"), Acad::eOk);
    EXPECT_EQ(e, mapEntry(L"Width", L"Endplate", VkMapVarDistance, L"Height"));
    ASSERT_EQ(e.getMappingFromStrs(L"Sec", L"\u2022  MemberSectionSize Prof0;1"), Acad::eOk);
    EXPECT_EQ(e, mapEntry(L"Sec", L"", VkMapVarMemberSectionSize, L"Prof0;1"));
    ASSERT_EQ(e.getMappingFromStrs(L"Dia", L"Bolts\u2022BoltsDiameter"), Acad::eOk);
    EXPECT_EQ(e, mapEntry(L"Dia", L"Bolts", VkMapVarBoltsDiameter, L""));
    Zrl_String text, name;
    ASSERT_EQ(e.setMappingToStrs(text, name), Acad::eOk);
    EXPECT_EQ(text, L"Bolts\u2022BoltsDiameter ");
    EXPECT_EQ(name, L"Dia");

    // Unreadable texts leave the entry as it was.
    const VkObjectMap before = e;
    EXPECT_EQ(e.getMappingFromStrs(L"X", L"Bolts Distance Height"), Acad::eInvalidInput);
    EXPECT_EQ(e.getMappingFromStrs(L"X", L"Bolts\u2022Length Height"), Acad::eInvalidInput);
    EXPECT_EQ(e, before);
    EXPECT_EQ(VkObjectMap().setMappingToStrs(text, name), Acad::eInvalidInput);
}

TEST(MappingText, CompatibilityIgnoresNameCaseSheetNameAndCategory) {
    VkObjectMap a = mapEntry(L"A", L"Endplate", VkMapVarDistance, L"Height");
    VkObjectMap b = mapEntry(L"B", L"ENDPLATE", VkMapVarDistance, L"height");
    b.category = 0;
    EXPECT_EQ(a.isCompatible(b), Acad::eOk);
    b.kind = VkMapVarGenVar;
    EXPECT_EQ(a.isCompatible(b), Acad::eInvalidInput);
}

TEST(MappingLine, SkipsUnreadablePairsAndReadsTheRest) {
    VkSSMapping m;
    const Zrl_String line =
        L"K=NoHook\u00BFA\u0192G\u2022Nonsense X\u00BFB\u0192G\u2022GenVar gen_A\u00BFC\u0192NoDot";
    ASSERT_EQ(m.initMappingFromLine(line), Acad::eOk);
    ASSERT_EQ(m.mappedObjects().length(), 1);
    EXPECT_EQ(m.mappedObjects()[0].ssName, L"B");
    EXPECT_EQ(m.initMappingFromLine(L"no key separator"), Acad::eInvalidInput);
    EXPECT_TRUE(m.mappedObjects().isEmpty());
}

TEST_F(MappingFile, HeaderVariants) {
    VkSSMapping m;
    writeMap("Mapping version 2.7\n" + sampleLine("K1") + "\n");
    ASSERT_EQ(m.getMappingFromFile(L"Plate", L"K1"), Acad::eOk);
    EXPECT_EQ(m.mappedObjects().length(), 2);

    // No header: the first line is data.
    writeMap(sampleLine("K2") + "\n");
    VkSSMapping m2;
    ASSERT_EQ(m2.getMappingFromFile(L"Plate.vks", L"K2"), Acad::eOk);
    EXPECT_EQ(m2.mappedObjects().length(), 2);

    // Keys are case-sensitive; the first line of a key wins.
    writeMap("Mapping version 1.0\nK3=A" + kHook + kDot + "GenVar gen_A\nK3=B" + kHook + kDot +
             "GenVar gen_B\n");
    VkSSMapping m3;
    EXPECT_EQ(m3.getMappingFromFile(L"Plate", L"k3"), Acad::eInvalidInput);
    ASSERT_EQ(m3.getMappingFromFile(L"Plate", L"K3"), Acad::eOk);
    EXPECT_EQ(m3.mappedObjects()[0].ssName, L"A");
}

TEST_F(MappingFile, MissingAndEmptyFiles) {
    VkSSMapping m = sample();
    EXPECT_EQ(m.getMappingFromFile(L"Other", L"K"), Acad::eInvalidInput);
    writeMap("Mapping version 1.0\n");
    EXPECT_EQ(m.getMappingFromFile(L"Plate", L"K"), Acad::eOk);
    EXPECT_EQ(m.mappedObjects().length(), 2);
}

TEST_F(MappingFile, WritingAKeyMovesItsLineToTheEnd) {
    writeMap("Mapping version 1.0\nOLD=X" + kHook + kDot + "GenVar gen_A\n" + "OTHER=Y" + kHook +
             kDot + "GenVar gen_B\n");
    VkSSMapping m = sample();
    Zrl_String key = L"OLD";
    ASSERT_EQ(m.setMappingToFile(L"Plate", key), Acad::eOk);
    EXPECT_EQ(readMap(), "Mapping version 1.0\nOTHER=Y" + kHook + kDot + "GenVar gen_B\n" +
                             sampleLine("OLD") + "\n");

    // A new file starts with the header.
    std::filesystem::remove(mapFile());
    key = L"NEW";
    ASSERT_EQ(m.setMappingToFile(L"Plate", key), Acad::eOk);
    EXPECT_EQ(readMap(), "Mapping version 1.0\n" + sampleLine("NEW") + "\n");
}

TEST_F(MappingFile, EqualMappingLeavesTheFileUntouched) {
    // The stored line holds an extra pair: the comparison is one-directional.
    const std::string text = "Mapping version 1.0\r\n" + sampleLine("K") + kInvQ + "Z" + kHook +
                             kDot + "GenVar gen_Z\r\n";
    writeMap(text);
    std::int64_t before = 0, after = 0;
    const Zrl_String path = Zrl_String::fromUtf8(mapFile().string());
    ASSERT_TRUE(ObjectExportGetFileTime(path, before));
    VkSSMapping m = sample();
    Zrl_String key = L"K";
    ASSERT_EQ(m.setMappingToFile(L"Plate", key), Acad::eOk);
    EXPECT_EQ(readMap(), text);
    ASSERT_TRUE(ObjectExportGetFileTime(path, after));
    EXPECT_EQ(before, after);
}

TEST_F(MappingFile, DuplicateAndInvalidNamesAreNotWritten) {
    VkSSMapping m = sample();
    m.mappedObjectsWrite().append(mapEntry(L"width", L"Endplate", VkMapVarDistance, L"Gap"));
    m.mappedObjectsWrite().append(mapEntry(L"Bad/Name", L"Endplate", VkMapVarDistance, L"Gap"));
    m.mappedObjectsWrite().append(mapEntry(L"Hook\u0192", L"Endplate", VkMapVarDistance, L"Gap"));
    m.mappedObjectsWrite().append(mapEntry(L"NoKind", L"Endplate", VkMapVarNone, L"Gap"));
    Zrl_String key = L"K";
    ASSERT_EQ(m.setMappingToFile(L"Plate", key), Acad::eOk);
    EXPECT_EQ(readMap(), "Mapping version 1.0\n" + sampleLine("K") + "\n");
}

TEST_F(MappingFile, EveryOlderLineOfTheKeyGoes) {
    writeMap("K=A" + kHook + kDot + "GenVar gen_A\nK=B" + kHook + kDot + "GenVar gen_B\n");
    VkSSMapping m = sample();
    Zrl_String key = L"K";
    ASSERT_EQ(m.setMappingToFile(L"Plate", key), Acad::eOk);
    VkSSMapping read;
    ASSERT_EQ(read.getMappingFromFile(L"Plate", L"K"), Acad::eOk);
    EXPECT_EQ(read, sample());
}

TEST_F(MappingFile, KeysThatCannotBeReadBackAreRefused) {
    writeMap("Mapping version 1.0\n");
    VkSSMapping m = sample();
    for (Zrl_String key : {Zrl_String(L""), Zrl_String(L"A=B"), Zrl_String(L"A\nB")}) {
        EXPECT_EQ(m.setMappingToFile(L"Plate", key), Acad::eInvalidInput);
    }
    EXPECT_EQ(readMap(), "Mapping version 1.0\n");
}

TEST_F(MappingFile, MappingBesideASheetPath) {
    const Zrl_String sheet = Zrl_String::fromUtf8((lib.dir() / "Sheets" / "Plate.vks").string());
    std::filesystem::create_directories(lib.dir() / "Sheets");
    VkSSMapping m = sample();
    Zrl_String key = L"K";
    ASSERT_EQ(m.setMappingToFile(sheet, key), Acad::eOk);
    EXPECT_TRUE(std::filesystem::exists(lib.dir() / "Sheets" / "Plate.map"));
    Zrl_String found;
    EXPECT_TRUE(m.hasSameMapping(sheet, found));
    EXPECT_EQ(found, L"K");
}

// A mapping read from a file shares its entries with the file's cache and
// with its copies: the first match (names without case, types exactly) must
// be the same as a search from the front, and changing a copy must change
// neither the cache nor the original.
TEST_F(MappingFile, SharedEntriesFindTheFirstMatchAndAreCopiedBeforeAChange) {
    writeMap("Mapping version 1.0\nK=width" + kHook + kDot + "GenVar a" + kInvQ + "Width" + kHook +
             kDot + "PrPlName Prof0" + kInvQ + "WIDTH" + kHook + kDot + "Distance b" + kInvQ +
             "\xC3\x84" + kHook + kDot + "GenVar c" + kInvQ + "\xC3\xA4" + kHook + kDot +
             "GenVar d\n");
    VkSSMapping read;
    ASSERT_EQ(read.getMappingFromFile(L"Plate", L"K"), Acad::eOk);
    const VkSSMapping original = read;
    const auto first = [](const VkSSMapping& m, const wchar_t* name, VkValueType type) {
        int index = -1;
        return m.findSSVar(name, type, index) == Acad::eOk ? index : -1;
    };
    const std::tuple<const wchar_t*, VkValueType, int> rows[] = {{L"Width", VkValueDouble, 0},
                                                                 {L"wIdTh", VkValueString, 1},
                                                                 {L"width", VkValueInt, -1},
                                                                 {L"\u00E4", VkValueDouble, 3},
                                                                 {L"x", VkValueDouble, -1}};
    for (const auto& [name, type, index] : rows)
        EXPECT_EQ(first(read, name, type), index) << Zrl_String(name).toUtf8();

    // After a change the search runs over the changed entries.
    read.mappedObjectsWrite()[0].ssName = L"Other";
    EXPECT_EQ(first(read, L"Width", VkValueDouble), 2);
    EXPECT_EQ(first(read, L"other", VkValueDouble), 0);
    EXPECT_EQ(original.mappedObjects()[0].ssName, L"width");
    VkSSMapping again;
    ASSERT_EQ(again.getMappingFromFile(L"Plate", L"K"), Acad::eOk);
    EXPECT_EQ(again, original);
    EXPECT_EQ(first(again, L"Width", VkValueDouble), 0);
}

} // namespace
