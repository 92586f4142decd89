// designer: the dialog designer on a template, given by name (under the
// designer root folder of the library in use) or by path.
#include "designer/dlg_designer.h"
#include "dialog_registry.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

// {"template": "End Plate"} or {"template": "path/to/Name.txt"}.
class DesignerSession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        if (!r.object({"template"}) || !r.text("template", template_)) return false;
        // A path is found from the record's folder; a name stays a name.
        if (template_.endsWith(L".txt", false))
            template_ = Zrl_String::fromUtf8(resolveFrom(options_, template_.toUtf8()));
        return true;
    }
    json start() override { return StartDlgDesigner(template_); }
    json record() const override { return json{{"template", template_.toUtf8()}}; }

private:
    Zrl_String template_;
};

const DialogRegistrar registrar({"designer", "StartDlgDesigner",
                                 "the dialog designer on a template: a picture with the "
                                 "macro's fields placed on it",
                                 [] { return std::make_unique<DesignerSession>(); }});

} // namespace
} // namespace dialogs
