// The .xlsx writer over the grid engine's sheet.
#include "sheettools/xlsx_writer.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/files/replace_file.h"
#include "platform/spread/sheet.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>
#include <xlsxwriter.h>

namespace {

namespace fs = std::filesystem;

constexpr double kMillimetresPerInch = 25.4;
// The page header and footer of Excel hold at most 255 characters.
constexpr size_t kMaxHeaderText = 255;

std::string utf8(const std::wstring& text) {
    return Zrl_String(text).toUtf8();
}

// 0x00BBGGRR to the workbook's 0xRRGGBB.
lxw_color_t toRgb(spread::Color color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// Formats are shared between cells with the same look.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook* book) : book_(book) {}

    lxw_format* get(bool bold, int decimals, spread::Color back, int borderSides,
                    const std::wstring& fontName, int fontHeight) {
        const Key key{bold, decimals, back, borderSides, fontName, fontHeight};
        auto it = formats_.find(key);
        if (it != formats_.end()) return it->second;
        lxw_format* f = workbook_add_format(book_);
        if (bold) format_set_bold(f);
        if (decimals == 0) format_set_num_format(f, "0");
        if (decimals == 1) format_set_num_format(f, "0.0");
        if (decimals == -2) format_set_num_format(f, "@");
        if (back != spread::kDefaultColor) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, toRgb(back));
        }
        if (borderSides & (1 | 16)) format_set_left(f, LXW_BORDER_THIN);
        if (borderSides & (2 | 16)) format_set_right(f, LXW_BORDER_THIN);
        if (borderSides & (4 | 16)) format_set_top(f, LXW_BORDER_THIN);
        if (borderSides & (8 | 16)) format_set_bottom(f, LXW_BORDER_THIN);
        if (!fontName.empty()) format_set_font_name(f, utf8(fontName).c_str());
        if (fontHeight > 0) format_set_font_size(f, fontHeight * 0.75);
        formats_.emplace(key, f);
        return f;
    }

private:
    using Key = std::tuple<bool, int, spread::Color, int, std::wstring, int>;
    lxw_workbook* book_;
    std::map<Key, lxw_format*> formats_;
};

// Decimals code of a cell's type: 0.. for number cells, -2 text cells, -1
// general.
int formatCode(const spread::CellType* type) {
    if (!type) return -1;
    if (type->kind == spread::CellKind::Number)
        return type->decimals == 0 || type->decimals == 1 ? type->decimals : -1;
    if (type->kind == spread::CellKind::Integer) return 0;
    if (type->kind == spread::CellKind::Edit) return -2;
    return -1;
}

// Escapes "&" for the page header and footer.
std::string headerText(const Zrl_String& value) {
    std::string out;
    for (const char c : value.toUtf8()) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

Zrl_String namedValue(const XlsxPage& page, const wchar_t* name) {
    for (const auto& [key, value] : page.namedValues)
        if (key == name) return value;
    return Zrl_String();
}

// A defined name is letters, digits, "_" and ".", not starting with a digit.
bool usableDefinedName(const std::string& name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (const char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.')) return false;
    return name != "R" && name != "C" && name != "r" && name != "c";
}

void writePageSetup(lxw_workbook* book, lxw_worksheet* ws, const XlsxPage& page) {
    worksheet_set_margins(
        ws, page.marginLeft / kMillimetresPerInch, page.marginRight / kMillimetresPerInch,
        page.marginTop / kMillimetresPerInch, page.marginBottom / kMillimetresPerInch);
    worksheet_gridlines(ws, page.gridlines ? LXW_SHOW_ALL_GRIDLINES : LXW_HIDE_ALL_GRIDLINES);
    if (page.headings) worksheet_print_row_col_headers(ws);
    if (page.fitToWidth) worksheet_fit_to_pages(ws, 1, 0);

    std::string headerPicture = page.headerPicture;
    std::string footerPicture = page.footerPicture;
    std::string header = "&L" + headerText(namedValue(page, L"Title"));
    if (!headerPicture.empty()) header += "&C&G";
    header += "&R" + headerText(namedValue(page, L"Date"));
    std::string footer = "&L" + headerText(namedValue(page, L"BillFilename"));
    if (!footerPicture.empty()) footer += "&C&G";
    footer += "&RPage &P of &N";
    if (header.size() <= kMaxHeaderText) {
        lxw_header_footer_options options = {};
        if (!headerPicture.empty()) options.image_center = headerPicture.data();
        worksheet_set_header_opt(ws, header.c_str(), &options);
    }
    if (footer.size() <= kMaxHeaderText) {
        lxw_header_footer_options options = {};
        if (!footerPicture.empty()) options.image_center = footerPicture.data();
        worksheet_set_footer_opt(ws, footer.c_str(), &options);
    }
    for (const auto& [key, text] : page.namedValues) {
        const std::string name = key.toUtf8();
        if (!usableDefinedName(name)) continue;
        std::string value;
        for (const char c : text.toUtf8()) {
            if (c == '"') value += '"';
            value += c;
        }
        workbook_define_name(book, name.c_str(), ("=\"" + value + "\"").c_str());
    }
}

// The workbook format of each look of the sheet's cells, and of each
// column's last look, so that a column of alike cells finds its format
// without a search. Looks stay put while the sheet is written.
class LookFormats {
public:
    LookFormats(FormatCache& formats, const spread::Sheet& sheet)
        : formats_(formats), defaultFont_(sheet.defaultFont()),
          last_(static_cast<size_t>(sheet.maxCols()) + 1) {}

    lxw_format* get(int col, const spread::CellStyle* style) {
        Last& last = last_[static_cast<size_t>(col)];
        if (last.format && last.style == style) return last.format;
        auto [at, added] = byStyle_.try_emplace(style, nullptr);
        if (added) {
            const spread::Font& font = style && style->font ? *style->font : defaultFont_;
            at->second =
                formats_.get(font.weight >= 700, formatCode(style ? style->type.get() : nullptr),
                             style ? style->back : spread::kDefaultColor,
                             style ? style->border.sides : 0, font.name, font.height);
        }
        last = {style, at->second};
        return at->second;
    }

private:
    struct Last {
        const spread::CellStyle* style = nullptr;
        lxw_format* format = nullptr;
    };
    FormatCache& formats_;
    spread::Font defaultFont_;
    std::unordered_map<const spread::CellStyle*, lxw_format*> byStyle_;
    std::vector<Last> last_;
};

// A cell showing a picture from a file: the picture is placed over it.
void placePicture(lxw_worksheet* ws, const spread::Sheet& sheet, int col, int row) {
    const Zrl_String picture(sheet.cellType(col, row).picture);
    if (picture.isEmpty() || !fileExists(picture)) return;
    lxw_image_options options = {};
    options.object_position = LXW_OBJECT_MOVE_AND_SIZE;
    worksheet_insert_image_opt(ws, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col - 1),
                               resolvePath(picture).string().c_str(), &options);
}

void writeHeaderRow(lxw_worksheet* ws, FormatCache& formats, const spread::Sheet& sheet) {
    for (int c = 1; c <= sheet.maxCols(); ++c) {
        const spread::Font font = sheet.font(c, 0);
        lxw_format* f = formats.get(true, -1, spread::kDefaultColor, 0, font.name, font.height);
        worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c - 1), utf8(sheet.data(c, 0)).c_str(),
                               f);
        worksheet_set_column_pixels(ws, static_cast<lxw_col_t>(c - 1),
                                    static_cast<lxw_col_t>(c - 1),
                                    static_cast<uint32_t>(sheet.colWidthPixels(c)), nullptr);
    }
}

