// liborcus's import interfaces implemented over the engine's sheets: the
// workbook's cells go straight into each wanted sheet's cell store. Private
// to the workbook reader (workbook_read.cpp).
#pragma once

#include "platform/spread/formula_dialect.h"
#include "platform/spread/workbook.h"
#include "platform/spread/workbook_archive.h"
#include "platform/spread/workbook_styles.h"

#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace spread::detail {

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
    // Before the read of an .ods workbook: what the parser will leave out of
    // each sheet (see odsExtras); after it, addOdsExtras puts it in.
    void setOdsExtras(std::vector<OdsSheetExtras> extras) { odsExtras_ = std::move(extras); }
    void addOdsExtras();

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
    // Days from the workbook's date origin to 1970-01-01's predecessor count
    // (see ImportedSheet::set_date_time).
    long originDays() const { return originDays_; }

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
    std::vector<OdsSheetExtras> odsExtras_;
};

} // namespace spread::detail
