// ws-settings: the workshop-drawing settings through their exported starter.
#include "dialog_registry.h"
#include "platform/core/record_workshop.h"
#include "workshop/dlg_ws_settings.h"

namespace dialogs {
namespace {

class WsSettingsSession : public RecordSession {
public:
    bool readFields(const nlohmann::json& root, RecordReader&, std::string& error) override {
        return readWsSettingsJson(root, settings_, error);
    }
    nlohmann::json start() override { return StartDlgWsSettings(settings_); }
    nlohmann::json record() const override { return wsSettingsJson(settings_); }

private:
    WsUiGlobalSettings settings_;
};

const DialogRegistrar registrar({"ws-settings", "StartDlgWsSettings",
                                 "the workshop-drawing settings: dimension styles, marks and "
                                 "settings groups",
                                 [] { return std::make_unique<WsSettingsSession>(); }});

} // namespace
} // namespace dialogs
