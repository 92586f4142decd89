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

#include "platform/core/macro_description.h"
#include "platform/core/settings.h"
#include "standards/object_map.h"
#include "test_paths.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fixture {

// A mapping entry: the sheet variable `ssName` stands for the quantity
// `objName` of the kind in `group`.
inline VkObjectMap mapEntry(const wchar_t* ssName, const wchar_t* group, VkMapVarKind kind,
                            const wchar_t* objName) {
    VkObjectMap e;
    e.ssName = ssName;
    e.group = group;
    e.kind = kind;
    e.objName = objName;
    return e;
}

// The sample macro and its dialog record (tests/data/standards/endplate.json).
struct Sample {
    Zrl_DbMacro macro;
    MacroData data;
    Sample() {
        loadMacroDescription(Zrl_String::fromUtf8(ZRLSS_TEST_DATA "/standards/endplate.json"),
                             macro, data);
    }
};

inline Zrl_DbMacro sampleMacro() {
    return Sample().macro;
}
inline MacroData sampleData() {
    return Sample().data;
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
