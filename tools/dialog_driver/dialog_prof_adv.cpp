// prof-adv, prof-adv-multi: the advanced profile dialog through its two
// exported starters.
//
// prof-adv: one profile group of a macro record, the group's named
// placements beside it:
//   { "group": "Beam", "title": "", "readOnly": false,
//     "tabs": [ { "name": "Profiles", "groups": [ { "group": "Beam", "name": "B1",
//                 "section": "IPE 200", "material": "S235", "rotation": "0" } ] } ],
//     "placements": [ { "name": "Web plate", "section": "PL10", "material": "S235" } ] }
//
// prof-adv-multi: several objects; the callback answers each object's
// properties from the record and writes the edited ones back into it. An
// object with "refuseGet" cannot be read, one with "refuseSet" refuses the
// change:
//   { "objects": [ { "id": 1, "name": "B1", "section": "IPE 200", "material": "S235",
//                    "rotation": "0", "refuseGet": false, "refuseSet": false } ] }
// Written back with "changed" (the starter's flag) and "sets" (how often the
// callback was asked to set).
#include "dialog_registry.h"
#include "macroui/dlg_prof_adv.h"
#include "platform/core/macro_placements.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

bool readProps(RecordReader& r, MacroProfData& p) {
    return r.text("name", p.name) && r.text("section", p.section) &&
           r.text("material", p.material) && r.text("rotation", p.rotation);
}

json propsJson(const MacroProfData& p) {
    return {{"name", toJson(p.name)},
            {"section", toJson(p.section)},
            {"material", toJson(p.material)},
            {"rotation", toJson(p.rotation)}};
}

class ProfAdvSession : public RecordSession {
public:
    // The placements belong to this library, which may be unloaded first.
    ~ProfAdvSession() override { gGroupPlacementsSource = {}; }

    bool readFields(const json&, RecordReader& r, std::string&) override {
        MacroData data;
        Zrl_Array<Zrl_NamedPrpl> placements;
        const auto readTab = [&](RecordReader& t) {
            MacroTabData tab;
            tab.kind = kMacroTabProfiles;
            const auto readGroup = [&](RecordReader& g) {
                MacroProfData p;
                if (!g.object({"group", "name", "section", "material", "rotation"}) ||
                    !g.text("group", p.group) || !readProps(g, p))
                    return false;
                tab.profGroups.append(p);
                return true;
            };
            if (!t.object({"name", "groups"}) || !t.text("name", tab.name) ||
                !t.each("groups", readGroup))
                return false;
            data.tabs.append(tab);
            return true;
        };
        const auto readPlacement = [&](RecordReader& p) {
            Zrl_NamedPrpl placement;
            if (!p.object({"name", "section", "material"}) || !p.text("name", placement.name) ||
                !p.text("section", placement.section) || !p.text("material", placement.material))
                return false;
            placements.append(placement);
            return true;
        };
        if (!r.object({"group", "title", "readOnly", "tabs", "placements"}) ||
            !r.text("group", group_) || !r.text("title", title_) ||
            !r.boolean("readOnly", readOnly_) || !r.each("tabs", readTab) ||
            !r.each("placements", readPlacement))
            return false;
        data_ = data;
        gGroupPlacementsSource = [placements](const MacroData&, const Zrl_String&,
                                              Zrl_Array<Zrl_NamedPrpl>& out) {
            out = placements;
        };
        placements_ = placements;
        return true;
    }

    json start() override {
        StartDlgMacroProfAdv(data_, group_, title_, readOnly_);
        return nullptr;
    }

