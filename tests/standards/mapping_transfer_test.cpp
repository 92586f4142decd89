// Moving values between a macro and sheet variables: mapping-file entries,
// module-group names, and the candidate list of a macro.
#include "macro_fixture.h"
#include "standards/dlg_standards_data.h"
#include "standards/ss_mapping.h"

#include <gtest/gtest.h>

namespace {

class Transfer : public ::testing::Test {
protected:
    Zrl_DbMacro db = fixture::sampleMacro();
    MacroData data = fixture::sampleData();

    static VkObjectMap entry(const wchar_t* group, VkMapVarKind kind, const wchar_t* objName) {
        return fixture::mapEntry(L"", group, kind, objName);
    }
    ErrorStatus get(const wchar_t* group, VkMapVarKind kind, const wchar_t* objName,
                    Zrl_String& value) {
        return entry(group, kind, objName).getMacroVarValue(&db, &data, value, nullptr);
    }
    ErrorStatus set(const wchar_t* group, VkMapVarKind kind, const wchar_t* objName,
                    Zrl_String value) {
        return entry(group, kind, objName).setMacroVarValue(&db, &data, value, nullptr);
    }
    // The value read, or "!" when it cannot be read.
    std::wstring read(const wchar_t* group, VkMapVarKind kind, const wchar_t* objName) {
        Zrl_String v;
        return get(group, kind, objName, v) == Acad::eOk ? v.str() : L"!";
    }
};

TEST_F(Transfer, DialogVariableWriteMakesTheVariableFlexible) {
    EXPECT_EQ(read(L"Plates", VkMapVarDistance, L"Height"), L"200");
    // A refused value leaves both the variable and its button alone.
    EXPECT_EQ(set(L"Plates", VkMapVarDistance, L"Height", L"tall"), Acad::eInvalidInput);
    EXPECT_FALSE(data.tabs[0].flexFix[0].flex);
    ASSERT_EQ(set(L"Plates", VkMapVarDistance, L"Height", L"250"), Acad::eOk);
    EXPECT_EQ(fixture::dialogValue(db, L"Endplate", L"Height"), 250);
    EXPECT_TRUE(data.tabs[0].flexFix[0].flex);
    // Writing again does not switch the button back.
    ASSERT_EQ(set(L"Plates", VkMapVarDistance, L"Height", L"260"), Acad::eOk);
    EXPECT_TRUE(data.tabs[0].flexFix[0].flex);
}

TEST_F(Transfer, QuantitiesNoModuleHasAreFailures) {
    Zrl_String v = L"kept";
    EXPECT_EQ(get(L"Plates", VkMapVarDistance, L"Depth", v), Acad::eInvalidInput);
    EXPECT_EQ(get(L"Stiffeners", VkMapVarDistance, L"Height", v), Acad::eInvalidInput);
    EXPECT_EQ(get(L"", VkMapVarDistance, L"Height", v), Acad::eInvalidInput);
    EXPECT_EQ(v, L"kept");
    EXPECT_EQ(set(L"Plates", VkMapVarDistance, L"Depth", L"1"), Acad::eInvalidInput);
}

TEST_F(Transfer, MacroQuantities) {
    EXPECT_EQ(read(L"", VkMapVarGenVar, L"gen_Length"), L"1200.50000000");
    ASSERT_EQ(set(L"", VkMapVarGenVar, L"gen_Length", L"99.5"), Acad::eOk);
    EXPECT_EQ(db.macro.generalVariables[0].value, 99.5);
    EXPECT_EQ(set(L"", VkMapVarGenVar, L"gen_Length", L""), Acad::eInvalidInput);
    EXPECT_EQ(db.macro.generalVariables[0].value, 99.5);

    // Both base-profile kinds read the section name; neither can be written.
    EXPECT_EQ(read(L"", VkMapVarPrPlName, L"Prof0"), L"HEA200");
    EXPECT_EQ(read(L"", VkMapVarPrPlMaterial, L"Prof0"), L"HEA200");
    EXPECT_EQ(set(L"", VkMapVarPrPlName, L"Prof0", L"HEB300"), Acad::eInvalidInput);
    EXPECT_EQ(read(L"", VkMapVarPrPlName, L"Prof7"), L"!");

    EXPECT_EQ(read(L"", VkMapVarMemberSectionSize, L"Prof0;1"), L"200");
    EXPECT_EQ(read(L"", VkMapVarMemberSectionSize, L"Prof1;0"), L"!");
    EXPECT_EQ(read(L"", VkMapVarMemberSectionSize, L"Prof0"), L"!");
    EXPECT_EQ(set(L"", VkMapVarMemberSectionSize, L"Prof0;1", L"1"), Acad::eInvalidInput);
}

TEST_F(Transfer, CutsBoltsPatternsAndMembers) {
    Zrl_String v;
    EXPECT_EQ(read(L"Plates", VkMapVarCutRadius, L"Cut1"), L"8.0000000");
    ASSERT_EQ(set(L"Plates", VkMapVarCutChamferOffset2, L"Cut1", L"12.5"), Acad::eOk);
    EXPECT_EQ(db.macro.modules[0].cuts[0].offsets[VkCutChamferOffset2], 12.5);
    EXPECT_EQ(read(L"Plates", VkMapVarCutRadius, L"Cut2"), L"!");

    EXPECT_EQ(read(L"Plates", VkMapVarBoltsHoleOffset, L""), L"2");
    ASSERT_EQ(set(L"Plates", VkMapVarBoltsDiameter, L"", L"24"), Acad::eOk);
    EXPECT_EQ(data.tabs[0].boltData.diameter, L"24");

    EXPECT_EQ(read(L"Plates", VkMapVarPatternNrBolts2, L"Pattern1"), L"3");
    ASSERT_EQ(set(L"Plates", VkMapVarPatternReverseStart1, L"Pattern1", L"1"), Acad::eOk);
    EXPECT_TRUE(db.macro.modules[1].patterns[0].reversed1);
    EXPECT_EQ(read(L"Plates", VkMapVarPatternReverseStart1, L"Pattern1"), L"1");
    EXPECT_EQ(read(L"Plates", VkMapVarPatternReverseStart2, L"Pattern1"), L"0");

    EXPECT_EQ(read(L"Beam", VkMapVarOwnedMemberName, L"P"), L"B1");
    ASSERT_EQ(set(L"Beam", VkMapVarOwnedMemberName, L"P", L"B7"), Acad::eOk);
    EXPECT_EQ(data.tabs[1].profGroups[0].name, L"B7");
    EXPECT_EQ(set(L"Beam", VkMapVarOwnedMemberName, L"Q", L"B8"), Acad::eInvalidInput);
    // Without the macro's dialog record no module quantity is reachable.
    VkObjectMap e = entry(L"Beam", VkMapVarOwnedMemberName, L"P");
    EXPECT_EQ(e.getMacroVarValue(&db, nullptr, v, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(e.getMacroVarValue(nullptr, &data, v, nullptr), Acad::eInvalidInput);
}

class ModuleGroup : public Transfer {
protected:
    // Reads (get) or writes a sheet name's quantity in the group of `key`.
    ErrorStatus transfer(const wchar_t* key, const wchar_t* name, VkValueType type,
                         Zrl_String& value, bool get) {
        VkDlgStandardsData r;
        r.initialize(&db, L"Plate", key, &data);
        VkSSMapping m;
        m.initFromModuleGroup(r.group);
        return get ? m.getMacroVarValue(name, type, value, r)
                   : m.setMacroVarValue(name, type, value, r);
    }
    std::wstring read(const wchar_t* key, const wchar_t* name, VkValueType type) {
        Zrl_String v;
        return transfer(key, name, type, v, true) == Acad::eOk ? v.str() : L"!";
    }
    ErrorStatus set(const wchar_t* key, const wchar_t* name, VkValueType type, Zrl_String value) {
        return transfer(key, name, type, value, false);
    }
};

TEST_F(ModuleGroup, NamesSayWhatTheyStandFor) {
    EXPECT_EQ(read(L"Module.Beam", L"P.Name", VkValueString), L"IPE200");
    EXPECT_EQ(read(L"Module.Beam", L"P.Material", VkValueString), L"S235");
    // Q has no material; R is no placement, and no other rule reads ".Name".
    EXPECT_EQ(read(L"Module.Beam", L"Q.Material", VkValueString), L"!");
    EXPECT_EQ(read(L"Module.Beam", L"R.Name", VkValueString), L"!");

    EXPECT_EQ(read(L"Module.Plates", L"Cut1.CutRadius", VkValueDouble), L"8.0000000");
    EXPECT_EQ(read(L"Module.Plates", L"gen.Length", VkValueDouble), L"1200.5000");
    EXPECT_EQ(read(L"Module.Plates", L"gen.Length", VkValueString), L"!");
    EXPECT_EQ(read(L"Module.Plates", L"x.Diameter", VkValueInt), L"20");
    // The bolt counts answer for any type.
    EXPECT_EQ(read(L"Module.Plates", L"Pattern2.NrBolts1", VkValueString), L"4");
    EXPECT_EQ(read(L"Module.Plates", L"Pattern1.ReverseStart2", VkValueInt), L"0");
    EXPECT_EQ(read(L"Module.Beam", L"P.MemberName", VkValueString), L"B1");
    EXPECT_EQ(read(L"Module.Plates", L"Width", VkValueInt), L"150");
    EXPECT_EQ(read(L"Module.Plates", L"Width", VkValueString), L"!");
    EXPECT_EQ(read(L"Module.Nowhere", L"Width", VkValueDouble), L"!");
}

TEST_F(ModuleGroup, WritesReachTheMacro) {
    ASSERT_EQ(set(L"Module.Plates", L"Gap", VkValueDouble, L"12"), Acad::eOk);
    EXPECT_EQ(fixture::dialogValue(db, L"Endplate", L"Gap"), 12);
    ASSERT_EQ(set(L"Module.Plates", L"gen.Count", VkValueInt, L"5"), Acad::eOk);
    EXPECT_EQ(db.macro.generalVariables[1].value, 5);
    ASSERT_EQ(set(L"Module.Plates", L"Cut1.Chamfer1", VkValueDouble, L"3"), Acad::eOk);
    EXPECT_EQ(db.macro.modules[0].cuts[0].offsets[VkCutChamferOffset1], 3);
    // Names can only be read.
    EXPECT_EQ(set(L"Module.Beam", L"P.Name", VkValueString, L"IPE300"), Acad::eInvalidInput);
    EXPECT_EQ(db.macro.modules[2].placements[0].section, L"IPE200");
    EXPECT_EQ(set(L"Module.Plates", L"Depth", VkValueDouble, L"1"), Acad::eInvalidInput);
}

TEST(StandardsRecord, InitializeSetsTheGroupOfModuleKeys) {
    Zrl_DbMacro db;
    MacroData data;
    VkDlgStandardsData r;
    r.mode = 1;
    EXPECT_EQ(r.initialize(&db, L"S", L"Module.Base", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(r.initialize(nullptr, L"S", L"Module.Base", &data), Acad::eInvalidInput);
    EXPECT_EQ(r.mode, 1);
    EXPECT_TRUE(r.sheetFile.isEmpty());
    ASSERT_EQ(r.initialize(&db, L"S", L"Module.Base", &data), Acad::eOk);
    EXPECT_EQ(r.group, L"Base");
    EXPECT_EQ(r.mode, 0);
    ASSERT_EQ(r.initialize(&db, L"S", L"Xq3LmModule.Base", &data), Acad::eOk);
    EXPECT_EQ(r.group, L"");
    EXPECT_EQ(r.macroKey, L"Xq3LmModule.Base");
}

TEST(Candidates, EveryQuantityOfTheMacro) {
    Zrl_DbMacro db = fixture::sampleMacro();
    VkSSMapping m;
    EXPECT_EQ(m.initAllVarsFromMacro(nullptr, nullptr), Acad::eInvalidInput);
    ASSERT_EQ(m.initAllVarsFromMacro(&db, nullptr), Acad::eOk);
    // Per module: dialog variables (category from their flags), cut offsets,
    // bolt data and patterns, placements; then base profiles and general
    // variables.
    const Zrl_Array<VkObjectMap>& list = m.mappedObjects();
    ASSERT_EQ(list.length(), 37);
    auto text = [&](int i) {
        Zrl_String mapText, name;
        list[i].setMappingToStrs(mapText, name);
        return mapText + L"|" + Zrl_String(list[i].category) + L"|" + list[i].label;
    };
    const std::pair<int, const wchar_t*> expected[] = {
        {0, L"Plates\u2022Distance Height|0|"},
        {1, L"Plates\u2022Distance Width|1|"},
        {2, L"Plates\u2022Distance Gap|2|"},
        {3, L"Plates\u2022Distance Extra|3|"},
        {12, L"Plates\u2022CutRadius Cut1|0|"},
        {14, L"Plates\u2022CutLengthOffset Cut2|0|"},
        {15, L"Plates\u2022BoltsDiameter |0|"},
        {18, L"Plates\u2022PatternReverseStart1 Pattern1|0|"},
        {20, L"Plates\u2022PatternReverseStart2 Pattern1|0|"},
        {22, L"Plates\u2022PatternReverseStart1 Pattern2|0|"},
        {23, L"Beam\u2022Distance Offset|3|"},
        {25, L"Beam\u2022OwnedMemberName Q|0|"},
        {27, L"\u2022PrPlMaterial Prof0|0|"},
        {29, L"\u2022MemberSectionSize Prof0;1|0|b"},
        {33, L"\u2022PrPlName Prof1|0|"},
        {36, L"\u2022GenVar gen_Count|0|"}};
    for (auto [i, t] : expected)
        EXPECT_EQ(text(i), t) << i;

    // Numbers are offered to Int and Double variables alike, texts to Strings.
    AcArray<int> valid;
    m.getValidVars(false, VkValueString, valid);
    EXPECT_EQ(valid, AcArray<int>({17, 19, 21, 24, 25, 26, 27, 33, 34}));
    AcArray<int> forInt, forDouble;
    m.getValidVars(false, VkValueInt, forInt);
    m.getValidVars(true, VkValueDouble, forDouble);
    EXPECT_EQ(forInt, forDouble);
    EXPECT_EQ(forInt.length() + valid.length(), m.mappedObjects().length());
}

TEST(Candidates, SortByCategory) {
    VkSSMapping m;
    for (int category : {3, 0, 1}) {
        VkObjectMap e;
        e.kind = VkMapVarDistance;
        e.category = category;
        m.mappedObjectsWrite().append(e);
    }
    AcArray<int> vars = {0, 1, 2};
    EXPECT_EQ(m.sortValidVars(vars, AcArray<int>()), Acad::eInvalidInput);
    EXPECT_EQ(vars, AcArray<int>({0, 1, 2}));
    ASSERT_EQ(m.sortValidVars(vars, AcArray<int>({0, 1})), Acad::eOk);
    EXPECT_EQ(vars, AcArray<int>({-1, 1, -1, 0, 2}));
    // Sorting a sorted list gives the same list.
    ASSERT_EQ(m.sortValidVars(vars, AcArray<int>({0, 1})), Acad::eOk);
    EXPECT_EQ(vars, AcArray<int>({-1, 1, -1, 0, 2}));
    ASSERT_EQ(m.sortValidVars(vars, AcArray<int>({2, 1, 0})), Acad::eOk);
    EXPECT_EQ(vars, AcArray<int>({-1, -1, 2, -1, 1, 0}));
}

} // namespace
