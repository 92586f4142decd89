// dstv-points: the DSTV point groups of the library folder (--lib). Its
// record is empty ({}); the record printed after the run lists the groups and
// the standard group as they are on disk then.
#include "dialog_registry.h"
#include "platform/core/dstv_points_files.h"
#include "platform/core/record_json.h"
#include "workshop/dlg_dstv_groups.h"

namespace dialogs {
namespace {

class DstvPointsSession : public RecordSession {
public:
    // The record is empty: the dialog works on the library's files.
    bool readFields(const nlohmann::json&, RecordReader& r, std::string&) override {
        return r.object(std::vector<std::string_view>{});
    }
    nlohmann::json start() override {
        StartDSTVPointsDlg();
        return nullptr;
    }
    nlohmann::json record() const override {
        Zrl_StringArray names;
        DlgDstvPoints::getAllDstvPointsFiles(names);
        const Zrl_String standard = DlgDstvPoints::getStandardDstvPointsFile();
        return {{"groups", toJson(names)},
                {"standard", standard.isEmpty() ? nlohmann::json() : toJson(standard)}};
    }
};

const DialogRegistrar registrar({"dstv-points", "StartDSTVPointsDlg",
                                 "the DSTV point groups of the library and their point editor",
                                 [] { return std::make_unique<DstvPointsSession>(); }});

} // namespace
} // namespace dialogs
