// macro, macro-modeless: the macro dialog through its starters, on a macro
// description whose dialog record may also hold the drawing's other macros
// and the host's previous selection (platform/core/record_macro.h). The
// property-list folder of the record is found from the record's folder.
// The profile pages' advanced and cuts buttons open the detail dialogs
// (macro_detail_hook.h).
#include "dialog_registry.h"
#include "macro_detail_hook.h"
#include "macroui/dlg_macro.h"
#include "macroui/macro_starters.h"
#include "platform/core/record_macro.h"
#include "platform/win/script.h"

namespace dialogs {
namespace {

using nlohmann::json;

class MacroSession : public DialogSession {
public:
    explicit MacroSession(bool modeless) : modeless_(modeless) {}
    // The drawing and the hooks hold objects of this library, which may be
    // unloaded before the core: they go with the session.
    ~MacroSession() override {
        gMacroDrawing.clear();
        gMacroCoreHooks = {};
    }

    bool prepare(const std::string* text, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        Zrl_MacroDrawing drawing;
        if (text && !readMacroDialogJson(*text, macro_, data_, drawing, error)) return false;
        if (!text) {
            data_.objectIds.append(AcDbObjectId(1));
            drawing.macros.append({AcDbObjectId(1), L"Macro", {}, false});
        }
        if (!data_.propLists.folder.isEmpty()) {
            const std::string folder = data_.propLists.folder.toUtf8();
            data_.propLists.folder = Zrl_String::fromUtf8(resolveFrom(options, folder));
            const wchar_t last = data_.propLists.folder[data_.propLists.folder.length() - 1];
            if (last != L'/' && last != L'\\') data_.propLists.folder += L"/";
        }
        gMacroDrawing = drawing;
        gMacroCoreHooks = {};
        gMacroCoreHooks.detailDialog = macroDetailDialogs(macro_);
        return true;
    }

    json start() override {
        if (!modeless_) {
            StartDlgMacro(data_);
            return nullptr;
        }
        int index = -1;
        if (!StartDlgMacroModeless(true, data_, index)) return {{"shown", false}};
        if (CDlgMacro* dlg = macroui::modelessMacroDlg(index)) win::script().playOpenDialog(*dlg);
        json result = {{"shown", true}, {"index", index}};
        // The record as the core reads it from the live dialog, then the end.
        const bool live = GetDlgMacroData(index, data_);
        result["live"] = live;
        if (live) {
            const bool postponed = data_.postponeClose;
            EndDlgMacroModeless(index);
            result["end"] = postponed ? "postponed" : "closed";
            if (CDlgMacro* dlg = macroui::modelessMacroDlg(index)) {
                // The command ends here: the postponed close is done now.
                dlg->record().postponeClose = false;
                EndDlgMacroModeless(index);
            }
        }
        macroui::flushClosedMacroDlgs();
        return result;
    }

    json record() const override {
        return json::parse(writeMacroDialogJson(macro_, data_, gMacroDrawing));
    }

private:
    bool modeless_;
    Zrl_DbMacro macro_;
    MacroData data_;
};

const DialogRegistrar modal({"macro", "StartDlgMacro",
                             "the values of connection macros, page by page, with filters, "
                             "views and property lists",
                             [] { return std::make_unique<MacroSession>(false); }});
const DialogRegistrar modeless({"macro-modeless", "StartDlgMacroModeless",
                                "the macro dialog modeless: the script plays it, then its "
                                "record is read (GetDlgMacroData) and it is ended",
                                [] { return std::make_unique<MacroSession>(true); }});

} // namespace
} // namespace dialogs
