// genvars: the general variables dialog through its exported starter.
#include "dialog_registry.h"
#include "platform/core/record_auto_standards.h"
#include "standards/dlg_gen_vars.h"

namespace dialogs {
namespace {

class GenVarsSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        return json == nullptr || readAutoStandardsJson(*json, data_, error);
    }
    nlohmann::json start() override { return StartDlgGenVars(data_); }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeAutoStandardsJson(data_));
    }

private:
    VkAutoStandardsData data_;
};

const DialogRegistrar registrar({"genvars", "StartDlgGenVars",
                                 "the general variables of automatic standards, per drawing "
                                 "and per standard",
                                 [] { return std::make_unique<GenVarsSession>(); }});

} // namespace
} // namespace dialogs
