// sheet-size: the sheet size and captions dialog on a sheet (the sheet of
// --sheet, else an empty one), applied to the sheet on OK.
#include "dialog_registry.h"
#include "grid/zrl_spread.h"
#include "platform/core/record_json.h"
#include "platform/spread/formula.h"
#include "sheet_record.h"
#include "sheettools/sheet_options.h"

namespace dialogs {
namespace {

using nlohmann::json;

// Header row height and header column width, in pixels.
constexpr int kMaxHeaderPixels = 10000;

// {"columns", "rows", "headerHeight", "headerWidth", "columnCaptions",
// "rowCaptions"}: read from the sheet, then the fields given.
struct SheetSize {
    int columns = 0, rows = 0, headerHeight = 0, headerWidth = 0;
    Zrl_StringArray columnCaptions, rowCaptions;

    void readFrom(const Zrl_Spread& grid) {
        columns = grid.getMaxCols();
        rows = grid.getMaxRows();
        headerHeight = grid.getRowHeightInPixels(0);
        headerWidth = grid.getColWidthInPixels(0);
        columnCaptions = captions(grid, columns, true);
        rowCaptions = captions(grid, rows, false);
    }
    void applyTo(Zrl_Spread& grid) const {
        grid.setMaxCols(columns);
        grid.setMaxRows(rows);
        grid.setRowHeightInPixels(0, headerHeight);
        grid.setColWidthInPixels(0, headerWidth);
        for (int i = 0; i < columnCaptions.length() && i < columns; ++i)
            grid.setCellData(i + 1, 0, columnCaptions[i]);
        for (int i = 0; i < rowCaptions.length() && i < rows; ++i)
            grid.setCellData(0, i + 1, rowCaptions[i]);
    }
    static Zrl_StringArray captions(const Zrl_Spread& grid, int count, bool ofColumns) {
        Zrl_StringArray list;
        Zrl_String text;
        for (int i = 1; i <= count; ++i) {
            grid.getCellText(ofColumns ? i : 0, ofColumns ? 0 : i, text, Zrl_Spread::kValue);
            list.append(text);
        }
        return list;
    }
};

class SheetSizeSession : public RecordSession {
public:
    bool setUp(const DialogOptions& options, std::string& error) override {
        return openSheet(grid_, options, error);
    }
    bool readFields(const json&, RecordReader& r, std::string&) override {
        SheetSize size;
        size.readFrom(grid_);
        if (!r.object({"columns", "rows", "headerHeight", "headerWidth", "columnCaptions",
                       "rowCaptions"}) ||
            !r.integer("columns", size.columns) || !r.integer("rows", size.rows) ||
            !r.integer("headerHeight", size.headerHeight) ||
            !r.integer("headerWidth", size.headerWidth) ||
            !r.texts("columnCaptions", size.columnCaptions) ||
            !r.texts("rowCaptions", size.rowCaptions))
            return false;
        // The sheet takes no size beyond the engine's; a count it refused
        // would come back as 0 without a word.
        const struct {
            const char* field;
            int value, most;
        } limits[] = {{"columns", size.columns, spread::kMaxSheetCols},
                      {"rows", size.rows, spread::kMaxSheetRows},
                      {"headerHeight", size.headerHeight, kMaxHeaderPixels},
                      {"headerWidth", size.headerWidth, kMaxHeaderPixels}};
        for (const auto& l : limits)
            if (l.value < 0 || l.value > l.most)
                return r.refuse("expected 0 to " + std::to_string(l.most), l.field);
        size.applyTo(grid_);
        return true;
    }
    json start() override { return runSheetOptions(grid_); }
    json record() const override {
        SheetSize size;
        size.readFrom(grid_);
        return {{"columns", size.columns},
                {"rows", size.rows},
                {"headerHeight", size.headerHeight},
                {"headerWidth", size.headerWidth},
                {"columnCaptions", toJson(size.columnCaptions)},
                {"rowCaptions", toJson(size.rowCaptions)}};
    }

private:
    Zrl_Spread grid_;
};

const DialogRegistrar registrar({"sheet-size", "runSheetOptions (CDlgSSOptions)",
                                 "the number of columns and rows of a sheet, its header "
                                 "captions and header sizes",
                                 [] { return std::make_unique<SheetSizeSession>(); }});

} // namespace
} // namespace dialogs