    json record() const override {
        json tabs = json::array();
        for (int t = 0; t < data_.tabs.length(); ++t) {
            const MacroTabData& tab = data_.tabs[t];
            json groups = json::array();
            for (int g = 0; g < tab.profGroups.length(); ++g) {
                json group = propsJson(tab.profGroups[g]);
                group["group"] = toJson(tab.profGroups[g].group);
                groups.push_back(group);
            }
            tabs.push_back({{"name", toJson(tab.name)}, {"groups", groups}});
        }
        json placements = json::array();
        for (int i = 0; i < placements_.length(); ++i) {
            const Zrl_NamedPrpl& p = placements_[i];
            placements.push_back({{"name", toJson(p.name)},
                                  {"section", toJson(p.section)},
                                  {"material", toJson(p.material)}});
        }
        return {{"group", toJson(group_)}, {"title", toJson(title_)}, {"readOnly", readOnly_},
                {"tabs", tabs},           {"placements", placements}};
    }

private:
    MacroData data_;
    Zrl_String group_;
    Zrl_String title_;
    bool readOnly_ = false;
    Zrl_Array<Zrl_NamedPrpl> placements_;
};

// One object of the several-objects form as the callback sees it.
struct CallbackObject {
    int id = 0;
    MacroProfData props;
    bool refuseGet = false;
    bool refuseSet = false;
};

class ProfAdvMultiSession : public RecordSession {
public:
    ~ProfAdvMultiSession() override {
        if (active_ == this) active_ = nullptr;
    }

    bool readFields(const json&, RecordReader& r, std::string&) override {
        std::vector<CallbackObject> objects;
        const auto readObject = [&](RecordReader& o) {
            CallbackObject object;
            if (!o.object({"id", "name", "section", "material", "rotation", "refuseGet",
                           "refuseSet"}) ||
                !o.integer("id", object.id) || !readProps(o, object.props) ||
                !o.boolean("refuseGet", object.refuseGet) ||
                !o.boolean("refuseSet", object.refuseSet))
                return false;
            objects.push_back(object);
            return true;
        };
        if (!r.object({"objects"}) || !r.each("objects", readObject)) return false;
        objects_ = objects;
        return true;
    }

    json start() override {
        AcArray<AcDbObjectId> ids;
        for (const CallbackObject& o : objects_)
            ids.append(AcDbObjectId(o.id));
        active_ = this;
        StartDlgMacroProfAdv(&ids, changed_, callback);
        active_ = nullptr;
        return nullptr;
    }

    json record() const override {
        json objects = json::array();
        for (const CallbackObject& o : objects_) {
            json object = propsJson(o.props);
            object["id"] = o.id;
            if (o.refuseGet) object["refuseGet"] = true;
            if (o.refuseSet) object["refuseSet"] = true;
            objects.push_back(object);
        }
        return {{"objects", objects}, {"changed", changed_}, {"sets", sets_}};
    }

private:
    // The starter takes a plain function: it finds the running session here.
    static bool callback(VkMACallBackType type, const VkMACallBackData& data,
                         MacroProfData& props) {
        if (!active_ || data.indexes.length() != 1) return false;
        const int index = data.indexes[0];
        if (index < 0 || index >= static_cast<int>(active_->objects_.size())) return false;
        CallbackObject& object = active_->objects_[static_cast<size_t>(index)];
        if (type == VkMACallBackGet) {
            if (object.refuseGet) return false;
            props = object.props;
            return true;
        }
        ++active_->sets_;
        if (object.refuseSet) return false;
        object.props = props;
        return true;
    }

    static inline ProfAdvMultiSession* active_ = nullptr;
    std::vector<CallbackObject> objects_;
    bool changed_ = false;
    int sets_ = 0;
};

const DialogRegistrar single({"prof-adv", "StartDlgMacroProfAdv",
                              "one profile group of a macro: member name, section, material, "
                              "with the group's named placements",
                              [] { return std::make_unique<ProfAdvSession>(); }});
const DialogRegistrar multi({"prof-adv-multi", "StartDlgMacroProfAdv",
                             "the profile properties of several selected objects, read and "
                             "written through a callback; differing fields show <Various>",
                             [] { return std::make_unique<ProfAdvMultiSession>(); }});

} // namespace
} // namespace dialogs
