// select-macro: the macro selection dialog through its exported starter,
// over the macro drawings of the library (--lib) folder "Macros".
//
//   { "title": "", "names": [], "flags": [], "width": 96, "height": 72,
//     "result": "", "alternative": false, "showNote": false }
//
// "names" are drawing paths under "Macros" without extension (none: every
// drawing there); "flags" one per name, false leaving that name out.
#include "dialog_registry.h"
#include "macroui/dlg_select_macro.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

class SelectMacroSession : public RecordSession {
public:
    bool readFields(const json& root, RecordReader& r, std::string&) override {
        if (!r.object({"title", "names", "flags", "width", "height", "result", "alternative",
                       "showNote"}) ||
            !r.text("title", title_) || !r.texts("names", names_) ||
            !r.integer("width", width_) || !r.integer("height", height_) ||
            !r.text("result", result_) || !r.boolean("alternative", alternative_) ||
            !r.boolean("showNote", showNote_))
            return false;
        if (auto it = root.find("flags"); it != root.end()) {
            if (!it->is_array()) return r.refuse("expected a list of true or false", "flags");
            for (size_t i = 0; i < it->size(); ++i) {
                if (!(*it)[i].is_boolean())
                    return r.refuse("expected true or false",
                                    "flags[" + std::to_string(i) + "]");
                flags_.append((*it)[i].get<bool>());
            }
        }
        if (width_ < 1 || height_ < 1)
            return r.refuse("expected a positive size", width_ < 1 ? "width" : "height");
        return true;
    }
    json start() override {
        // The flags as given, made as long as the names with true.
        AcArray<bool> flags = flags_;
        while (flags.length() < names_.length())
            flags.append(true);
        return StartDlgSelectMacro(title_, names_, flags, width_, height_, result_, alternative_,
                                   showNote_);
    }
    json record() const override {
        json flags = json::array();
        for (bool f : flags_)
            flags.push_back(f);
        return {{"title", toJson(title_)}, {"names", toJson(names_)},
                {"flags", flags},          {"width", width_},
                {"height", height_},       {"result", toJson(result_)},
                {"alternative", alternative_}, {"showNote", showNote_}};
    }

private:
    Zrl_String title_;
    Zrl_StringArray names_;
    AcArray<bool> flags_;
    int width_ = 96;
    int height_ = 72;
    Zrl_String result_;
    bool alternative_ = false;
    bool showNote_ = false;
};

const DialogRegistrar registrar({"select-macro", "StartDlgSelectMacro",
                                 "the choice of a macro drawing from the library's gallery, "
                                 "narrowed by module and property",
                                 [] { return std::make_unique<SelectMacroSession>(); }});

} // namespace
} // namespace dialogs
