// macro-cuts: the cuts dialog through its exported starter. The cuts are
// written as the macro description writes them (docs/macro-description.md):
//
//   { "cuts": [ { "name": "Cope 1", "cutType": 2,
//                 "offsets": { "cut": 10, "inside": 5, "outside": 5, "radius": 12 } } ],
//     "current": 0, "applyToAll": false }
//
// An absent offset is 0. Written back: each cut's offsets that its type
// uses, and any other that is not 0.
#include "dialog_registry.h"
#include "macroui/dlg_macro_cuts.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

std::string offsetName(int offsetType) {
    return cutOffsetName(offsetType).toUtf8();
}

class MacroCutsSession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        DlgMacroCutsData read;
        bool applyToAll = false;
        std::vector<std::string> names;
        for (int t = 0; t < kVkCutOffsetTypeCount; ++t)
            names.push_back(offsetName(t));
        const std::vector<std::string_view> fields(names.begin(), names.end());
        const auto readCut = [&](RecordReader& c) {
            Zrl_MacroCut cut;
            if (!c.object({"name", "cutType", "offsets"}) || !c.text("name", cut.name) ||
                !c.integer("cutType", cut.cutType))
                return false;
            if (cut.cutType < 0 || cut.cutType >= kZrlCutTypeCount)
                return c.refuse("unknown cut type", "cutType");
            const bool offsets = c.member("offsets", [&](RecordReader& o) {
                if (!o.object(fields)) return false;
                for (int t = 0; t < kVkCutOffsetTypeCount; ++t) {
                    if (!o.number(fields[static_cast<size_t>(t)], cut.offsets[t])) return false;
                }
                return true;
            });
            if (!offsets) return false;
            read.cuts.append(cut);
            return true;
        };
        if (!r.object({"cuts", "current", "applyToAll"}) || !r.each("cuts", readCut) ||
            !r.integer("current", read.current) || !r.boolean("applyToAll", applyToAll))
            return false;
        if (read.current < -1 || read.current >= read.cuts.length())
            return r.refuse("no such cut", "current");
        data_ = read;
        applyToAll_ = applyToAll;
        return true;
    }

    json start() override { return StartDlgMacroCuts(data_, applyToAll_); }

    json record() const override {
        json cuts = json::array();
        for (int i = 0; i < data_.cuts.length(); ++i) {
            const Zrl_MacroCut& cut = data_.cuts[i];
            json offsets = json::object();
            for (int t = 0; t < kVkCutOffsetTypeCount; ++t) {
                if (DlgMacroCutsData::usesOffset(cut.cutType, t) || cut.offsets[t] != 0)
                    offsets[offsetName(t)] = cut.offsets[t];
            }
            cuts.push_back(
                {{"name", toJson(cut.name)}, {"cutType", cut.cutType}, {"offsets", offsets}});
        }
        return {{"cuts", cuts}, {"current", data_.current}, {"applyToAll", applyToAll_}};
    }

private:
    DlgMacroCutsData data_;
    bool applyToAll_ = false;
};

const DialogRegistrar registrar({"macro-cuts", "StartDlgMacroCuts",
                                 "the cuts of a macro: type and offsets per cut, and whether "
                                 "they go to every selected macro",
                                 [] { return std::make_unique<MacroCutsSession>(); }});

} // namespace
} // namespace dialogs
