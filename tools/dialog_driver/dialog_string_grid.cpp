// string-grid: a table of texts edited through startGridDialog.
//
//   { "columns": ["Diameter", "Hole"], "rowHeaders": [], "rows": [["M16", "18"]],
//     "rowsEditable": true, "sizeName": "", "caption": "Bolts" }
#include "dialog_registry.h"
#include "dialogs/dlg_string_array.h"
#include "platform/core/record_json.h"

namespace dialogs {
namespace {

using nlohmann::json;

class StringGridSession : public RecordSession {
public:
    bool readFields(const json& root, RecordReader& r, std::string&) override {
        StringGridSetup setup;
        if (!r.object({"columns", "rowHeaders", "rows", "rowsEditable", "sizeName", "caption"}) ||
            !r.texts("columns", setup.columnHeaders) || !r.texts("rowHeaders", setup.rowHeaders) ||
            !r.boolean("rowsEditable", setup.rowsEditable) || !r.text("sizeName", setup.sizeName) ||
            !r.text("caption", setup.caption))
            return false;
        Zrl_StringArrayArray rows;
        if (const auto it = root.find("rows"); it != root.end()) {
            if (!it->is_array()) return r.refuse("expected a list of rows", "rows");
            for (size_t i = 0; i < it->size(); ++i) {
                const json& row = (*it)[i];
                const std::string at = "rows[" + std::to_string(i) + "]";
                if (!row.is_array()) return r.refuse("expected a list of texts", at);
                Zrl_StringArray texts;
                for (size_t j = 0; j < row.size(); ++j) {
                    if (!row[j].is_string())
                        return r.refuse("expected a text", at + "[" + std::to_string(j) + "]");
                    texts.append(Zrl_String::fromUtf8(row[j].get_ref<const std::string&>()));
                }
                rows.append(texts);
            }
        }
        setup_ = setup;
        rows_ = rows;
        return true;
    }
    json start() override {
        return startGridDialog(setup_.columnHeaders, setup_.rowHeaders, rows_, setup_.rowsEditable,
                               setup_.sizeName, setup_.caption);
    }
    json record() const override {
        json rows = json::array();
        for (const Zrl_StringArray& row : rows_)
            rows.push_back(toJson(row));
        return {{"columns", toJson(setup_.columnHeaders)},
                {"rowHeaders", toJson(setup_.rowHeaders)},
                {"rows", std::move(rows)},
                {"rowsEditable", setup_.rowsEditable},
                {"sizeName", toJson(setup_.sizeName)},
                {"caption", toJson(setup_.caption)}};
    }

private:
    StringGridSetup setup_;
    Zrl_StringArrayArray rows_;
};

const DialogRegistrar registrar({"string-grid", "startGridDialog",
                                 "a table of texts in a grid: cells edited, rows added and "
                                 "removed when allowed",
                                 [] { return std::make_unique<StringGridSession>(); }});

} // namespace
} // namespace dialogs
