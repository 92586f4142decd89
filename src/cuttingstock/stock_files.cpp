#include "cuttingstock/stock_files.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"

#include <algorithm>

namespace stock {

namespace {

constexpr int kPrefixLength = 5; // "Stock"
constexpr int kMaxNumber = 999999999;

Zrl_String dotExtension(const Zrl_String& extension) {
    return L"." + extension;
}

} // namespace

bool isValidProfileName(const Zrl_String& name) {
    return !name.isEmpty() && name != L"." && name != L".." && !hasInvalidFileNameChars(name);
}

bool isStockExtension(const Zrl_String& extension) {
    return extension.length() == 3;
}

Zrl_String stockRoot() {
    return Zrl_Settings::libDir() + L"Cutting Stock\\";
}

Zrl_String stockFolder(const Zrl_String& profile) {
    if (!isValidProfileName(profile)) return {};
    return stockRoot() + profile + L"\\";
}

bool ensureStockFolder(const Zrl_String& profile) {
    const Zrl_String folder = stockFolder(profile);
    return !folder.isEmpty() && ObjectExportCreateDirectory(folder);
}

int stockFileNumber(const Zrl_String& path) {
    const Zrl_String name = getFileName(path);
    int number = 0;
    for (int i = kPrefixLength; i < name.length(); ++i) {
        const wchar_t ch = name[i];
        if (ch < L'0' || ch > L'9') break;
        if (number > (kMaxNumber - (ch - L'0')) / 10) return 0;
        number = number * 10 + (ch - L'0');
    }
    return number;
}

int nextStockNumber(const Zrl_String& folder, const Zrl_String& extension) {
    Zrl_StringArray files;
    ObjectExportFindFiles(folder, L"Stock*" + dotExtension(extension), files);
    int largest = 0;
    for (const Zrl_String& file : files)
        largest = std::max(largest, stockFileNumber(file));
    return largest + 1;
}

Zrl_String nextStockPath(const Zrl_String& folder, const Zrl_String& extension) {
    return ensureEndBSlash(folder) + L"Stock" + Zrl_String(nextStockNumber(folder, extension)) +
           dotExtension(extension);
}

bool latestStockFile(const Zrl_String& folder, const Zrl_String& extension, Zrl_String& path,
                     std::int64_t* time) {
    Zrl_StringArray files;
    ObjectExportFindFiles(folder, L"*" + dotExtension(extension), files);
    int found = -1;
    std::int64_t latest = 0;
    for (int i = 0; i < files.length(); ++i) {
        std::int64_t t = 0;
        if (!ObjectExportGetFileTime(files[i], t)) continue;
        if (found < 0 || t > latest) {
            found = i;
            latest = t;
        }
    }
    if (found < 0) return false;
    path = files[found];
    if (time) *time = latest;
    return true;
}

Zrl_String chosenStockPath(const Zrl_String& path, const Zrl_String& extension) {
    Zrl_String chosen = path.toLower();
    const Zrl_String suffix = dotExtension(extension).toLower();
    if (chosen.right(suffix.length()) != suffix) chosen += suffix;
    return chosen;
}

Zrl_StringArray stockLines(const Zrl_StringArrayArray& rows) {
    Zrl_StringArray lines;
    arrArrToArr(rows, lines, kCellSeparator);
    return lines;
}

Zrl_StringArrayArray stockRows(const Zrl_StringArray& lines) {
    Zrl_StringArrayArray rows;
    arrToArrArr(lines, rows, kCellSeparator);
    return rows;
}

int firstUnsavableRow(const Zrl_StringArrayArray& rows) {
    static const Zrl_String kBreaking(std::wstring{kCellSeparator, L'\r', L'\n'});
    for (int r = 0; r < rows.length(); ++r)
        for (const Zrl_String& cell : rows[r])
            if (cell.str().find_first_of(kBreaking.str()) != std::wstring::npos) return r;
    return -1;
}

bool readStockFile(const Zrl_String& path, Zrl_StringArrayArray& rows) {
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    rows = stockRows(lines);
    return true;
}

WriteResult writeStockFile(const Zrl_String& path, const Zrl_StringArrayArray& rows,
                           int* badRow) {
    const int bad = firstUnsavableRow(rows);
    if (bad >= 0) {
        if (badRow) *badRow = bad;
        return WriteResult::UnsavableCell;
    }
    return ObjectExportWriteFile(path, stockLines(rows)) ? WriteResult::Written
                                                         : WriteResult::Failed;
}

} // namespace stock
