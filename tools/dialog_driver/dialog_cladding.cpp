// cladding: the cladding settings dialog through its exported starter, with
// the core's table of the constraint types each kind allows.
#include "dialog_registry.h"
#include "dialogs/dlg_cladding.h"
#include "platform/core/record_cladding.h"
#include "prof_tables.h"

namespace dialogs {
namespace {

class CladdingSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        std::map<int, std::vector<int>> validTypes;
        if (json != nullptr && !readCladdingJson(*json, data_, validTypes, error)) return false;
        resetValidConstrainTypes();
        for (const auto& [kind, types] : validTypes)
            setValidConstrainTypes(kind, types);
        tables_.handOver();
        return true;
    }
    nlohmann::json start() override { return StartDlgCladdingSettings(data_); }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeCladdingJson(data_));
    }

private:
    VkCladdingDlgData data_;
    LibraryTables tables_;
};

const DialogRegistrar registrar({"cladding", "StartDlgCladdingSettings",
                                 "how cladding is fixed: the rails' profile, constraint "
                                 "types, fixing, position, a value and a switch",
                                 [] { return std::make_unique<CladdingSession>(); }});

} // namespace
} // namespace dialogs
