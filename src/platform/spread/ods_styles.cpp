// Cell styles, column widths and row heights of an OpenDocument
// spreadsheet, turned into the engine's cell formats.
#include "platform/spread/ods_styles.h"

#include <charconv>
#include <cmath>

namespace spread::detail {

namespace {

bool number(std::string_view s, double& out) {
    const char* end = s.data() + s.size();
    auto [at, ec] = std::from_chars(s.data(), end, out);
    return ec == std::errc() && at == end && std::isfinite(out);
}

// "2.5cm", "54pt", "1in": a number and its unit.
std::optional<OdsLength> length(std::string_view s) {
    static const struct {
        std::string_view suffix;
        orcus::length_unit_t unit;
        double factor;
    } units[] = {{"in", orcus::length_unit_t::inch, 1},       {"cm", orcus::length_unit_t::centimeter, 1},
                 {"mm", orcus::length_unit_t::millimeter, 1}, {"pt", orcus::length_unit_t::point, 1},
                 {"pc", orcus::length_unit_t::point, 12},     {"px", orcus::length_unit_t::pixel, 1}};
    for (const auto& u : units) {
        double v = 0;
        if (s.ends_with(u.suffix) && number(s.substr(0, s.size() - u.suffix.size()), v))
            return OdsLength{v * u.factor, u.unit};
    }
    return std::nullopt;
}

// "#rrggbb" as the engine's colour (red in the low byte); "transparent"
// as none.
std::optional<Color> color(std::string_view s) {
    if (s == "transparent") return kDefaultColor;
    if (s.size() != 7 || s[0] != '#') return std::nullopt;
    unsigned rgb = 0;
    auto [at, ec] = std::from_chars(s.data() + 1, s.data() + 7, rgb, 16);
    if (ec != std::errc() || at != s.data() + 7) return std::nullopt;
    return static_cast<Color>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

std::string unquoted(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '\'' || s.front() == '"') && s.back() == s.front())
        s = s.substr(1, s.size() - 2);
    return std::string(s);
}

} // namespace

std::string_view odsAttr(const std::vector<OdsAttr>& attrs, OdsNs ns, std::string_view name) {
    for (const OdsAttr& a : attrs)
        if (a.ns == ns && a.name == name) return a.value;
    return {};
}

void OdsStyles::start(OdsNs ns, std::string_view name, const std::vector<OdsAttr>& attrs,
                      bool automatic) {
    auto attr = [&](OdsNs n, std::string_view a) { return odsAttr(attrs, n, a); };
    if (ns == OdsNs::Style && name == "font-face") {
        if (std::string_view family = attr(OdsNs::Svg, "font-family"); !family.empty())
            fontFaces_[std::string(attr(OdsNs::Style, "name"))] = unquoted(family);
        return;
    }
    if (ns == OdsNs::Style && (name == "style" || name == "default-style")) {
        const std::string_view family = attr(OdsNs::Style, "family");
        name_ = attr(OdsNs::Style, "name");
        props_ = nullptr;
        current_ = Current::None;
        if (family == "table-column") {
            current_ = Current::Column;
        } else if (family == "table-row") {
            current_ = Current::Row;
        } else if (family == "table-cell") {
            current_ = Current::Cell;
            if (name == "default-style") {
                props_ = &default_;
            } else {
                CellStyleRec& rec = (automatic ? automatic_ : named_)[name_];
                rec = {std::string(attr(OdsNs::Style, "parent-style-name")), {}};
                props_ = &rec.props;
            }
            if (std::string_view data = attr(OdsNs::Style, "data-style-name"); !data.empty())
                props_->dataStyle = std::string(data);
        }
        return;
    }
    if (ns == OdsNs::Style && current_ == Current::Column && name == "table-column-properties") {
        if (auto w = length(attr(OdsNs::Style, "column-width"))) widths_[name_] = *w;
        return;
    }
    if (ns == OdsNs::Style && current_ == Current::Row && name == "table-row-properties") {
        if (auto h = length(attr(OdsNs::Style, "row-height"))) heights_[name_] = *h;
        return;
    }
    if (ns == OdsNs::Style && current_ == Current::Cell && props_) {
        if (name == "text-properties") {
            std::string_view v = attr(OdsNs::Fo, "font-weight");
            if (!v.empty()) {
                double weight = 0;
                props_->bold = v == "bold" || (number(v, weight) && weight >= 600);
            }
            if (v = attr(OdsNs::Fo, "font-style"); !v.empty())
                props_->italic = v == "italic" || v == "oblique";
            if (v = attr(OdsNs::Style, "font-name"); !v.empty()) {
                auto face = fontFaces_.find(std::string(v));
                props_->fontName = face != fontFaces_.end() ? face->second : std::string(v);
            } else if (v = attr(OdsNs::Fo, "font-family"); !v.empty()) {
                props_->fontName = unquoted(v);
            }
            if (auto size = length(attr(OdsNs::Fo, "font-size"));
                size && size->unit == orcus::length_unit_t::point)
                props_->fontSize = size->value;
            if (v = attr(OdsNs::Style, "text-underline-style"); !v.empty())
                props_->underline = v != "none";
            if (auto c = color(attr(OdsNs::Fo, "color"))) props_->color = *c;
        } else if (name == "table-cell-properties") {
            if (auto c = color(attr(OdsNs::Fo, "background-color"))) props_->back = *c;
        }
        return;
    }
    if (ns == OdsNs::Number && name.ends_with("-style")) {
        current_ = Current::Number;
        name_ = attr(OdsNs::Style, "name");
        numberKind_ = name;
        numbers_ = others_ = decimals_ = 0;
        grouping_ = false;
        return;
    }
    if (ns == OdsNs::Number && current_ == Current::Number) {
        if (name == "number") {
            ++numbers_;
            std::string_view places = attr(OdsNs::Number, "decimal-places");
            std::from_chars(places.data(), places.data() + places.size(), decimals_);
            grouping_ = attr(OdsNs::Number, "grouping") == "true";
        } else if (name != "text-content") {
            ++others_; // text, a currency symbol, a date part: more than a number
        }
    }
}

