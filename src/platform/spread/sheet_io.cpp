// Sheet::load and Sheet::save: the one place that picks a file's format.
#include "platform/spread/csv.h"
#include "platform/spread/recalc.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/sheet_load.h"
#include "platform/spread/workbook.h"
#include "platform/spread/xlsx_write.h"

namespace spread {

namespace {

// Fills a sheet of its own by `fill(fresh, recalc)` and only on success
// swaps it into `target`; `recalc` asks for the formulas to be computed there,
// where the target's own functions are known.
template <class Fill> bool loadInto(Sheet& target, std::wstring* error, Fill fill) {
    if (detail::calculating(target)) {
        if (error) *error = L"the sheet is calculating";
        return false;
    }
    try {
        Sheet fresh;
        bool recalc = false;
        if (!fill(fresh, recalc)) return false;
        target.swapContent(fresh);
        if (recalc) detail::recalcAll(target);
        target.internals().bools[kBoolChanged] = false;
        return true;
    } catch (...) {
        if (error) *error = L"out of memory while loading";
        return false;
    }
}

} // namespace

bool Sheet::load(const std::filesystem::path& path, std::wstring* error) {
    return loadSheetFile(*this, path, nullptr, error);
}

bool loadSheetFile(Sheet& target, const std::filesystem::path& path, LoadReport* report,
                   std::wstring* error) {
    std::filesystem::path file;
    std::wstring sheetName;
    splitSheetPath(path, file, sheetName);
    const SheetFormat format = sheetFormatFor(file);
    const bool workbook = format == SheetFormat::Xlsx || format == SheetFormat::Ods;
    LoadReport found;
    bool ok = loadInto(target, error, [&](Sheet& fresh, bool& recalc) {
        if (!sheetName.empty() && !workbook) {
            if (error) *error = L"only workbooks (.xlsx, .ods) have sheets to choose by name";
            return false;
        }
        if (format == SheetFormat::Native)
            return detail::readSheetFileWarn(fresh, file, &found.warnings, error);
        std::string bytes;
        if (!readWholeFile(file, bytes, error)) return false;
        // Formulas read from CSV carry no values.
        recalc = format == SheetFormat::Csv;
        if (format == SheetFormat::Csv)
            return detail::readCsvWarn(fresh, bytes, &found.warnings, error);
        std::vector<WorkbookSheet> sheets;
        if (!detail::readWorkbookSheets(bytes, format, sheetName, true, sheets, &found.sheetNames,
                                        error))
            return false;
        WorkbookSheet& read = sheets.front();
        found.sheet = read.name;
        found.warnings = std::move(read.warnings);
        fresh.swapContent(read.sheet);
        return true;
    });
    if (ok && report) {
        try {
            detail::unknownNameWarnings(target, found.sheet, found.warnings);
            *report = std::move(found);
        } catch (...) {
            // The sheet is loaded; only the report is short.
        }
    }
    return ok;
}

bool loadSheetCopy(Sheet& target, const Sheet& source, std::wstring* error) {
    if (detail::calculating(target)) {
        if (error) *error = L"the sheet is calculating";
        return false;
    }
    try {
        // Built aside, then swapped in: no whole sheet to make for it.
        SheetContent copy =
            detail::copyContent(source.internals().content, target.internals().content);
        std::swap(target.internals().content, copy);
        target.internals().bools[kBoolChanged] = false;
        return true;
    } catch (...) {
        if (error) *error = L"out of memory while loading";
        return false;
    }
}

bool loadSheetContent(Sheet& target, Sheet&& source, std::wstring* error) {
    return loadInto(target, error, [&](Sheet& fresh, bool&) {
        fresh.swapContent(source);
        return true;
    });
}

bool Sheet::save(const std::filesystem::path& path, std::wstring* error) const {
    try {
        const SheetFormat format = sheetFormatFor(path);
        if (format == SheetFormat::Csv) return writeFileAtomically(path, writeCsv(*this), error);
        if (format == SheetFormat::Ods) return detail::writeOdsFile(*this, path, error);
        if (format == SheetFormat::Xlsx) return writeXlsxSheet(*this, path, error);
        return writeSheetFile(*this, path, error);
    } catch (...) {
        if (error) *error = L"out of memory while saving";
        return false;
    }
}

} // namespace spread
