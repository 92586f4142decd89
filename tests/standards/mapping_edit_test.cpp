// The editing of a macro's standards: the standards list, the items offered
// per variable, preselection and read back, and saving under a new key.
#include "macro_fixture.h"
#include "platform/core/text_helpers.h"
#include "standards/mapping_edit.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using fixture::mapEntry;
using namespace mapedit;

VkVarCell variable(const wchar_t* name, VkValueType type, VkCellType section = VkCellInput) {
    VkVarCell cell;
    cell.name = name;
    cell.valueType = type;
    cell.cellType = section;
    return cell;
}

Zrl_StringArray texts(std::initializer_list<const wchar_t*> items) {
    Zrl_StringArray out;
    for (const wchar_t* item : items)
        out.append(item);
    return out;
}

// Draws the given keys in turn (then the last one again and again).
class ScriptedKeys {
public:
    explicit ScriptedKeys(std::vector<std::wstring> keys) {
        previous_ = setRandomStringSource([this, keys, n = size_t(0)](int, bool) mutable {
            ++draws;
            return Zrl_String(keys[std::min(n++, keys.size() - 1)]);
        });
    }
    ~ScriptedKeys() { setRandomStringSource(previous_); }
    int draws = 0;

private:
    RandomStringSource previous_;
};

class MappingEdit : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(candidates.initAllVarsFromMacro(&macro, nullptr), Acad::eOk);
        data.sheetNames.append(L"Plate");
        data.keys.append(L"K1");
        data.groupNames.append(L"Plates");
        data.candidates = &candidates;
        writeMap("Mapping version 1.0\nK1=Width\u0192Plates\u2022Distance Height\n"
                 "Other=Width\u0192Plates\u2022Distance Gap\n");
    }
    std::filesystem::path mapFile() const { return lib.standards() / "Plate.map"; }
    void writeMap(const std::string& text) const {
        std::ofstream(mapFile(), std::ios::binary) << text;
    }
    std::string readMap() const {
        std::ifstream in(mapFile(), std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    static VkSSMapping mapping(std::initializer_list<VkObjectMap> entries) {
        VkSSMapping m;
        for (const VkObjectMap& e : entries)
            m.mappedObjectsWrite().append(e);
        return m;
    }

    fixture::ScratchLibrary lib{"mapedit"};
    Zrl_DbMacro macro = fixture::sampleMacro();
    VkSSMapping candidates;
    TabMappingData data;
};

TEST(MappingItems, TextJoinsTheNonEmptyPartsWithDots) {
    struct Case {
        const wchar_t *group, *objName;
        VkMapVarKind kind;
        const wchar_t *label, *text;
    } cases[] = {
        {L"Plates", L"Height", VkMapVarDistance, L"", L"Plates.Height"},
        {L"Plates", L"Cut1", VkMapVarCutRadius, L"", L"Plates.Cut1.CutRadius"},
        {L"Plates", L"", VkMapVarBoltsDiameter, L"", L"Plates.BoltsDiameter"},
        {L"", L"", VkMapVarBoltsHoleOffset, L"", L"BoltsHoleOffset"},
        {L"", L"Prof0", VkMapVarPrPlName, L"", L"Prof0.PrPlName"},
        {L"", L"Prof0;1", VkMapVarMemberSectionSize, L"h", L"Prof0;1h"},
        {L"", L"gen_Length", VkMapVarGenVar, L"", L"gen_Length.GenVar"},
        {L"Beam", L"P", VkMapVarOwnedMemberName, L"", L"Beam.P.OwnedMemberName"},
    };
    for (const Case& c : cases) {
        VkObjectMap e = mapEntry(L"", c.group, c.kind, c.objName);
        e.label = c.label;
        EXPECT_EQ(itemText(e), c.text);
    }
}

TEST_F(MappingEdit, AVariableIsOfferedOnlyWhatBindsToItsType) {
    const CandidateItems items(candidates);
    const Zrl_Array<VkObjectMap>& all = candidates.mappedObjects();
    int offered = 0;
    for (VkValueType type : {VkValueInt, VkValueDouble, VkValueString}) {
        const AcArray<int>& valid = items.validVars(type);
        ASSERT_EQ(static_cast<size_t>(valid.length()), items.items(type)->size());
        EXPECT_FALSE(valid.isEmpty());
        for (int n = 0; n < valid.length(); ++n) {
            VkValueType own = VkValueString;
            ASSERT_TRUE(mapVarKindValueType(all[valid[n]].kind, own));
            EXPECT_EQ(own, type) << itemText(all[valid[n]]).toUtf8();
            EXPECT_EQ((*items.items(type))[static_cast<size_t>(n)], itemText(all[valid[n]]).str());
            EXPECT_EQ(items.itemOfCandidate(type, valid[n]), n);
        }
        offered += valid.length();
    }
    EXPECT_EQ(offered, all.length());
    // One shared list per type, whatever asks for it.
    EXPECT_EQ(items.items(VkValueDouble).get(), items.items(VkValueDouble).get());
}

TEST_F(MappingEdit, PreselectionFindsTheStoredQuantityOrNothing) {
    const CandidateItems items(candidates);
    const VkSSMapping edited = mapping({
        mapEntry(L"Width", L"PLATES", VkMapVarDistance, L"height"),
        mapEntry(L"Gone", L"Plates", VkMapVarDistance, L"Lost"),
        mapEntry(L"Count", L"Plates", VkMapVarPatternReverseStart1, L"Pattern1"),
        mapEntry(L"Bolts", L"Plates", VkMapVarPatternNrBolts1, L"Pattern2"),
    });
    struct Case {
        VkVarCell var;
        const wchar_t* item; // null: no selection
    } cases[] = {
        {variable(L"Width", VkValueDouble), L"Plates.Height"},
        {variable(L"Gone", VkValueDouble), nullptr},   // the macro lost the quantity
        {variable(L"Width", VkValueInt), nullptr},     // a Distance does not bind an Int
        {variable(L"Count", VkValueInt), L"Plates.Pattern1.PatternReverseStart1"},
        {variable(L"Bolts", VkValueString), L"Plates.Pattern2.PatternNrBolts1"},
        {variable(L"Unmapped", VkValueDouble), nullptr},
    };
    VkVarCells vars;
    std::vector<Choice> choices;
    for (const Case& c : cases) {
        const int item = preselect(edited, items, c.var);
        if (!c.item) {
            EXPECT_EQ(item, -1) << c.var.name.toUtf8();
        } else {
            ASSERT_GE(item, 0) << c.var.name.toUtf8();
            EXPECT_EQ((*items.items(c.var.valueType))[static_cast<size_t>(item)], c.item);
        }
        choices.push_back({vars.length(), item});
        vars.append(c.var);
    }
    // Read back: the valid choices only, as group, object and kind of the
    // candidate with the variable's name.
    choices.push_back({99, 0});
    choices.push_back({0, 100000});
    const VkSSMapping back = mappingFromChoices(items, vars, choices);
    ASSERT_EQ(back.mappedObjects().length(), 3);
    EXPECT_EQ(back.mappedObjects()[0], mapEntry(L"Width", L"Plates", VkMapVarDistance, L"Height"));
    EXPECT_TRUE(back.isEqual(edited));
}

TEST_F(MappingEdit, StandardsListShowsAndReadsBackKeys) {
    data.sheetNames = texts({L"Plate", L"Childs\\Bolt Group", L"Gone", L"Plate"});
    data.keys = texts({L"K1", L"Module.Plates", L"Module.Removed group"});
    const std::vector<StandardRow> shown = standardRows(data);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[1], (StandardRow{L"Childs\\Bolt Group", L"Plates"}));
    EXPECT_EQ(shown[2].mapsTo, L"Removed group"); // kept although no group has that name
    EXPECT_EQ(shown[3].mapsTo, kEntireMacro);      // missing key

    struct Case {
        std::vector<StandardRow> rows;
        std::vector<std::wstring> keys;
        bool modified;
    } cases[] = {
        // As shown: unchanged but for the missing key, now empty.
        {shown, {L"K1", L"Module.Plates", L"Module.Removed group", L""}, true},
        // A group row becomes entire-macro: "Module." is not kept as a key.
        {{{L"Childs\\Bolt Group", kEntireMacro}}, {L""}, true},
        // Another sheet in row 0 starts without a key; group chosen.
        {{{L"Other", kEntireMacro}, {L"Plate", L"Plates"}}, {L"", L"Module.Plates"}, true},
        {{}, {}, true},
    };
    for (const Case& c : cases) {
        TabMappingData d = data;
        EXPECT_EQ(readStandardsBack(d, c.rows), c.modified);
        ASSERT_EQ(d.keys.length(), static_cast<int>(c.keys.size()));
        for (size_t i = 0; i < c.keys.size(); ++i)
            EXPECT_EQ(d.keys[static_cast<int>(i)], c.keys[i]);
        EXPECT_EQ(d.sheetNames.length(), static_cast<int>(c.rows.size()));
    }
    data.keys.append(L"");
    TabMappingData same = data;
    EXPECT_FALSE(readStandardsBack(same, standardRows(data)));
}

