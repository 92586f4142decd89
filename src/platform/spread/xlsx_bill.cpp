// A sheet written as a bill workbook: a bold header row, the rows as values,
// pictures over picture cells, and a page set-up.
#include "platform/spread/sheet.h"
#include "platform/spread/xlsx_rows.h"
#include "platform/text/utf.h"

#include <deque>
#include <xlsxwriter.h>

namespace spread {

namespace {

// The page header and footer of a workbook hold at most 255 characters.
constexpr size_t kMaxHeaderText = 255;

std::string utf8(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text)
        zrltext::appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

// A defined name is letters, digits, "_" and ".", not starting with a digit,
// and none of the names of the row and column reference style.
bool usableDefinedName(const std::string& name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (const char c : name)
        if (!(((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) ||
              c == '_' || c == '.'))
            return false;
    return name != "R" && name != "C" && name != "r" && name != "c";
}

void setHeaderFooter(lxw_worksheet* ws, const std::string& text, const std::string& picture,
                     bool footer) {
    if (text.empty() || text.size() > kMaxHeaderText) return;
    lxw_header_footer_options options = {};
    std::string file = picture;
    if (!file.empty()) options.image_center = file.data();
    if (footer)
        worksheet_set_footer_opt(ws, text.c_str(), &options);
    else
        worksheet_set_header_opt(ws, text.c_str(), &options);
}

void writePageSetup(lxw_workbook* book, lxw_worksheet* ws, const XlsxPageSetup& page) {
    worksheet_set_margins(ws, page.marginLeft, page.marginRight, page.marginTop,
                          page.marginBottom);
    worksheet_gridlines(ws, page.gridlines ? LXW_SHOW_ALL_GRIDLINES : LXW_HIDE_ALL_GRIDLINES);
    if (page.headings) worksheet_print_row_col_headers(ws);
    if (page.fitToWidth) worksheet_fit_to_pages(ws, 1, 0);
    setHeaderFooter(ws, page.header, page.headerPicture, false);
    setHeaderFooter(ws, page.footer, page.footerPicture, true);
    for (const auto& [name, formula] : page.definedNames)
        if (usableDefinedName(name)) workbook_define_name(book, name.c_str(), formula.c_str());
}

void writeHeaderRow(lxw_worksheet* ws, XlsxFormats& formats, const Sheet& sheet,
                    std::deque<CellStyle>& headerLooks) {
    for (int c = 1; c <= sheet.maxCols(); ++c) {
        CellStyle look;
        look.font = std::make_shared<const Font>(sheet.font(c, 0));
        // Header looks are made once here and live as long as the formats.
        headerLooks.push_back(std::move(look));
        worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c - 1), utf8(sheet.data(c, 0)).c_str(),
                               formats.get(&headerLooks.back(), true));
    }
}

} // namespace

bool detail::saveXlsxBill(const Sheet& sheet, const XlsxPageSetup& page,
                          const std::filesystem::path& path, std::wstring* error) {
    return writeXlsxFile(
        path,
        [&](lxw_workbook* book, std::wstring& failure) {
            lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
            if (!ws) return false;
            XlsxFormats formats(book, sheet.defaultFont());
            std::deque<CellStyle> headerLooks;
            writeHeaderRow(ws, formats, sheet, headerLooks);
            XlsxRowOptions rows;
            rows.rowOffset = 1;
            rows.valuesOnly = true;
            rows.everyRowHeight = true;
            rows.beforeCell = [&](const CellView& cell) {
                const CellStyle* style = cell.style();
                if (!page.picturePath || !style || !style->type ||
                    style->type->kind != CellKind::Picture)
                    return;
                const std::string file = page.picturePath(style->type->picture);
                if (file.empty()) return;
                lxw_image_options options = {};
                options.object_position = LXW_OBJECT_MOVE_AND_SIZE;
                worksheet_insert_image_opt(ws, static_cast<lxw_row_t>(cell.row()),
                                           static_cast<lxw_col_t>(cell.col() - 1), file.c_str(),
                                           &options);
            };
            if (!writeXlsxRows(ws, formats, sheet, rows, &failure)) return false;
            writePageSetup(book, ws, page);
            return true;
        },
        error);
}

} // namespace spread
