// cutting-stock: the cutting-stock dialog through its exported starter.
#include "cuttingstock/dlg_csp2.h"
#include "dialog_registry.h"
#include "platform/core/record_cutting_stock.h"

namespace dialogs {
namespace {

class CuttingStockSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        return json == nullptr || readCuttingStockJson(*json, data_, error);
    }
    nlohmann::json start() override { return StartDlgCSP2(data_); }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeCuttingStockJson(data_));
    }

private:
    DlgCSP2Data data_;
};

const DialogRegistrar registrar({"cutting-stock", "StartDlgCSP2",
                                 "pieces, shop stock and purchase lengths per profile, with "
                                 "the stock files",
                                 [] { return std::make_unique<CuttingStockSession>(); }});

} // namespace
} // namespace dialogs