TEST_F(MappingEdit, SheetChoicesComeFromSubfoldersWithoutPrefixOrExtension) {
    std::filesystem::create_directories(lib.standards() / "Childs");
    for (const char* name : {"Plate.vks", "Plate.map", "Childs/Bolt Group.vks", "Data/x.txt"})
        std::ofstream(lib.standards() / name) << "x";
    const Zrl_StringArray choices = sheetChoices(standardsFolder());
    ASSERT_EQ(choices.length(), 2);
    EXPECT_EQ(choices[0], L"Plate");
    EXPECT_EQ(choices[1], L"Childs\\Bolt Group");
    // The mapping of a sheet in a subfolder lies beside it, in the library.
    EXPECT_EQ(VkSSMapping::mappingFilePath(L"Childs\\Bolt Group"),
              standardsFolder() + L"Childs\\Bolt Group.map");
}

TEST_F(MappingEdit, UnchangedWritesNothingAndKeepsTheKey) {
    const std::string before = readMap();
    bool modified = false;
    const VkSSMapping same = storedMapping(L"Plate", L"K1");
    ASSERT_EQ(same.mappedObjects().length(), 1);
    EXPECT_EQ(saveStandard(data, 0, same, modified), SaveResult::Unchanged);
    // No line and nothing to store: no file either.
    data.sheetNames.append(L"Fresh");
    data.keys.append(L"");
    EXPECT_EQ(storedMapping(L"Fresh", L"").mappedObjects().length(), 0);
    EXPECT_EQ(saveStandard(data, 1, VkSSMapping(), modified), SaveResult::Unchanged);
    EXPECT_FALSE(std::filesystem::exists(lib.standards() / "Fresh.map"));
    // A module-group standard is never saved.
    data.keys[0] = L"Module.Plates";
    EXPECT_EQ(saveStandard(data, 0, mapping({mapEntry(L"W", L"Plates", VkMapVarDistance, L"Gap")}),
                           modified),
              SaveResult::Skipped);
    EXPECT_FALSE(modified);
    EXPECT_EQ(data.keys[1], L"");
    EXPECT_EQ(readMap(), before);
}

