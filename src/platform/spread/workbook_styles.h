// The styles part of a workbook (fonts, fills, number formats, cell formats)
// as liborcus reports it, turned into the engine's cell looks. Private to the
// workbook reader.
#pragma once

#include "platform/spread/cell_style.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <orcus/spreadsheet/import_interface.hpp>
#include <string>
#include <vector>

namespace spread::detail {

namespace oss = orcus::spreadsheet;

class WorkbookStyles final : public oss::iface::import_styles {
public:
    // The look of cell format `xf`; plain for formats it does not know.
    const CellStyle& look(size_t xf);

    void set_font_count(size_t) override {}
    void set_font_bold(bool b) override { font_.weight = b ? 700 : 400; }
    void set_font_italic(bool b) override { font_.italic = b; }
    void set_font_name(std::string_view s) override;
    void set_font_size(double point) override;
    void set_font_underline(oss::underline_t e) override {
        font_.underline = e != oss::underline_t::none;
    }
    void set_font_underline_width(oss::underline_width_t) override {}
    void set_font_underline_mode(oss::underline_mode_t) override {}
    void set_font_underline_type(oss::underline_type_t) override {}
    void set_font_underline_color(oss::color_elem_t, oss::color_elem_t, oss::color_elem_t,
                                  oss::color_elem_t) override {}
    void set_font_color(oss::color_elem_t, oss::color_elem_t r, oss::color_elem_t g,
                        oss::color_elem_t b) override;
    void set_strikethrough_style(oss::strikethrough_style_t) override {}
    void set_strikethrough_type(oss::strikethrough_type_t) override {}
    void set_strikethrough_width(oss::strikethrough_width_t) override {}
    void set_strikethrough_text(oss::strikethrough_text_t) override {}
    size_t commit_font() override;

    void set_fill_count(size_t) override {}
    void set_fill_pattern_type(oss::fill_pattern_t fp) override { fill_.solid = fp != oss::fill_pattern_t::none; }
    void set_fill_fg_color(oss::color_elem_t, oss::color_elem_t r, oss::color_elem_t g,
                           oss::color_elem_t b) override;
    void set_fill_bg_color(oss::color_elem_t, oss::color_elem_t, oss::color_elem_t,
                           oss::color_elem_t) override {}
    size_t commit_fill() override;

    void set_border_count(size_t) override {}
    void set_border_style(oss::border_direction_t, oss::border_style_t) override {}
    void set_border_color(oss::border_direction_t, oss::color_elem_t, oss::color_elem_t,
                          oss::color_elem_t, oss::color_elem_t) override {}
    void set_border_width(oss::border_direction_t, double, orcus::length_unit_t) override {}
    size_t commit_border() override { return borders_++; }

    void set_cell_hidden(bool) override {}
    // Spreadsheet programs lock every cell unless told otherwise, and the
    // lock only counts on a protected sheet: not kept.
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    size_t commit_cell_protection() override { return protections_++; }

    void set_number_format_count(size_t) override {}
    void set_number_format_identifier(size_t id) override { numberId_ = id; }
    void set_number_format_code(std::string_view s) override { numberCode_ = s; }
    size_t commit_number_format() override;

    void set_cell_xf_count(size_t) override {}
    void set_cell_style_xf_count(size_t) override {}
    void set_dxf_count(size_t) override {}
    void set_xf_font(size_t index) override { xf_.font = index; }
    void set_xf_fill(size_t index) override { xf_.fill = index; }
    void set_xf_border(size_t) override {}
    void set_xf_protection(size_t) override {}
    void set_xf_number_format(size_t index) override { xf_.number = index; }
    void set_xf_style_xf(size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(oss::hor_alignment_t) override {}
    void set_xf_vertical_alignment(oss::ver_alignment_t) override {}
    size_t commit_cell_xf() override;
    size_t commit_cell_style_xf() override { xf_ = {}; return styleXfs_++; }
    size_t commit_dxf() override { xf_ = {}; return dxfs_++; }

    void set_cell_style_count(size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(size_t) override {}
    void set_cell_style_builtin(size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    size_t commit_cell_style() override { return cellStyles_++; }

private:
    struct FontRec {
        Font font;
        Color color = kDefaultColor;
    };
    struct FillRec {
        bool solid = false;
        Color color = kDefaultColor;
    };
    struct Xf {
        size_t font = 0, fill = 0, number = 0;
    };

    // The engine's type for a number format, or null for general.
    std::shared_ptr<const CellType> typeFor(size_t numberFormat);

    Font font_;
    Color fontColor_ = kDefaultColor;
    FillRec fill_;
    size_t numberId_ = SIZE_MAX;
    std::string numberCode_;
    Xf xf_;

    std::vector<FontRec> fonts_;
    std::vector<FillRec> fills_;
    std::map<size_t, std::string> numberFormats_; // by identifier
    std::vector<Xf> xfs_;
    std::vector<std::optional<CellStyle>> looks_;
    size_t borders_ = 0, protections_ = 0, styleXfs_ = 0, dxfs_ = 0, cellStyles_ = 0;
};

} // namespace spread::detail
