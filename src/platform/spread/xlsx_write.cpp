// Sheets written as .xlsx workbooks through libxlsxwriter.
#include "platform/spread/xlsx_rows.h"

#include "platform/files/replace_file.h"
#include "platform/spread/ods_write.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/text/utf.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>
#include <xlsxwriter.h>

namespace spread {

namespace {

std::string utf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        zrltext::appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

std::wstring wide(std::string_view text) {
    std::wstring w;
    if (!zrltext::fromUtf8Strict(text, w)) w = L"?";
    return w;
}

// 0x00BBGGRR to the workbook's 0xRRGGBB.
lxw_color_t rgb(Color color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

std::wstring cellName(int col, int row) {
    return columnName(col) + std::to_wstring(row);
}

// Errors a workbook knows as constants; the engine's others (#CYCLE!) are
// written as their names in text.
bool workbookError(ErrorKind kind) {
    const std::wstring_view name = errorName(kind);
    for (const wchar_t* known :
         {L"#NULL!", L"#DIV/0!", L"#VALUE!", L"#REF!", L"#NAME?", L"#NUM!", L"#N/A"})
        if (name == known) return true;
    return false;
}

} // namespace

std::string xlsxNumberFormat(const CellType* type) {
    if (!type) return {};
    switch (type->kind) {
    case CellKind::Integer: return "0";
    case CellKind::Edit: return "@";
    case CellKind::Number: {
        if (type->decimals < 0 || type->decimals > 15) return {};
        std::string code = type->separator ? "#,##0" : "0";
        if (type->decimals > 0) code += "." + std::string(static_cast<size_t>(type->decimals), '0');
        return code;
    }
    default: return {};
    }
}

struct XlsxFormats::Impl {
    using Key = std::tuple<std::wstring, int, int, bool, bool, Color, Color, int, std::string>;
    lxw_workbook* book;
    Font defaultFont;
    std::map<Key, lxw_format*> byLook;
    std::unordered_map<const CellStyle*, lxw_format*> byStyle[2];
};

XlsxFormats::XlsxFormats(lxw_workbook* book, const Font& defaultFont)
    : d_(std::make_unique<Impl>()) {
    d_->book = book;
    d_->defaultFont = defaultFont;
}

XlsxFormats::~XlsxFormats() = default;

lxw_format* XlsxFormats::get(const CellStyle* style, bool bold) {
    auto& known = d_->byStyle[bold ? 1 : 0];
    if (auto it = known.find(style); it != known.end()) return it->second;
    const Font& font = style && style->font ? *style->font : d_->defaultFont;
    const int weight = bold ? 700 : font.weight;
    const Color fore = style ? style->fore : kDefaultColor;
    const Color back = style ? style->back : kDefaultColor;
    const int sides = style ? style->border.sides : 0;
    std::string number = xlsxNumberFormat(style ? style->type.get() : nullptr);
    Impl::Key key{font.name, font.height, weight, font.italic, font.underline,
                  fore,      back,        sides,  number};
    lxw_format*& f = d_->byLook[key];
    if (!f) {
        f = workbook_add_format(d_->book);
        if (!font.name.empty()) format_set_font_name(f, utf8(font.name).c_str());
        if (font.height > 0) format_set_font_size(f, font.height * 0.75);
        if (weight >= 700) format_set_bold(f);
        if (font.italic) format_set_italic(f);
        if (font.underline) format_set_underline(f, LXW_UNDERLINE_SINGLE);
        if (fore != kDefaultColor) format_set_font_color(f, rgb(fore));
        if (back != kDefaultColor) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, rgb(back));
        }
        if (sides & (1 | 16)) format_set_left(f, LXW_BORDER_THIN);
        if (sides & (2 | 16)) format_set_right(f, LXW_BORDER_THIN);
        if (sides & (4 | 16)) format_set_top(f, LXW_BORDER_THIN);
        if (sides & (8 | 16)) format_set_bottom(f, LXW_BORDER_THIN);
        if (!number.empty()) format_set_num_format(f, number.c_str());
    }
    known.emplace(style, f);
    return f;
}