void OdsStyles::end(OdsNs ns, std::string_view name) {
    if (ns == OdsNs::Style && (name == "style" || name == "default-style")) {
        current_ = Current::None;
        props_ = nullptr;
    } else if (ns == OdsNs::Number && current_ == Current::Number && name == numberKind_) {
        // The codes the engine maps to cell types: fixed decimals and text.
        std::string code;
        if (numberKind_ == "text-style") {
            code = "@";
        } else if (numberKind_ == "number-style" && numbers_ == 1 && others_ == 0 &&
                   decimals_ >= 0 && decimals_ <= 15) {
            code = grouping_ ? "#,##0" : "0";
            if (decimals_ > 0) code += "." + std::string(static_cast<size_t>(decimals_), '0');
        }
        numberCodes_[name_] = std::move(code);
        current_ = Current::None;
    }
}

const OdsLength* OdsStyles::columnWidth(std::string_view name) const {
    auto it = widths_.find(std::string(name));
    return it == widths_.end() ? nullptr : &it->second;
}

const OdsLength* OdsStyles::rowHeight(std::string_view name) const {
    auto it = heights_.find(std::string(name));
    return it == heights_.end() ? nullptr : &it->second;
}

void OdsStyles::inherit(CellProps& into, const CellProps& from) {
    auto take = [](auto& to, const auto& value) {
        if (value) to = value;
    };
    take(into.fontName, from.fontName);
    take(into.dataStyle, from.dataStyle);
    take(into.fontSize, from.fontSize);
    take(into.bold, from.bold);
    take(into.italic, from.italic);
    take(into.underline, from.underline);
    take(into.color, from.color);
    take(into.back, from.back);
}

size_t OdsStyles::commitFormat(const CellProps& p) {
    if (p.fontName) out_.set_font_name(*p.fontName);
    if (p.fontSize) out_.set_font_size(*p.fontSize);
    out_.set_font_bold(p.bold.value_or(false));
    out_.set_font_italic(p.italic.value_or(false));
    out_.set_font_underline(p.underline.value_or(false) ? oss::underline_t::single_line
                                                        : oss::underline_t::none);
    if (p.color)
        out_.set_font_color(255, static_cast<oss::color_elem_t>(*p.color & 0xFF),
                            static_cast<oss::color_elem_t>((*p.color >> 8) & 0xFF),
                            static_cast<oss::color_elem_t>((*p.color >> 16) & 0xFF));
    const size_t font = out_.commit_font();
    const bool filled = p.back && *p.back != kDefaultColor;
    out_.set_fill_pattern_type(filled ? oss::fill_pattern_t::solid : oss::fill_pattern_t::none);
    if (filled)
        out_.set_fill_fg_color(255, static_cast<oss::color_elem_t>(*p.back & 0xFF),
                               static_cast<oss::color_elem_t>((*p.back >> 8) & 0xFF),
                               static_cast<oss::color_elem_t>((*p.back >> 16) & 0xFF));
    const size_t fill = out_.commit_fill();
    std::string code;
    if (p.dataStyle)
        if (auto it = numberCodes_.find(*p.dataStyle); it != numberCodes_.end()) code = it->second;
    out_.set_number_format_code(code);
    const size_t number = out_.commit_number_format();
    out_.set_xf_font(font);
    out_.set_xf_fill(fill);
    out_.set_xf_number_format(number);
    return out_.commit_cell_xf();
}

std::optional<size_t> OdsStyles::cellFormat(std::string_view name) {
    if (auto it = formats_.find(name); it != formats_.end()) return it->second;
    std::optional<size_t>& xf = formats_[std::string(name)];
    const std::string key(name);
    const CellStyleRec* rec = nullptr;
    if (auto it = automatic_.find(key); it != automatic_.end())
        rec = &it->second;
    else if (auto it = named_.find(key); it != named_.end())
        rec = &it->second;
    if (!rec) return xf;
    // The workbook's first font is its default (see WorkbookStyles::look).
    if (!defaultFontCommitted_) {
        commitFormat(default_);
        defaultFontCommitted_ = true;
    }
    // The style, its parents (a few levels; a loop ends there too), then
    // the default style: the nearest setting of each property counts.
    std::vector<const CellProps*> chain{&rec->props};
    for (const CellStyleRec* at = rec; chain.size() < 16;) {
        auto parent = named_.find(at->parent);
        if (at->parent.empty() || parent == named_.end()) break;
        at = &parent->second;
        chain.push_back(&at->props);
    }
    CellProps effective = default_;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        inherit(effective, **it);
    xf = commitFormat(effective);
    return xf;
}

} // namespace spread::detail
