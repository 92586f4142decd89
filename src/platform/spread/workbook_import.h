// liborcus's import interfaces implemented over the engine's sheets: the
// workbook's cells go straight into each wanted sheet's cell store. Private
// to the workbook reader (workbook_read.cpp).
#pragma once

#include "platform/spread/formula_dialect.h"
#include "platform/spread/workbook.h"
#include "platform/spread/workbook_xlsx_cells.h"
#include "platform/spread/workbook_styles.h"

#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace spread::detail {

// A width or height in the engine's pixels; -1 for a unit it does not know
// or a length out of range.
int lengthPixels(double length, orcus::length_unit_t unit);

// A file beyond the reader's limits or malformed in a way the reader finds:
// the load stops with this reason.
struct WorkbookRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The workbook's texts by number, each kept once. They stay UTF-8 as the
// file holds them until a cell shows one: the .ods parser hands on the
// paragraph of every cell, numbers' too, and most are never shown as text.
class WorkbookStrings final : public oss::iface::import_shared_strings {
public:
    const std::string* at(size_t index) const {
        return index < texts_.size() ? &texts_[index] : nullptr;
    }
    size_t append(std::string_view s) override;
    size_t add(std::string_view s) override;
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(oss::color_elem_t, oss::color_elem_t, oss::color_elem_t,
                                oss::color_elem_t) override {}
    // Rich text is kept as its plain text.
    void append_segment(std::string_view s) override;
    size_t commit_segments() override;

private:
    std::deque<std::string> texts_; // stays put: index_ views its texts
    std::unordered_map<std::string_view, size_t> index_;
    std::string segments_;
};

class ImportedSheet;

// What the .ods reader (ods_read.cpp) hands a sheet beyond liborcus's sheet
// interface: texts by value, repeated formula cells, row sizes and
// visibility by ranges, and the looks of empty cells.
class OdsSheetInput {
public:
    virtual ~OdsSheetInput() = default;
    // False for a sheet that is not read: its content is skipped.
    virtual bool wanted() const = 0;
    // Values, looks, formulas and columns as liborcus's importers hand them.
    virtual oss::iface::import_sheet& cells() = 0;
    virtual void text(oss::row_t row, oss::col_t col, std::string_view utf8) = 0;
    // The formula last given through cells().get_formula(), with its saved
    // value, once more at (row, col): the same references, not moved.
    virtual void repeatFormula(oss::row_t row, oss::col_t col) = 0;
    // Rows first..last (from 0) of `heightPx` pixels (none when negative),
    // hidden or not; taken up to the last row with cells.
    virtual void rows(int64_t first, int64_t last, int heightPx, bool hidden) = 0;
    // The look `xf` of the empty cells of a range, kept for those inside the
    // used range of the sheet (as many as the sheet has cells at most).
    virtual void emptyLook(const oss::range_t& range, size_t xf) = 0;
};

// Addresses as the file's own parts write them ("A1", "$B$2:C3", "Sheet.A1").
class WorkbookReferences final : public oss::iface::import_reference_resolver {
public:
    oss::src_address_t resolve_address(std::string_view address) override;
    oss::src_range_t resolve_range(std::string_view range) override;
};

// The workbook: its sheets, texts, styles and settings.
class WorkbookImport final : public oss::iface::import_factory,
                             public oss::iface::import_global_settings {
public:
    // Reads the sheet named `only`; without a name, the first sheet when
    // `firstOnly`, else every sheet.
    WorkbookImport(FormulaDialect dialect, std::wstring_view only, bool firstOnly);
    ~WorkbookImport() override;

    // After the read: the wanted sheets, sized to what they hold; the names
    // of every sheet.
    void finish(std::vector<WorkbookSheet>& out);
    const std::vector<std::wstring>& names() const { return names_; }
    // The sheets' names by the file's sheet ids less one (see xlsxSheetIds):
    // formulas are handed on by that number rather than by place.
    void setSheetIds(std::map<long, std::string> ids) { sheetIds_ = std::move(ids); }
    // After the read: the logical and error cells the parser left out
    // (see xlsxTypedCells), by sheet name.
    void addTypedCells(const std::map<std::string, std::vector<XlsxTypedCell>>& cells);
    // The next sheet of an .ods workbook, for ods_read.cpp.
    OdsSheetInput& appendOdsSheet(std::string_view name);

    oss::iface::import_global_settings* get_global_settings() override { return this; }
    oss::iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    oss::iface::import_styles* get_styles() override { return &styles_; }
    oss::iface::import_reference_resolver* get_reference_resolver(oss::formula_ref_context_t) override {
        return &references_;
    }
    oss::iface::import_sheet* append_sheet(oss::sheet_t index, std::string_view name) override;
    oss::iface::import_sheet* get_sheet(std::string_view name) override;
    oss::iface::import_sheet* get_sheet(oss::sheet_t index) override;
    void finalize() override {}

    void set_origin_date(int year, int month, int day) override;
    void set_default_formula_grammar(oss::formula_grammar_t g) override { grammar_ = g; }
    oss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

    WorkbookStrings& strings() { return strings_; }
    WorkbookStyles& styles() { return styles_; }
    FormulaDialect dialect() const { return dialect_; }
    // A date and time as the number of days since the workbook's origin.
    double dateSerial(int year, int month, int day, int hour, int minute, double second) const;

private:
    FormulaDialect dialect_;
    std::wstring only_;
    bool firstOnly_;
    oss::formula_grammar_t grammar_ = oss::formula_grammar_t::unknown;
    long originDays_;
    WorkbookStrings strings_;
    WorkbookStyles styles_;
    WorkbookReferences references_;
    std::vector<std::wstring> names_;
    std::vector<std::unique_ptr<ImportedSheet>> sheets_;
    std::map<long, std::string> sheetIds_;
};

} // namespace spread::detail
