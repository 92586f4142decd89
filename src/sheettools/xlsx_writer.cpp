// The .xlsx writer over the grid engine's sheet.
#include "sheettools/xlsx_writer.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/spread/sheet.h"
#include "platform/spread/xlsx_write.h"

#include <string>

namespace {

constexpr double kMillimetresPerInch = 25.4;

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

spread::XlsxPageSetup pageSetup(const XlsxPage& page) {
    spread::XlsxPageSetup setup;
    setup.marginLeft = page.marginLeft / kMillimetresPerInch;
    setup.marginRight = page.marginRight / kMillimetresPerInch;
    setup.marginTop = page.marginTop / kMillimetresPerInch;
    setup.marginBottom = page.marginBottom / kMillimetresPerInch;
    setup.gridlines = page.gridlines;
    setup.headings = page.headings;
    setup.fitToWidth = page.fitToWidth;
    setup.header = "&L" + headerText(namedValue(page, L"Title"));
    if (!page.headerPicture.empty()) setup.header += "&C&G";
    setup.header += "&R" + headerText(namedValue(page, L"Date"));
    setup.footer = "&L" + headerText(namedValue(page, L"BillFilename"));
    if (!page.footerPicture.empty()) setup.footer += "&C&G";
    setup.footer += "&RPage &P of &N";
    setup.headerPicture = page.headerPicture;
    setup.footerPicture = page.footerPicture;
    // Every named value becomes a defined name holding its text.
    for (const auto& [key, text] : page.namedValues) {
        std::string value;
        for (const char c : text.toUtf8()) {
            if (c == '"') value += '"';
            value += c;
        }
        setup.definedNames.emplace_back(key.toUtf8(), "=\"" + value + "\"");
    }
    // A picture cell's picture is placed over it when its file exists.
    setup.picturePath = [](const std::wstring& picture) {
        const Zrl_String name(picture);
        if (name.isEmpty() || !fileExists(name)) return std::string();
        return resolvePath(name).string();
    };
    return setup;
}

} // namespace

bool writeXlsxWorkbook(const spread::Sheet& sheet, const XlsxPage& page, const Zrl_String& path,
                       Zrl_String* error) {
    std::wstring why;
    const bool ok = spread::writeXlsxBill(sheet, pageSetup(page), resolvePath(path), &why);
    if (!ok && error) *error = why;
    return ok;
}
