// The .xlsx writer over the grid engine's sheet.
#include "sheettools/xlsx_writer.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/spread/sheet.h"
#include "platform/spread/xlsx_write.h"

#include <deque>
#include <memory>
#include <string>
#include <xlsxwriter.h>

namespace {

constexpr double kMillimetresPerInch = 25.4;
// The page header and footer of Excel hold at most 255 characters.
constexpr size_t kMaxHeaderText = 255;

std::string utf8(const std::wstring& text) {
    return Zrl_String(text).toUtf8();
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
        if (!(((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) || c == '_' || c == '.')) return false;
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

// A cell showing a picture from a file: the picture is placed over it.
void placePicture(lxw_worksheet* ws, const spread::Sheet& sheet, int col, int row) {
    const Zrl_String picture(sheet.cellType(col, row).picture);
    if (picture.isEmpty() || !fileExists(picture)) return;
    lxw_image_options options = {};
    options.object_position = LXW_OBJECT_MOVE_AND_SIZE;
    worksheet_insert_image_opt(ws, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(col - 1),
                               resolvePath(picture).string().c_str(), &options);
}

void writeHeaderRow(lxw_worksheet* ws, spread::XlsxFormats& formats, const spread::Sheet& sheet,
                    std::deque<spread::CellStyle>& headerLooks) {
    for (int c = 1; c <= sheet.maxCols(); ++c) {
        const spread::Font font = sheet.font(c, 0);
        spread::CellStyle look;
        look.font = std::make_shared<const spread::Font>(font);
        // Header looks are made once here and live as long as the formats.
        headerLooks.push_back(std::move(look));
        worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c - 1), utf8(sheet.data(c, 0)).c_str(),
                               formats.get(&headerLooks.back(), true));
    }
}

} // namespace

bool writeXlsxWorkbook(const spread::Sheet& sheet, const XlsxPage& page, const Zrl_String& path,
                       Zrl_String* error) {
    std::wstring why;
    const bool ok = spread::writeXlsxFile(
        resolvePath(path),
        [&](lxw_workbook* book, std::wstring& failure) {
            lxw_worksheet* ws = workbook_add_worksheet(book, nullptr);
            if (!ws) return false;
            spread::XlsxFormats formats(book, sheet.defaultFont());
            std::deque<spread::CellStyle> headerLooks;
            writeHeaderRow(ws, formats, sheet, headerLooks);
            // The bill's rows below the header row, as values the way the
            // grid shows them, with the pictures of picture cells.
            spread::XlsxRowOptions rows;
            rows.rowOffset = 1;
            rows.valuesOnly = true;
            rows.everyRowHeight = true;
            rows.beforeCell = [&](const spread::CellView& cell) {
                const spread::CellStyle* style = cell.style();
                if (style && style->type && style->type->kind == spread::CellKind::Picture)
                    placePicture(ws, sheet, cell.col(), cell.row());
            };
            if (!spread::writeXlsxRows(ws, formats, sheet, rows, &failure)) return false;
            writePageSetup(book, ws, page);
            return true;
        },
        &why);
    if (!ok && error) *error = why;
    return ok;
}
