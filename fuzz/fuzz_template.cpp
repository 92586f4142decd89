// Feeds arbitrary bytes to the template reader as a template file. A file
// that does not read leaves the model as it was; one that reads must write
// and read back to the same controls; the check of `zrlss template --check`
// must answer for every file without failing.
#include "designer/dlg_designer_data.h"
#include "designer/template_check.h"
#include "platform/core/files.h"
#include "platform/core/settings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

const std::filesystem::path& root() {
    static const std::filesystem::path dir = [] {
        const auto lib = std::filesystem::temp_directory_path() /
                         ("zrlss-fuzz-template-" + std::to_string(::getpid()));
        std::filesystem::create_directories(lib / "Dialog Templates" / "Dialog Design");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(lib.string()));
        return lib / "Dialog Templates" / "Dialog Design";
    }();
    return dir;
}

Zrl_String text(const std::filesystem::path& p) {
    return Zrl_String::fromUtf8(p.string());
}

bool sameControls(const Zrl_DlgDesignerData& a, const Zrl_DlgDesignerData& b) {
    if (a.getNrControls() != b.getNrControls()) return false;
    for (int i = 0; i < a.getNrControls(); ++i) {
        const Zrl_DesignerControl& x = a.controls[i];
        const Zrl_DesignerControl& y = b.controls[i];
        if (x.type != y.type || x.topLeftX != y.topLeftX || x.topLeftY != y.topLeftY ||
            x.bottomRightX != y.bottomRightX || x.bottomRightY != y.bottomRightY ||
            !(x.contents == y.contents) ||
            !(x.getMergedExtComboList() == y.getMergedExtComboList()))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto in = root() / "In.txt";
    if (!writeFileAtomically(in, std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    Zrl_DlgDesignerData model;
    model.name = L"Before";
    if (!model.readFromFile(text(in), false)) {
        if (model.getNrControls() != 0 || !(model.name == L"Before")) std::abort();
    } else {
        if (!model.writeToFile(text(root() / "Out.txt"))) std::abort();
        Zrl_DlgDesignerData again;
        if (!again.readFromFile(text(root() / "Out.txt"), false)) std::abort();
        if (!sameControls(model, again)) std::abort();
    }
    Zrl_PropertiesList list;
    const bool readable = list.readFromFile(text(in)) == Acad::eOk;
    const auto problems = designer_check::templateProblems(readable ? &list : nullptr, false,
                                                           kMaxTemplateControls);
    if (problems.empty()) std::abort(); // no picture is always a problem here
    return 0;
}
