// lookup: the look-up dialog through its exported starter.
//
//   { "text1": "", "items1": [], ... "text4": "", "items4": [], "choiceA": 2,
//     "text5": "", "items5": [], "choiceB": 0, "option": 0, "flag": false,
//     "closeMode": 0 }
#include "dialog_registry.h"
#include "dialogs/dlg_lookup.h"
#include "platform/core/record_json.h"

#include <array>

namespace dialogs {
namespace {

using nlohmann::json;

struct NamedList {
    const char* text;
    const char* items;
};
constexpr std::array<NamedList, 5> kLists{{{"text1", "items1"},
                                           {"text2", "items2"},
                                           {"text3", "items3"},
                                           {"text4", "items4"},
                                           {"text5", "items5"}}};

std::array<std::pair<Zrl_String*, Zrl_StringArray*>, 5> lists(VkLookUpDlgData& d) {
    return {{{&d.text1, &d.items1},
             {&d.text2, &d.items2},
             {&d.text3, &d.items3},
             {&d.text4, &d.items4},
             {&d.text5, &d.items5}}};
}

class LookUpSession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        VkLookUpDlgData read;
        std::vector<std::string_view> fields = {"choiceA", "choiceB", "option", "flag",
                                                "closeMode"};
        for (const NamedList& l : kLists) {
            fields.push_back(l.text);
            fields.push_back(l.items);
        }
        if (!r.object(fields)) return false;
        const auto target = lists(read);
        for (size_t i = 0; i < kLists.size(); ++i)
            if (!r.text(kLists[i].text, *target[i].first) ||
                !r.texts(kLists[i].items, *target[i].second))
                return false;
        if (!r.integer("choiceA", read.choiceA) || !r.integer("choiceB", read.choiceB) ||
            !r.integer("option", read.option) || !r.boolean("flag", read.flag) ||
            !r.integer("closeMode", read.closeMode))
            return false;
        data_ = read;
        return true;
    }
    json start() override { return StartDlgLookUp(data_); }
    json record() const override {
        VkLookUpDlgData copy = data_;
        json out = {{"choiceA", copy.choiceA},
                    {"choiceB", copy.choiceB},
                    {"option", copy.option},
                    {"flag", copy.flag},
                    {"closeMode", copy.closeMode}};
        const auto source = lists(copy);
        for (size_t i = 0; i < kLists.size(); ++i) {
            out[kLists[i].text] = toJson(*source[i].first);
            out[kLists[i].items] = toJson(*source[i].second);
        }
        return out;
    }

private:
    VkLookUpDlgData data_;
};

const DialogRegistrar registrar({"lookup", "StartDlgLookUp",
                                 "a look-up: texts in five lists, how the fifth matches, the "
                                 "order, two options; OK or Show All",
                                 [] { return std::make_unique<LookUpSession>(); }});

} // namespace
} // namespace dialogs
