// Writing a sheet as an OpenDocument spreadsheet (.ods): the content as
// XML text, zipped with minizip (mimetype first and stored, as the format
// asks), replaced atomically.
#include "platform/spread/ods_write.h"

#include "platform/files/replace_file.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file.h"
#include "platform/text/utf.h"

#include <cstdio>
#include <set>
#include <string>
#include <zip.h>

namespace spread::detail {

namespace {

void escaped(std::string& out, std::wstring_view text) {
    for (wchar_t c : text) {
        switch (c) {
        case L'<': out += "&lt;"; break;
        case L'>': out += "&gt;"; break;
        case L'&': out += "&amp;"; break;
        case L'"': out += "&quot;"; break;
        default:
            if (c < 0x20 && c != L'\t' && c != L'\n') break; // not allowed in XML
            zrltext::appendUtf8(out, static_cast<char32_t>(c));
        }
    }
}

bool isUpper(wchar_t c) { return c >= L'A' && c <= L'Z'; }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// "$A$1", "B2": [$]letters[$]digits, the whole of `s`.
bool isCell(std::wstring_view s) {
    size_t i = 0;
    if (i < s.size() && s[i] == L'$') ++i;
    size_t letters = i;
    while (i < s.size() && isUpper(s[i]))
        ++i;
    if (i == letters || i - letters > 3) return false;
    if (i < s.size() && s[i] == L'$') ++i;
    size_t digits = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i > digits && i == s.size();
}

// A size in points of `px` pixels at 96 per inch, written as in the "C" locale.
std::string points(int px) {
    char buf[400];
    char* end = numberChars(px * 0.75, buf, buf + sizeof buf);
    return std::string(buf, end) + "pt";
}

} // namespace

std::wstring formulaA1(const Sheet& sheet, int col, int row) {
    const SheetContent& c = sheet.internals().content;
    auto it = c.cells.find(cellKey(col, row));
    if (it == c.cells.end() || it->second.formula == kNone) return {};
    return c.nodes[it->second.formula].formula->text(RefStyle::A1, col, row);
}

std::wstring odfFormula(std::wstring_view f) {
    std::wstring out = L"of:=";
    size_t i = 0;
    while (i < f.size()) {
        wchar_t c = f[i];
        if (c == L'"') {
            size_t j = i + 1;
            while (j < f.size() && !(f[j] == L'"' && (j + 1 >= f.size() || f[j + 1] != L'"')))
                j += f[j] == L'"' ? 2 : 1;
            out.append(f.substr(i, j + 1 - i));
            i = j + 1;
        } else if (c == L',') {
            out += L';';
            ++i;
        } else if (c == L'$' || isUpper(c) || (c >= L'a' && c <= L'z') || c == L'_') {
            size_t j = i;
            while (j < f.size() && (f[j] == L'$' || f[j] == L'_' || f[j] == L'.' || f[j] == L':' ||
                                    isUpper(f[j]) || isDigit(f[j]) || (f[j] >= L'a' && f[j] <= L'z')))
                ++j;
            std::wstring_view run = f.substr(i, j - i);
            size_t colon = run.find(L':');
            bool call = j < f.size() && f[j] == L'(';
            if (!call && colon == std::wstring_view::npos && isCell(run)) {
                out += L"[." + std::wstring(run) + L"]";
            } else if (!call && colon != std::wstring_view::npos && isCell(run.substr(0, colon)) &&
                       isCell(run.substr(colon + 1))) {
                out += L"[." + std::wstring(run.substr(0, colon)) + L":." +
                       std::wstring(run.substr(colon + 1)) + L"]";
            } else {
                out.append(run);
            }
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string odsContent(const Sheet& sheet) {
    std::string x =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<office:document-content"
        " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
        " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
        " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
        " xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\" office:version=\"1.2\">\n"
        "<office:automatic-styles>\n";
    const int cols = sheet.maxCols(), rows = sheet.maxRows();
    // One style per width of a column and per height of a row, named by the
    // size in pixels: sizes in points (pixels at 96 dpi). A sheet of 100,000
    // rows of one height then has one row style, not 100,000 for the reader
    // to keep.
    std::set<int> widths, heights;
    for (int c = 1; c <= cols; ++c)
        widths.insert(sheet.colWidthPixels(c));
    for (int r = 1; r <= rows; ++r)
        heights.insert(sheet.rowHeightPixels(r));
    for (int px : widths)
        x += "<style:style style:name=\"co" + std::to_string(px) +
             "\" style:family=\"table-column\"><style:table-column-properties "
             "style:column-width=\"" +
             points(px) + "\"/></style:style>\n";
    for (int px : heights)
        x += "<style:style style:name=\"ro" + std::to_string(px) +
             "\" style:family=\"table-row\"><style:table-row-properties style:row-height=\"" +
             points(px) + "\"/></style:style>\n";
    x += "</office:automatic-styles>\n<office:body><office:spreadsheet>\n"
         "<table:table table:name=\"Sheet1\">\n";
    for (int c = 1; c <= cols; ++c)
        x += "<table:table-column table:style-name=\"co" + std::to_string(sheet.colWidthPixels(c)) +
             "\"/>\n";
    char number[400];
    for (int r = 1; r <= rows; ++r) {
        x += "<table:table-row table:style-name=\"ro" + std::to_string(sheet.rowHeightPixels(r)) +
             "\"";
        if (sheet.isRowHidden(r)) x += " table:visibility=\"collapse\"";
        x += ">";
        for (int c = 1; c <= cols; ++c) {
            CellRange span;
            if (sheet.span(c, r, span) && !(span.col1 == c && span.row1 == r)) {
                x += "<table:covered-table-cell/>";
                continue;
            }
            x += "<table:table-cell";
            if (sheet.span(c, r, span))
                x += " table:number-columns-spanned=\"" + std::to_string(span.col2 - span.col1 + 1) +
                     "\" table:number-rows-spanned=\"" + std::to_string(span.row2 - span.row1 + 1) +
                     "\"";
            if (sheet.hasFormula(c, r)) {
                x += " table:formula=\"";
                escaped(x, odfFormula(formulaA1(sheet, c, r)));
                x += "\"";
            }
            const Value& v = sheet.valueAt(c, r);
            std::wstring shown;
            if (v.isNumber()) {
                char* end = numberChars(v.number(), number, number + sizeof number);
                x += " office:value-type=\"float\" office:value=\"" + std::string(number, end) + "\"";
                shown = v.toText();
            } else if (v.isLogical()) {
                x += std::string(" office:value-type=\"boolean\" office:boolean-value=\"") +
                     (v.logicalValue() ? "true" : "false") + "\"";
                shown = v.logicalValue() ? L"TRUE" : L"FALSE";
            } else if (!v.isEmpty()) {
                x += " office:value-type=\"string\"";
                shown = v.toText();
            }
            x += ">";
            if (!shown.empty()) {
                x += "<text:p>";
                escaped(x, shown);
                x += "</text:p>";
            }
            x += "</table:table-cell>";
        }
        x += "</table:table-row>\n";
    }
    x += "</table:table>\n</office:spreadsheet></office:body></office:document-content>\n";
    return x;
}

bool saveOds(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
    static const char kMime[] = "application/vnd.oasis.opendocument.spreadsheet";
    static const char kManifest[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
        " manifest:version=\"1.2\">\n"
        " <manifest:file-entry manifest:full-path=\"/\""
        " manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"
        " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
        "</manifest:manifest>\n";
    const std::string content = odsContent(sheet);
    // minizip opens its output by name: the pending temporary beside the
    // target, opened anew, then put over the target.
    files::PendingFile file;
    std::string why;
    if (!file.open(path, &why)) {
        if (error && !zrltext::fromUtf8Strict(why, *error)) *error = L"cannot write the .ods archive";
        return false;
    }
    bool ok = false;
    if (zipFile z = zipOpen(file.reopenName().c_str(), APPEND_STATUS_CREATE)) {
        zip_fileinfo info{};
        info.tmz_date = {0, 0, 0, 1, 0, 2024};
        auto add = [&](const char* name, const void* data, size_t size, int method) {
            return zipOpenNewFileInZip(z, name, &info, nullptr, 0, nullptr, 0, nullptr, method,
                                       method ? Z_DEFAULT_COMPRESSION : 0) == ZIP_OK &&
                   zipWriteInFileInZip(z, data, static_cast<unsigned>(size)) == ZIP_OK &&
                   zipCloseFileInZip(z) == ZIP_OK;
        };
        ok = content.size() < (1u << 31) && add("mimetype", kMime, sizeof kMime - 1, 0) &&
             add("content.xml", content.data(), content.size(), Z_DEFLATED) &&
             add("META-INF/manifest.xml", kManifest, sizeof kManifest - 1, Z_DEFLATED);
        ok = zipClose(z, nullptr) == ZIP_OK && ok;
    }
    if (!ok) {
        if (error) *error = L"cannot write the .ods archive";
        return false;
    }
    if (!file.commit(&why)) {
        if (error && !zrltext::fromUtf8Strict(why, *error)) *error = L"cannot write the .ods archive";
        return false;
    }
    return true;
}

} // namespace spread::detail
