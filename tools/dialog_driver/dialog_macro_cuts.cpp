// macro-cuts: the cuts dialog through its exported starter.
//
//   { "cuts": [ { "name": "Cope 1", "type": "cope",
//                 "offsets": { "cut": 10, "inside": 5, "outside": 5, "radius": 12 } } ],
//     "current": 0, "applyToAll": false }
//
// Types: straight, polygon, cope, chamfer, center, full. Offsets by their
// short names; an absent offset is 0. Written back: each cut's offsets that
// its type uses, and any other that is not 0.
#include "dialog_registry.h"
#include "macroui/dlg_macro_cuts.h"
#include "platform/core/record_json.h"

#include <array>

namespace dialogs {
namespace {

using nlohmann::json;

constexpr std::array<const char*, kZrlCutTypeCount> kTypeNames = {
    "straight", "polygon", "cope", "chamfer", "center", "full"};

class MacroCutsSession : public RecordSession {
public:
    static constexpr std::array<const char*, kVkCutOffsetTypeCount> kOffsetJsonNames = {
        "cut", "poly", "length", "center", "inside", "outside", "chamfer1", "chamfer2", "radius"};

    bool readFields(const json&, RecordReader& r, std::string&) override {
        DlgMacroCutsData read;
        bool applyToAll = false;
        const auto readCut = [&](RecordReader& c) {
            Zrl_MacroCut cut;
            Zrl_String type = L"straight";
            if (!c.object({"name", "type", "offsets"}) || !c.text("name", cut.name) ||
                !c.text("type", type))
                return false;
            cut.cutType = -1;
            for (int t = 0; t < kZrlCutTypeCount; ++t) {
                if (type.toUtf8() == kTypeNames[static_cast<size_t>(t)]) cut.cutType = t;
            }
            if (cut.cutType < 0) return c.refuse("unknown cut type", "type");
            const bool offsets = c.member("offsets", [&](RecordReader& o) {
                if (!o.object(std::vector<std::string_view>(kOffsetJsonNames.begin(),
                                                            kOffsetJsonNames.end())))
                    return false;
                for (int t = 0; t < kVkCutOffsetTypeCount; ++t) {
                    if (!o.number(kOffsetJsonNames[static_cast<size_t>(t)], cut.offsets[t]))
                        return false;
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
                    offsets[kOffsetJsonNames[static_cast<size_t>(t)]] = cut.offsets[t];
            }
            const bool known = cut.cutType >= 0 && cut.cutType < kZrlCutTypeCount;
            cuts.push_back({{"name", toJson(cut.name)},
                            {"type", known ? kTypeNames[static_cast<size_t>(cut.cutType)] : ""},
                            {"offsets", offsets}});
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
