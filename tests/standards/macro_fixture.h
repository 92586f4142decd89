// A sample connection macro and a scratch library folder for the tests of
// the standards engine.
//
// Modules: "Endplate" (group "Plates"): dialog variables Height, Width, Gap,
// Extra and cuts Cut1 (every offset) and Cut2 (straight); "Bolts" (group
// "Plates", a bolt module): patterns Pattern1 (two directions) and Pattern2;
// "Beam" (no group, a profile module): placements P and Q and the dialog
// variable Offset. General variables gen_Length and gen_Count; base profiles
// HEA200 and one without a section table.
#pragma once

#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"
#include "platform/core/settings.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fixture {

inline Zrl_DbMacro sampleMacro() {
    Zrl_DbMacro db;
    Zrl_Macro& m = db.macro;
    m.name = L"Endplate connection";

    Zrl_MacroModule plate;
    plate.name = L"Endplate";
    plate.group = L"Plates";
    plate.dialogVariables.append({L"Height", 200, true, true});
    plate.dialogVariables.append({L"Width", 150, true, false});
    plate.dialogVariables.append({L"Gap", 10, false, true});
    plate.dialogVariables.append({L"Extra", 5, false, false});
    Zrl_MacroCut cut1;
    cut1.name = L"Cut1";
    cut1.cutType = Zrl_CutFull;
    cut1.offsets[VkCutRadius] = 8;
    Zrl_MacroCut cut2;
    cut2.name = L"Cut2";
    cut2.cutType = Zrl_CutStraight;
    plate.cuts.append(cut1);
    plate.cuts.append(cut2);
    m.modules.append(plate);

    Zrl_MacroModule bolts;
    bolts.name = L"Bolts";
    bolts.group = L"Plates";
    bolts.typeCode = kZrlModuleBolt;
    bolts.patterns.append({1, L"Pattern1", kZrlPatternDouble, false, false});
    bolts.patterns.append({2, L"Pattern2", kZrlPatternSingle, false, false});
    m.modules.append(bolts);

    Zrl_MacroModule beam;
    beam.name = L"Beam";
    beam.typeCode = kZrlModuleProfile;
    beam.placements.append({L"P", L"IPE200", L"S235"});
    beam.placements.append({L"Q", L"HEB240", L""});
    beam.dialogVariables.append({L"Offset", 25, false, false});
    m.modules.append(beam);

    m.generalVariables.append({L"gen_Length", 1200.5});
    m.generalVariables.append({L"gen_Count", 3});
    db.baseProfiles.append({AcDbObjectId(101), L"HEA200", L"S355"});
    db.baseProfiles.append({AcDbObjectId(102), L"Custom 12", L""});
    return db;
}

inline MacroData sampleData() {
    MacroData data;
    data.caption = L"Endplate connection";
    MacroTabData plates;
    plates.name = L"Plates";
    plates.hasBoltData = true;
    plates.boltData = {L"20", L"2"};
    plates.patterns.append({L"Pattern1", L"2", L"3"});
    plates.patterns.append({L"Pattern2", L"4", L""});
    plates.flexFix.append({L"Height", false});
    data.tabs.append(plates);
    MacroTabData beam;
    beam.name = L"Beam";
    beam.profGroups.append({L"P", L"B1", L"IPE200", L"S235"});
    data.tabs.append(beam);
    return data;
}

inline double dialogValue(const Zrl_DbMacro& db, const wchar_t* module, const wchar_t* var) {
    for (const Zrl_DialogVariable& v : db.macroRead().findModule(module)->dialogVariables) {
        if (v.name == var) return v.value;
    }
    return -1;
}

// A fresh folder under the system's temporary folder, made the library
// folder for the test and removed afterwards.
class ScratchLibrary {
public:
    explicit ScratchLibrary(const std::string& name) {
        dir_ = std::filesystem::temp_directory_path() /
               ("zrlss-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "Connection Standards" / "Data");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir_.string()));
    }
    ~ScratchLibrary() {
        Zrl_Settings::setLibDir(Zrl_String());
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path standards() const { return dir_ / "Connection Standards"; }

private:
    std::filesystem::path dir_;
};

} // namespace fixture