TEST_F(MappingEdit, AChangeGetsAFreshKeyAndKeepsTheOldLine) {
    // The first draws collide with keys in use (without case).
    ScriptedKeys keys({L"k1", L"OTHER", L"ABCDEFGHIJKLMNOPQRSTUVWX"});
    const std::string before = readMap();
    bool modified = false;
    const VkSSMapping changed = mapping({mapEntry(L"Width", L"Plates", VkMapVarDistance, L"Gap")});
    EXPECT_EQ(saveStandard(data, 0, changed, modified), SaveResult::Saved);
    EXPECT_TRUE(modified);
    EXPECT_EQ(keys.draws, 3);
    EXPECT_EQ(data.keys[0], L"ABCDEFGHIJKLMNOPQRSTUVWX");
    const std::string after = readMap();
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.substr(before.size()),
              "ABCDEFGHIJKLMNOPQRSTUVWX=Width\xC6\x92Plates\xE2\x80\xA2" "Distance Gap\n");
    EXPECT_TRUE(storedMapping(L"Plate", data.keys[0]).isEqual(changed));
}

TEST_F(MappingEdit, AFailedSaveChangesNothing) {
    const VkSSMapping changed = mapping({mapEntry(L"Width", L"Plates", VkMapVarDistance, L"Gap")});
    {
        // Every draw is a key in use.
        ScriptedKeys keys({L"Other"});
        bool modified = false;
        EXPECT_EQ(saveStandard(data, 0, changed, modified), SaveResult::KeysExhausted);
        EXPECT_EQ(keys.draws, kMaxKeyDraws);
        EXPECT_FALSE(modified);
        EXPECT_EQ(data.keys[0], L"K1");
    }
    // A mapping file that cannot be read is neither replaced nor taken as empty.
    std::filesystem::remove(mapFile());
    std::filesystem::create_directory(mapFile());
    bool modified = false;
    EXPECT_EQ(saveStandard(data, 0, changed, modified), SaveResult::WriteFailed);
    EXPECT_FALSE(modified);
    EXPECT_EQ(data.keys[0], L"K1");
    EXPECT_TRUE(std::filesystem::is_directory(mapFile()));
    Zrl_String key = L"K2";
    EXPECT_EQ(VkSSMapping(changed).setMappingToFile(L"Plate", key), Acad::eInvalidInput);
}

} // namespace
