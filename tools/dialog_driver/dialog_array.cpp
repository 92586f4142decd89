// array: the array dialog through its exported starter.
//
//   { "count1": 4, "spacing1": 1500, "count2": 1, "spacing2": 0,
//     "count3": 1, "spacing3": 0, "firstIsOriginal": true, "title": "Purlins",
//     "objects": 2, "caption": "" }
//
// "objects" is how many objects are selected (ids 1 to N) and "caption" the
// starter's title argument; neither changes.
#include "dialog_registry.h"
#include "macroui/dlg_array.h"
#include "platform/core/record_json.h"

#include <array>

namespace dialogs {
namespace {

using nlohmann::json;

constexpr std::array<const char*, DynArrayData::kDirections> kCounts = {"count1", "count2",
                                                                        "count3"};
constexpr std::array<const char*, DynArrayData::kDirections> kSpacings = {"spacing1", "spacing2",
                                                                          "spacing3"};

class ArraySession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        DynArrayData read;
        int objects = 0;
        Zrl_String caption;
        if (!r.object({"count1", "spacing1", "count2", "spacing2", "count3", "spacing3",
                       "firstIsOriginal", "title", "objects", "caption"}))
            return false;
        for (size_t d = 0; d < kCounts.size(); ++d) {
            if (!r.integer(kCounts[d], read.counts[d]) ||
                !r.number(kSpacings[d], read.spacings[d]))
                return false;
        }
        if (!r.boolean("firstIsOriginal", read.firstIsOriginal) || !r.text("title", read.title) ||
            !r.integer("objects", objects) || !r.text("caption", caption))
            return false;
        if (objects < 0 || objects > 100000) return r.refuse("expected 0 to 100000", "objects");
        data_ = read;
        objects_ = objects;
        caption_ = caption;
        return true;
    }

    json start() override {
        AcArray<AcDbObjectId> ids;
        for (int i = 1; i <= objects_; ++i)
            ids.append(AcDbObjectId(i));
        return StartArrayDlg(data_, ids, caption_);
    }

    json record() const override {
        json out;
        for (size_t d = 0; d < kCounts.size(); ++d) {
            out[kCounts[d]] = data_.counts[d];
            out[kSpacings[d]] = data_.spacings[d];
        }
        out["firstIsOriginal"] = data_.firstIsOriginal;
        out["title"] = toJson(data_.title);
        out["objects"] = objects_;
        out["caption"] = toJson(caption_);
        return out;
    }

private:
    DynArrayData data_;
    int objects_ = 0;
    Zrl_String caption_;
};

const DialogRegistrar registrar({"array", "StartArrayDlg",
                                 "an array of copies of the selected objects: counts and "
                                 "spacings in three directions",
                                 [] { return std::make_unique<ArraySession>(); }});

} // namespace
} // namespace dialogs