bool writeXlsxRows(lxw_worksheet* ws, XlsxFormats& formats, const Sheet& sheet,
                   const XlsxRowOptions& options, std::wstring* error) {
    const SheetContent& content = sheet.internals().content;
    const int cols = sheet.maxCols(), rows = sheet.maxRows();
    for (int c = 1; c <= cols; ++c)
        worksheet_set_column_pixels(ws, static_cast<lxw_col_t>(c - 1), static_cast<lxw_col_t>(c - 1),
                                    static_cast<uint32_t>(sheet.colWidthPixels(c)), nullptr);
    if (!options.everyRowHeight)
        worksheet_set_default_row(ws, content.defaultRowHeight * 0.75, LXW_FALSE);

    std::vector<CellRange> spans = sheet.spans();
    std::sort(spans.begin(), spans.end(),
              [](const CellRange& a, const CellRange& b) { return a.row1 < b.row1; });
    auto span = std::find_if(spans.begin(), spans.end(),
                             [](const CellRange& s) { return s.row1 >= 1 && s.col1 >= 1; });

    lxw_error failed = LXW_NO_ERROR;
    int failedCol = 0;
    lxw_row_t xr = 0;
    std::string text;
    const std::function<void(const CellView&)> writeCell = [&](const CellView& cell) {
        if (failed != LXW_NO_ERROR) return;
        const Value& v = cell.value();
        const CellStyle* style = cell.style();
        if (v.isEmpty() && !style && !cell.hasFormula()) return;
        if (options.beforeCell) options.beforeCell(cell);
        const lxw_col_t xc = static_cast<lxw_col_t>(cell.col() - 1);
        lxw_format* f = formats.get(style);
        lxw_error status = LXW_NO_ERROR;
        if (cell.hasFormula() && !options.valuesOnly) {
            // The formula as the engine reads it, whatever the sheet's
            // reference style, with its computed value.
            const std::string formula = "=" + utf8(detail::formulaA1(sheet, cell.col(), cell.row()));
            if (v.isNumber() || v.isLogical())
                status = worksheet_write_formula_num(ws, xr, xc, formula.c_str(), f,
                                                     v.isNumber() ? v.number() : v.logicalValue());
            else
                status = worksheet_write_formula_str(ws, xr, xc, formula.c_str(), f,
                                                     utf8(v.toText()).c_str());
        } else if (v.isNumber()) {
            status = worksheet_write_number(ws, xr, xc, v.number(), f);
        } else if (v.isLogical()) {
            status = options.valuesOnly
                         ? worksheet_write_number(ws, xr, xc, v.logicalValue() ? 1 : 0, f)
                         : worksheet_write_boolean(ws, xr, xc, v.logicalValue(), f);
        } else if (v.isError() && !options.valuesOnly && workbookError(v.errorKind())) {
            // A workbook holds an error constant as a formula of it.
            text = utf8(errorName(v.errorKind()));
            status = worksheet_write_formula_str(ws, xr, xc, ("=" + text).c_str(), f, text.c_str());
        } else {
            text = v.isText() ? utf8(v.text()) : utf8(v.toText());
            status = text.empty() ? worksheet_write_blank(ws, xr, xc, f)
                                  : worksheet_write_string(ws, xr, xc, text.c_str(), f);
        }
        if (status != LXW_NO_ERROR) {
            failed = status;
            failedCol = cell.col();
        }
    };
    for (int r = 1; r <= rows && failed == LXW_NO_ERROR; ++r) {
        xr = static_cast<lxw_row_t>(r - 1 + options.rowOffset);
        const bool hidden = sheet.isRowHidden(r);
        if (hidden) {
            lxw_row_col_options hide = {};
            hide.hidden = LXW_TRUE;
            worksheet_set_row_pixels_opt(ws, xr, static_cast<uint32_t>(sheet.rowHeightPixels(r)),
                                         nullptr, &hide);
        } else if (options.everyRowHeight || content.rowHeights.count(r)) {
            worksheet_set_row_pixels(ws, xr, static_cast<uint32_t>(sheet.rowHeightPixels(r)),
                                     nullptr);
        }
        sheet.forEachCell(CellRange{1, r, cols, r}, writeCell);
        if (failed != LXW_NO_ERROR) {
            if (error)
                *error = L"cannot write " + cellName(failedCol, r) + L" to the workbook: " +
                         wide(lxw_strerror(failed));
            return false;
        }
        for (; span != spans.end() && span->row1 == r; ++span) {
            if (span->col1 < 1) continue;
            worksheet_merge_range(ws, xr, static_cast<lxw_col_t>(span->col1 - 1),
                                  static_cast<lxw_row_t>(span->row2 - 1 + options.rowOffset),
                                  static_cast<lxw_col_t>(span->col2 - 1), "", nullptr);
        }
    }
    return true;
}

bool writeXlsxFile(const std::filesystem::path& path,
                   const std::function<bool(lxw_workbook*, std::wstring&)>& fill,
                   std::wstring* error) {
    auto fail = [&](std::wstring why) {
        if (error) *error = std::move(why);
        return false;
    };
    files::PendingFile file;
    std::string why;
    if (!file.open(path, &why)) return fail(wide(why));
    // The workbook goes to the pending temporary, opened anew by name; its
    // parts are made in work files of the target's folder, never a shared
    // one. Texts go to the workbook's shared strings: the constant-memory
    // mode would write them inline, and inline texts are lost on reading
    // (the reader's parser drops them).
    std::string workFolder = path.has_parent_path() ? path.parent_path().string() : ".";
    lxw_workbook_options options = {};
    options.tmpdir = workFolder.data();
    lxw_workbook* book = workbook_new_opt(file.reopenName().c_str(), &options);
    if (!book) return fail(L"cannot create the workbook " + wide(path.string()));
    std::wstring failure;
    bool filled = false;
    try {
        filled = fill(book, failure);
    } catch (...) {
        failure = L"out of memory while writing the workbook";
    }
    // Closing frees the workbook whatever happened; a workbook that was not
    // filled is then dropped with the pending file.
    const lxw_error status = workbook_close(book);
    if (!filled) return fail(failure.empty() ? L"cannot write the workbook" : failure);
    if (status != LXW_NO_ERROR) return fail(wide(lxw_strerror(status)));
    if (!file.commit(&why)) return fail(wide(why));
    return true;
}

bool detail::saveXlsx(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
    return writeXlsxFile(
        path,
        [&](lxw_workbook* book, std::wstring& why) {
            lxw_worksheet* ws = workbook_add_worksheet(book, "Sheet1");
            if (!ws) return false;
            XlsxFormats formats(book, sheet.defaultFont());
            return writeXlsxRows(ws, formats, sheet, XlsxRowOptions{}, &why);
        },
        error);
}

} // namespace spread
