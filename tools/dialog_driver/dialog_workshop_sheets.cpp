// sheets-manager: the docked sheets manager. The run starts the bar, plays
// the script's first block on the docked window, then ends the bar; the
// result tells both and lists the sheet formats the window asked the core
// for.
#include "dialog_registry.h"
#include "platform/core/record_json.h"
#include "platform/core/record_workshop.h"
#include "platform/win/script.h"
#include "workshop/dlg_sheets_mgr.h"

namespace dialogs {
namespace {

class SheetsMgrSession : public RecordSession {
public:
    bool readFields(const nlohmann::json& root, RecordReader&, std::string& error) override {
        return readSheetsMgrJson(root, data_, error);
    }
    nlohmann::json start() override {
        VkSheetsMgrDlgData::clearFormatRequests();
        const bool started = StartModelessDlgSheetsMgr(data_);
        if (CDlgSheetsMgr* dlg = openSheetsMgr()) win::script().playOpenDialog(*dlg);
        const bool ended = EndModelessDlgSheetsMgr();
        return {{"started", started},
                {"ended", ended},
                {"formats", toJson(VkSheetsMgrDlgData::formatRequests())}};
    }
    nlohmann::json record() const override { return sheetsMgrJson(data_); }

private:
    VkSheetsMgrDlgData data_;
};

const DialogRegistrar registrar({"sheets-manager", "StartModelessDlgSheetsMgr",
                                 "the docked sheets manager: sheets with their parts, context "
                                 "menus and the output menu",
                                 [] { return std::make_unique<SheetsMgrSession>(); }});

} // namespace
} // namespace dialogs
