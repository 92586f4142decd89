// formulas: the formulas dialog reading a sheet file as a table (its
// exported starter ReadSSFile); formulas-evaluate: the same dialog left
// open on a sheet after evaluating one cell, as EvaluateSS opens it, but on
// the record's file and cell.
#include "dialog_registry.h"
#include "frame/library_instance.h"
#include "platform/core/record_json.h"
#include "sheet_record.h"
#include "sheettools/formula_dlg.h"
#include "sheettools/read_ss_file.h"

namespace dialogs {
namespace {

using nlohmann::json;

// {"file", "title", "columns", "rows"}: the file read, and what it held.
class ReadSession : public RecordSession {
public:
    bool readFields(const json& root, RecordReader& r, std::string& error) override {
        TextRows rows;
        if (!r.object({"file", "title", "columns", "rows"}) || !r.text("file", file_) ||
            !r.text("title", title_) || !r.texts("columns", columns_) ||
            !readTextRows(root, "rows", rows, error))
            return false;
        for (Zrl_StringArray& row : rows)
            rows_.append(row);
        return true;
    }
    json start() override {
        const Zrl_String path = Zrl_String::fromUtf8(resolveFrom(options_, file_.toUtf8()));
        ReadSSFile(path, title_, columns_, rows_);
        return nullptr;
    }
    json record() const override {
        TextRows rows;
        for (int i = 0; i < rows_.length(); ++i)
            rows.push_back(rows_[i]);
        return {{"file", file_.toUtf8()},
                {"title", title_.toUtf8()},
                {"columns", toJson(columns_)},
                {"rows", textRowsJson(rows)}};
    }

private:
    Zrl_String file_, title_;
    Zrl_StringArray columns_;
    Zrl_Array<Zrl_StringArray> rows_;
};

// {"file", "column", "row", "result"}: the cell evaluated and its text when
// the dialog opened.
class EvaluateSession : public RecordSession {
public:
    bool readFields(const json&, RecordReader& r, std::string&) override {
        return r.object({"file", "column", "row", "result"}) && r.text("file", file_) &&
               r.integer("column", column_) && r.integer("row", row_) && r.text("result", result_);
    }
    json start() override {
        zrlss::ResourceScope resources;
        CFormula dlg;
        dlg.mode = CFormula::kModeEvaluate;
        dlg.fileName = Zrl_String::fromUtf8(resolveFrom(options_, file_.toUtf8()));
        dlg.evalColumn = column_;
        dlg.evalRow = row_;
        const json code = endCodeJson(dlg.doModal());
        result_ = dlg.result;
        return code;
    }
    json record() const override {
        return {{"file", file_.toUtf8()},
                {"column", column_},
                {"row", row_},
                {"result", result_.toUtf8()}};
    }

private:
    Zrl_String file_, result_;
    int column_ = 1, row_ = 1;
};

const DialogRegistrar readRegistrar({"formulas", "ReadSSFile",
                                     "the formulas dialog reading a sheet file as a table: "
                                     "title, column titles, rows",
                                     [] { return std::make_unique<ReadSession>(); }});
const DialogRegistrar evaluateRegistrar(
    {"formulas-evaluate", "CFormula (as EvaluateSS)",
     "the formulas dialog on a sheet after evaluating one of its cells; stays open",
     [] { return std::make_unique<EvaluateSession>(); }});

} // namespace
} // namespace dialogs
