// prof-cuts: the profile cuts dialog through its exported starter, on a
// drawing of profiles the record describes.
#include "dialog_registry.h"
#include "dialogs/dlg_prof_cuts.h"
#include "platform/core/record_prof_cuts.h"

namespace dialogs {
namespace {

class ProfCutsSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        ProfCutsScene scene;
        if (json != nullptr && !readProfCutsJson(*json, scene, error)) return false;
        // The session's objects are new ones: those of earlier sessions stay
        // and are not written (they have no handle here).
        placeProfCutsScene(scene, data_, handles_);
        return true;
    }
    nlohmann::json start() override { return StartEditProfCutsDlg(data_); }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeProfCutsJson(data_, handles_));
    }

private:
    DlgProfCutsData data_;
    std::map<AcDbObjectId, std::string> handles_;
};

const DialogRegistrar registrar({"prof-cuts", "StartEditProfCutsDlg",
                                 "the cuts of a profile in the drawing: each previewed, "
                                 "deleted, another profile picked",
                                 [] { return std::make_unique<ProfCutsSession>(); }});

} // namespace
} // namespace dialogs