// Rows are written in order, each with its merged ranges right after its
// cells, so that the workbook can stream them to disk.
void writeRows(lxw_worksheet* ws, FormatCache& formats, const spread::Sheet& sheet) {
    const int cols = sheet.maxCols();
    const int rows = sheet.maxRows();
    std::vector<spread::CellRange> spans = sheet.spans();
    std::sort(
        spans.begin(), spans.end(),
        [](const spread::CellRange& a, const spread::CellRange& b) { return a.row1 < b.row1; });
    auto span = std::find_if(spans.begin(), spans.end(),
                             [](const spread::CellRange& s) { return s.row1 >= 1; });
    LookFormats looks(formats, sheet);
    std::string text;
    lxw_row_t xr = 0;
    const std::function<void(const spread::CellView&)> writeCell =
        [&](const spread::CellView& cell) {
            const lxw_col_t xc = static_cast<lxw_col_t>(cell.col() - 1);
            const spread::CellStyle* style = cell.style();
            if (style && style->type && style->type->kind == spread::CellKind::Picture)
                placePicture(ws, sheet, cell.col(), cell.row());
            lxw_format* f = looks.get(cell.col(), style);
            const spread::Value& v = cell.value();
            if (v.isNumber() || v.isLogical()) {
                worksheet_write_number(ws, xr, xc, v.isNumber() ? v.number() : v.logicalValue(), f);
                return;
            }
            text = v.isText() ? utf8(v.text()) : utf8(v.toText());
            if (!text.empty())
                worksheet_write_string(ws, xr, xc, text.c_str(), f);
            else
                worksheet_write_blank(ws, xr, xc, f);
        };
    for (int r = 1; r <= rows; ++r) {
        xr = static_cast<lxw_row_t>(r);
        worksheet_set_row_pixels(ws, xr, static_cast<uint32_t>(sheet.rowHeightPixels(r)), nullptr);
        sheet.forEachCell(spread::CellRange{1, r, cols, r}, writeCell);
        for (; span != spans.end() && span->row1 == r; ++span) {
            if (span->col1 < 1) continue;
            worksheet_merge_range(ws, xr, static_cast<lxw_col_t>(span->col1 - 1),
                                  static_cast<lxw_row_t>(span->row2),
                                  static_cast<lxw_col_t>(span->col2 - 1), "", nullptr);
        }
    }
}

} // namespace

bool writeXlsxWorkbook(const spread::Sheet& sheet, const XlsxPage& page, const Zrl_String& path,
                       Zrl_String* error) {
    const fs::path target = resolvePath(path);
    files::PendingFile file;
    std::string why;
    if (!file.open(target, &why)) {
        if (error) *error = Zrl_String::fromUtf8(why);
        return false;
    }
    // Rows go to disk as they are written rather than piling up in memory,
    // in work files of the target's folder rather than a shared one; the
    // workbook itself goes to the pending temporary, opened anew by name.
    std::string workFolder = target.has_parent_path() ? target.parent_path().string() : ".";
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = workFolder.data();
    lxw_workbook* book = workbook_new_opt(file.reopenName().c_str(), &options);
    if (!book) {
        if (error) *error = L"cannot create the workbook " + path;
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
    FormatCache formats(book);
    writeHeaderRow(ws, formats, sheet);
    writeRows(ws, formats, sheet);
    writePageSetup(book, ws, page);
    const lxw_error status = workbook_close(book);
    if (status != LXW_NO_ERROR) {
        if (error) *error = Zrl_String::fromUtf8(lxw_strerror(status));
        return false;
    }
    if (!file.commit(&why)) {
        if (error) *error = L"cannot replace " + path;
        return false;
    }
    return true;
}
