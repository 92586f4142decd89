// Cell formats of a workbook as the engine's looks.
#include "platform/spread/workbook_styles.h"

#include "platform/text/utf.h"

#include <cmath>

namespace spread::detail {

namespace {

Color rgb(oss::color_elem_t r, oss::color_elem_t g, oss::color_elem_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

// Number formats that spreadsheet programs number without writing them out.
const char* builtinFormat(size_t id) {
    switch (id) {
    case 1: return "0";
    case 2: return "0.00";
    case 3: return "#,##0";
    case 4: return "#,##0.00";
    case 9: return "0%";
    case 10: return "0.00%";
    case 49: return "@";
    default: return nullptr;
    }
}

// "0", "0.00", "#,##0.000" (the first section of the code): fixed decimals,
// with or without a thousands separator. False for anything else (dates,
// percent, currency, text around the number).
bool fixedDecimals(std::string_view code, int& decimals, bool& separator) {
    code = code.substr(0, code.find(';'));
    separator = false;
    if (code.starts_with("#,##")) {
        separator = true;
        code.remove_prefix(4);
    }
    if (code.empty() || code[0] != '0') return false;
    while (!code.empty() && code[0] == '0')
        code.remove_prefix(1);
    decimals = 0;
    if (!code.empty() && code[0] == '.') {
        code.remove_prefix(1);
        while (!code.empty() && code[0] == '0') {
            code.remove_prefix(1);
            ++decimals;
        }
    }
    return code.empty() && decimals <= 15;
}

} // namespace

void WorkbookStyles::set_font_name(std::string_view s) {
    std::wstring name;
    if (zrltext::fromUtf8Strict(s, name) && !name.empty()) font_.name = std::move(name);
}

void WorkbookStyles::set_font_size(double point) {
    // Font heights are logical units of 96 per inch.
    if (std::isfinite(point) && point > 0 && point < 1000)
        font_.height = static_cast<int>(std::lround(point * 4.0 / 3.0));
}

void WorkbookStyles::set_font_color(oss::color_elem_t, oss::color_elem_t r, oss::color_elem_t g,
                                    oss::color_elem_t b) {
    fontColor_ = rgb(r, g, b);
}

size_t WorkbookStyles::commit_font() {
    fonts_.push_back({font_, fontColor_});
    font_ = Font{};
    fontColor_ = kDefaultColor;
    return fonts_.size() - 1;
}

void WorkbookStyles::set_fill_fg_color(oss::color_elem_t, oss::color_elem_t r, oss::color_elem_t g,
                                       oss::color_elem_t b) {
    fill_.color = rgb(r, g, b);
}

size_t WorkbookStyles::commit_fill() {
    fills_.push_back(fill_);
    fill_ = FillRec{};
    return fills_.size() - 1;
}

size_t WorkbookStyles::commit_number_format() {
    size_t id = numberId_ != SIZE_MAX ? numberId_ : numberFormats_.size();
    numberFormats_[id] = std::move(numberCode_);
    numberCode_.clear();
    numberId_ = SIZE_MAX;
    return id;
}

size_t WorkbookStyles::commit_cell_xf() {
    xfs_.push_back(xf_);
    xf_ = Xf{};
    return xfs_.size() - 1;
}

std::shared_ptr<const CellType> WorkbookStyles::typeFor(size_t numberFormat) {
    std::string_view code;
    if (auto it = numberFormats_.find(numberFormat); it != numberFormats_.end())
        code = it->second;
    else if (const char* builtin = builtinFormat(numberFormat))
        code = builtin;
    if (code == "@") return std::make_shared<const CellType>(CellType::edit());
    int decimals = 0;
    bool separator = false;
    if (fixedDecimals(code, decimals, separator))
        return std::make_shared<const CellType>(CellType::number(decimals, separator));
    return nullptr;
}

const CellStyle& WorkbookStyles::look(size_t xf) {
    static const CellStyle plain;
    if (xf >= xfs_.size()) return plain;
    if (looks_.size() < xfs_.size()) looks_.resize(xfs_.size());
    if (looks_[xf]) return *looks_[xf];
    const Xf& x = xfs_[xf];
    CellStyle s;
    // The first font is the workbook's default: cells with it keep the
    // sheet's default font.
    if (x.font < fonts_.size()) {
        const FontRec& f = fonts_[x.font];
        if (x.font != 0 && !(fonts_.size() > 0 && f.font == fonts_[0].font))
            s.font = std::make_shared<const Font>(f.font);
        if (f.color != kDefaultColor && f.color != 0) s.fore = f.color;
    }
    if (x.fill < fills_.size() && fills_[x.fill].solid) s.back = fills_[x.fill].color;
    s.type = typeFor(x.number);
    looks_[xf] = std::move(s);
    return *looks_[xf];
}

} // namespace spread::detail
