// grid: the structural grid dialog through its exported starter.
//
//   { "count1": 4, "spacing1": "5000", "label1": "A",
//     "count2": 3, "spacing2": "5000", "label2": "1", "flag": false }
#include "dialog_registry.h"
#include "dialogs/dlg_grid.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

class GridSession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        VkGridDlgData read;
        if (!r.object({"count1", "spacing1", "label1", "count2", "spacing2", "label2", "flag"}) ||
            !r.integer("count1", read.count1) || !r.text("spacing1", read.spacing1) ||
            !r.text("label1", read.label1) || !r.integer("count2", read.count2) ||
            !r.text("spacing2", read.spacing2) || !r.text("label2", read.label2) ||
            !r.boolean("flag", read.flag))
            return false;
        data_ = read;
        return true;
    }
    json start() override { return StartDlgGrid(data_); }
    json record() const override {
        return {{"count1", data_.count1},
                {"spacing1", toJson(data_.spacing1)},
                {"label1", toJson(data_.label1)},
                {"count2", data_.count2},
                {"spacing2", toJson(data_.spacing2)},
                {"label2", toJson(data_.label2)},
                {"flag", data_.flag}};
    }

private:
    VkGridDlgData data_;
};

const DialogRegistrar registrar({"grid", "StartDlgGrid",
                                 "a structural grid: lines, spacing and first label in two "
                                 "directions",
                                 [] { return std::make_unique<GridSession>(); }});

} // namespace
} // namespace dialogs
