// macro-settings: the macro settings dialog (the standards mapping tab) on a
// macro description; on OK the description keeps its changed standards. On
// the macro editor's record ({"macros", "current"}) it runs the editor's
// Settings button: the current macro's standards, back with the core calls.
#include "dialog_edit_macro.h"
#include "dialog_registry.h"
#include "macroui/dlg_macro_settings.h"
#include "platform/core/macro_description.h"
#include "platform/host/call_log.h"
#include "standards/ss_mapping.h"

namespace dialogs {
namespace {

class MacroSettingsSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        if (!json) return true;
        nlohmann::json root = nlohmann::json::parse(*json, nullptr, false);
        editor_ = root.is_object() && root.contains("macros");
        if (editor_) return readEditMacroDrawing(*json, module_, error);
        Zrl_String why;
        if (parseMacroDescription(*json, macro_, data_, &why) != Acad::eOk) {
            error = why.toUtf8();
            return false;
        }
        return true;
    }
    nlohmann::json start() override {
        if (editor_) {
            host::clearCallLog();
            EditConstrData data;
            data.currentModule = module_;
            MacroGetModules(data);
            return runEditorMacroSettings(data);
        }
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
        if (editor_) return editMacroDrawingJson(module_);
        return nlohmann::json::parse(macroDescriptionText(macro_, data_));
    }

private:
    bool editor_ = false;
    Zrl_String module_;
    Zrl_DbMacro macro_;
    MacroData data_;
};

const DialogRegistrar registrar({"macro-settings", "CDlgMacroSettings (the macro editor's Settings)",
                                 "the standards sheets of a macro and how each maps the "
                                 "macro's quantities",
                                 [] { return std::make_unique<MacroSettingsSession>(); }});

} // namespace
} // namespace dialogs
