// find-replace: the find-and-replace dialog of a grid on the sheet of
// --sheet (or the record's rows). The module shows it modeless beside the
// grid; here it runs modally so that a script plays it as a dialog block.
#include "dialog_registry.h"
#include "frame/library_instance.h"
#include "grid/dlg_find_replace.h"
#include "grid/zrl_spread.h"
#include "platform/core/record_json.h"
#include "sheet_record.h"

namespace dialogs {
namespace {

using nlohmann::json;

// The dialog run modally: Close ends the run instead of destroying the
// window, the fields start with the record's texts and are kept at the end.
class ModalFindReplace : public CDlgFindReplace {
public:
    ModalFindReplace(Zrl_Spread& grid, Zrl_String& find, Zrl_String& replace)
        : CDlgFindReplace(grid), find_(find), replace_(replace) {
        setTemplateId(kTemplateName);
    }

protected:
    bool onInitDialog() override {
        const bool focus = CDlgFindReplace::onInitDialog();
        setFindWhat(find_);
        setReplaceWith(replace_);
        return focus;
    }
    void onCancel() override { endDialog(win::IDCANCEL); }
    void onDestroy() override {
        find_ = findWhat();
        replace_ = replaceWith();
        CDlgFindReplace::onDestroy();
    }

private:
    Zrl_String& find_;
    Zrl_String& replace_;
};

// {"find", "replace", "rows"}: the dialog's two texts and the sheet's cells.
class FindReplaceSession : public RecordSession {
public:
    bool setUp(const DialogOptions& options, std::string& error) override {
        return openSheet(grid_, options, error);
    }
    bool readFields(const json& root, RecordReader& r, std::string& error) override {
        TextRows rows;
        if (!r.object({"find", "replace", "rows"}) || !r.text("find", find_) ||
            !r.text("replace", replace_) || !readTextRows(root, "rows", rows, error))
            return false;
        if (root.contains("rows")) {
            if (!options_.sheet.empty()) return r.refuse("given with --sheet", "rows");
            setGridRows(grid_, rows);
        }
        return true;
    }
    json start() override {
        zrlss::ResourceScope resources;
        ModalFindReplace dlg(grid_, find_, replace_);
        return endCodeJson(dlg.doModal());
    }
    json record() const override {
        return {{"find", find_.toUtf8()},
                {"replace", replace_.toUtf8()},
                {"rows", textRowsJson(gridRows(grid_))}};
    }

private:
    Zrl_Spread grid_;
    Zrl_String find_, replace_;
};

const DialogRegistrar registrar({"find-replace", "CDlgFindReplace",
                                 "find and replace texts in the cells of a sheet (--sheet "
                                 "FILE, or the record's rows)",
                                 [] { return std::make_unique<FindReplaceSession>(); }});

} // namespace
} // namespace dialogs
