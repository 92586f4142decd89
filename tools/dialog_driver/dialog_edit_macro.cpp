// edit-macro: the macro editor, modal, on the drawing's macros; the record
// comes back with the macros as the core operations left them and the
// core calls the editor made, in order.
#include "dialog_edit_macro.h"
#include "dialog_registry.h"
#include "macroui/dlg_edit_macro.h"
#include "platform/core/record_edit_macro.h"
#include "platform/core/record_json.h"
#include "platform/host/call_log.h"

namespace dialogs {

bool readEditMacroDrawing(const std::string& json, Zrl_String& module, std::string& error) {
    gEditMacroDrawing = Zrl_EditMacroDrawing();
    return readEditMacroJson(json, gEditMacroDrawing, module, error);
}

nlohmann::json editMacroDrawingJson(const Zrl_String& module) {
    nlohmann::json out = nlohmann::json::parse(writeEditMacroJson(gEditMacroDrawing, module));
    nlohmann::json calls = nlohmann::json::array();
    for (const host::HostCall& c : host::callLog()) {
        nlohmann::json call = {{"call", c.name}};
        if (!c.args.empty()) {
            Zrl_StringArray args;
            for (const std::wstring& a : c.args)
                if (a.rfind(L"0x", 0) != 0) args.append(Zrl_String(a));
            call["args"] = toJson(args);
        }
        calls.push_back(call);
    }
    out["calls"] = calls;
    return out;
}

namespace {

class EditMacroSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        gEditMacroDrawing = Zrl_EditMacroDrawing();
        return !json || readEditMacroDrawing(*json, module_, error);
    }
    nlohmann::json start() override {
        host::clearCallLog();
        // The record as the core hands it over (the module named, else the
        // first); the editor asks for the modules again as it opens.
        EditConstrData data;
        data.currentModule = module_;
        fillEditConstrData(data);
        const bool ok = StartDlgEditConstrModal(data);
        module_ = data.currentModule;
        return ok;
    }
    nlohmann::json record() const override { return editMacroDrawingJson(module_); }

private:
    Zrl_String module_;
};

const DialogRegistrar registrar({"edit-macro", "StartDlgEditConstrModal",
                                 "the macro editor: modules, rules, geometries, variables and "
                                 "drawing commands of the drawing's macros",
                                 [] { return std::make_unique<EditMacroSession>(); }});

} // namespace
} // namespace dialogs
