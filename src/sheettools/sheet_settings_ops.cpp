// Bill sheet set-up and saving with settings.
#include "sheettools/sheet_settings_ops.h"

#include "grid/zrl_spread.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "sheettools/ss_registry_sets.h"
#include "sheettools/ss_settings.h"
#include "sheettools/xlsx_writer.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// Grid options switched on for a bill sheet (kept by the engine for whoever
// draws the sheet).
constexpr int kPreparedOptions[] = {12, 25, 7, 21};
constexpr int kEditStyleBill = 4;
constexpr int kEditMaxBill = 100;

// The folder above a folder ending in "\": "a\b\" gives "a\".
Zrl_String parentFolder(const Zrl_String& folder) {
    Zrl_String f = folder;
    if (f.endsWith(L"\\", true) || f.endsWith(L"/", true)) f = f.left(f.length() - 1);
    return getPath(f);
}

bool isAbsoluteName(const Zrl_String& name) {
    return name.hasSubString(L":", true) || name.hasSubString(L"\\\\", true) ||
           name.startsWith(L"/", true);
}

// Copies when the target is missing or older than the source.
bool copyIfNewer(const Zrl_String& from, const Zrl_String& to) {
    std::int64_t fromTime = 0, toTime = 0;
    if (!ObjectExportGetFileTime(from, fromTime)) return false;
    if (fileExists(to) && ObjectExportGetFileTime(to, toTime) && toTime >= fromTime) return false;
    return copyFile(from, to);
}

// An existing picture file for a header or footer name, else "".
std::string pictureFile(const Zrl_String& name, const Zrl_String& folder) {
    if (name.isEmpty()) return {};
    const Zrl_String resolved = resolveSettingsFile(name, folder);
    if (!fileExists(resolved)) return {};
    return resolvePath(resolved).string();
}

constexpr double kMillimetresPerInch = 25.4;

// `value` in UTF-8 with each `mark` doubled: "&" escaped for the page
// header and footer, '"' inside a quoted text.
std::string doubled(const Zrl_String& value, char mark) {
    std::string out;
    for (const char c : value.toUtf8()) {
        if (c == mark) out += mark;
        out += c;
    }
    return out;
}

// The page set-up of a workbook saved in `folder` with these settings: the
// margins, the header and footer pictures, the named values "Title", "Date"
// and "BillFilename" in the page header and footer, the gridline and heading
// switches; every named value (the first of a name counts) also becomes a
// defined name of the workbook.
spread::XlsxPageSetup xlsxPage(const VkSSSettings& settings, const Zrl_String& folder) {
    spread::XlsxPageSetup page;
    page.marginLeft = settings.marginLeft / kMillimetresPerInch;
    page.marginRight = settings.marginRight / kMillimetresPerInch;
    page.marginTop = settings.marginTop / kMillimetresPerInch;
    page.marginBottom = settings.marginBottom / kMillimetresPerInch;
    page.gridlines = settings.cellSeparators;
    page.headings = settings.colHeader || settings.rowHeader;
    page.fitToWidth = settings.smartPrint;
    page.headerPicture = pictureFile(settings.headerFile, folder);
    page.footerPicture = pictureFile(settings.footerFile, folder);
    const int n = std::min(settings.varNames.length(), settings.varValues.length());
    auto named = [&](const wchar_t* name) {
        for (int i = 0; i < n; ++i)
            if (settings.varNames[i] == name) return doubled(settings.varValues[i], '&');
        return std::string();
    };
    page.header = "&L" + named(L"Title");
    if (!page.headerPicture.empty()) page.header += "&C&G";
    page.header += "&R" + named(L"Date");
    page.footer = "&L" + named(L"BillFilename");
    if (!page.footerPicture.empty()) page.footer += "&C&G";
    page.footer += "&RPage &P of &N";
    for (int i = 0; i < n; ++i)
        page.definedNames.emplace_back(settings.varNames[i].toUtf8(),
                                       "=\"" + doubled(settings.varValues[i], '"') + "\"");
    // A picture cell's picture is placed over it when its file exists.
    page.picturePath = [](const std::wstring& picture) {
        const Zrl_String name(picture);
        if (name.isEmpty() || !fileExists(name)) return std::string();
        return resolvePath(name).string();
    };
    return page;
}

