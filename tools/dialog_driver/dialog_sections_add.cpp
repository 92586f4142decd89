// section-add: the simple section editor on a table through its exported
// starter; on OK the record's table holds the new row and "index" its place
// among the active rows.
#include "dialog_registry.h"
#include "platform/core/record_section_add.h"
#include "sections/dlg_edit_lib_simple.h"

namespace dialogs {
namespace {

class SectionAddSession : public DialogSession {
public:
    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        return json == nullptr || readSectionAddJson(*json, record_, error);
    }
    nlohmann::json start() override {
        Zrl_ProfValuesTable table;
        table.tableName = record_.tableName;
        table.picture = record_.table.picture;
        table.headers = record_.table.headers;
        table.rows = record_.table.rows;
        const bool ok = StartDlgEditLibSimple(record_.sysName, table, record_.index);
        record_.table.rows = table.rows;
        return ok;
    }
    nlohmann::json record() const override {
        return nlohmann::json::parse(writeSectionAddJson(record_));
    }

private:
    SectionAddRecord record_;
};

const DialogRegistrar registrar({"section-add", "StartDlgEditLibSimple",
                                 "a new section size added to a section table from its "
                                 "dimensions, named as the table names its sizes",
                                 [] { return std::make_unique<SectionAddSession>(); }});

} // namespace
} // namespace dialogs
