// cis2: the CIS/2 export options through their exported starter; the
// section names it edits are in the library folder (--lib).
//
//   { "optionA": true, "optionB": true, "optionC": false, "optionD": false,
//     "optionE": false }
#include "dialog_registry.h"
#include "dialogs/dlg_cis2.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

class Cis2Session : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        VkDlgCis2Data read;
        if (!r.object({"optionA", "optionB", "optionC", "optionD", "optionE"}) ||
            !r.boolean("optionA", read.optionA) || !r.boolean("optionB", read.optionB) ||
            !r.boolean("optionC", read.optionC) || !r.boolean("optionD", read.optionD) ||
            !r.boolean("optionE", read.optionE))
            return false;
        data_ = read;
        return true;
    }
    json start() override { return StartDlgCis2Info(data_); }
    json record() const override {
        return {{"optionA", data_.optionA},
                {"optionB", data_.optionB},
                {"optionC", data_.optionC},
                {"optionD", data_.optionD},
                {"optionE", data_.optionE}};
    }

private:
    VkDlgCis2Data data_;
};

const DialogRegistrar registrar({"cis2", "StartDlgCis2Info",
                                 "the options of a CIS/2 export and the names it gives to "
                                 "sections (CIS2ProfNames.dat in the library folder)",
                                 [] { return std::make_unique<Cis2Session>(); }});

} // namespace
} // namespace dialogs