Zrl_String removeFolderPrefix(const Zrl_String& path, const Zrl_String& folder) {
    if (!folder.isEmpty() && path.startsWith(folder, false))
        return path.getSubStringAt(folder.length());
    return path;
}

} // namespace

bool prepareSheetWithSettings(Zrl_Spread& grid, const Zrl_String& settingsName) {
    if (!grid.isCreated()) return false;
    for (const int option : kPreparedOptions)
        grid.setBool(option, true);
    grid.setMaxCols(6);
    grid.setMaxRows(11);
    grid.look().autoSizeVisibleCols = 4;
    grid.look().autoSizeVisibleRows = 5;
    grid.setEditType(1, 1, grid.getMaxCols(), grid.getMaxRows(), kEditStyleBill, kEditMaxBill);

    VkSSSettings settings;
    if (!settings.fromSettingsName(settingsName)) {
        VkSSRegistrySets registry;
        registry.read();
        settings.fromSettingsName(registry.defaultSettings);
    }
    settings.valid = true;
    settings.sheet = &grid;
    settings.toSheet();

    if (!settings.defaultFont.isEmpty() && settings.defaultTextHeight >= 1) {
        spread::Font font;
        font.name = settings.defaultFont.str();
        font.height = settings.defaultTextHeight;
        font.weight = 400;
        const int cols = grid.getMaxCols();
        const int rows = grid.getMaxRows();
        grid.setFontRange(1, 1, cols, rows, font);
        font.weight = 700;
        grid.setFontRange(0, 0, 0, rows, font);
        grid.setFontRange(0, 0, cols, 0, font);
    }
    grid.look().textTipStatus = 2;
    grid.look().textTipDelay = 10;
    grid.look().cellNoteIndicator = 0;
    return true;
}

bool saveSheetFile(Zrl_Spread& grid, const Zrl_String& path, Zrl_String* error) {
    if (path.endsWith(L".xlsx", false)) {
        VkSSSettings settings;
        settings.fromSheet(&grid);
        return writeXlsxWorkbook(grid.sheet(), xlsxPage(settings, getPath(path)), path, error);
    }
    return grid.saveSheet(path, error);
}

bool saveSheetWithSettings(Zrl_Spread& grid, const Zrl_String& path, Zrl_String* error) {
    if (!grid.isCreated() || !saveSheetFile(grid, path, error)) return false;
    grid.setBool(spread::kBoolChanged, false);
    VkSSSettings settings;
    settings.fromSheet(&grid);
    const Zrl_String folder = getPath(path);
    const bool headerChanged = bringSettingsFileAlong(settings.headerFile, folder);
    const bool footerChanged = bringSettingsFileAlong(settings.footerFile, folder);
    if (headerChanged || footerChanged) settings.toSheet();
    return true;
}

Zrl_String resolveSettingsFile(const Zrl_String& name, const Zrl_String& folder) {
    if (name.isEmpty() || isAbsoluteName(name)) return name;
    Zrl_String rest = name;
    bool up = false;
    if (rest.hasSubString(L"..\\", true)) {
        rest.replaceSubString(L"..\\", L"", true);
        up = true;
    }
    if (!folder.isEmpty()) {
        const Zrl_String candidate = (up ? parentFolder(folder) : folder) + rest;
        if (fileExists(candidate)) return candidate;
    }
    const Zrl_String settingsFolder = VkSSSettings::settingsFolder();
    const Zrl_String candidate = (up ? parentFolder(settingsFolder) : settingsFolder) + rest;
    if (fileExists(candidate)) return candidate;
    return name;
}

bool bringSettingsFileAlong(Zrl_String& name, const Zrl_String& folder) {
    if (name.isEmpty()) return false;
    const Zrl_String source = resolveSettingsFile(name, folder);
    if (!fileExists(source)) return false;
    const Zrl_String target = folder + getFileName(source);
    if (!copyIfNewer(source, target)) return false;
    const Zrl_String sourceBmp = changeExtension(source, L"bmp");
    if (fileExists(sourceBmp)) copyIfNewer(sourceBmp, changeExtension(target, L"bmp"));
    Zrl_String relative = removeFolderPrefix(target, folder);
    if (relative == target) relative = removeFolderPrefix(target, VkSSSettings::settingsFolder());
    name = relative;
    return true;
}
