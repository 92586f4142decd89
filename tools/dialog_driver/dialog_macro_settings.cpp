// macro-settings: the macro settings dialog (the standards mapping tab) on a
// macro description; on OK the description keeps its changed standards.
#include "dialog_registry.h"
#include "macroui/dlg_macro_settings.h"
#include "platform/core/macro_description.h"
#include "standards/ss_mapping.h"

namespace dialogs {
namespace {

class MacroSettingsSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        if (!json) return true;
        Zrl_String why;
        if (parseMacroDescription(*json, macro_, data_, &why) != Acad::eOk) {
            error = why.toUtf8();
            return false;
        }
        return true;
    }
    nlohmann::json start() override {
        VkSSMapping candidates;
        candidates.initAllVarsFromMacro(&macro_, nullptr);
        TabMappingData standards;
        standards.fillFromMacro(macro_);
        standards.candidates = &candidates;
        bool modified = false;
        const bool ok = runMacroSettings(standards, modified);
        if (ok) standards.storeInMacro(macro_);
        return ok;
    }
    nlohmann::json record() const override {
        return nlohmann::json::parse(macroDescriptionText(macro_, data_));
    }

private:
    Zrl_DbMacro macro_;
    MacroData data_;
};

const DialogRegistrar registrar({"macro-settings", "CDlgMacroSettings (the macro editor's Settings)",
                                 "the standards sheets of a macro and how each maps the "
                                 "macro's quantities",
                                 [] { return std::make_unique<MacroSettingsSession>(); }});

} // namespace
} // namespace dialogs
