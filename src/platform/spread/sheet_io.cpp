// Sheet::load and Sheet::save: the one place that picks a file's format.
#include "platform/spread/csv.h"
#include "platform/spread/recalc.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file.h"

namespace spread {

bool Sheet::load(const std::filesystem::path& path, std::wstring* error) {
    if (detail::calculating(*this)) {
        if (error) *error = L"the sheet is calculating";
        return false;
    }
    try {
        std::string bytes;
        if (!readWholeFile(path, bytes, error)) return false;
        // Read into a sheet of its own; this one changes only on success.
        Sheet fresh;
        SheetFormat format = sheetFormatFor(path);
        bool ok = format == SheetFormat::Csv ? readCsv(fresh, bytes, error)
                                             : readSheetText(fresh, bytes, error);
        if (!ok) return false;
        swapContent(fresh);
        // Formulas read from CSV carry no values: compute them here, where
        // the sheet's own functions are known.
        if (format == SheetFormat::Csv) detail::recalcAll(*this);
        d_->bools[kBoolChanged] = false;
        return true;
    } catch (...) {
        if (error) *error = L"out of memory while loading";
        return false;
    }
}

bool Sheet::save(const std::filesystem::path& path, std::wstring* error) const {
    try {
        std::string bytes =
            sheetFormatFor(path) == SheetFormat::Csv ? writeCsv(*this) : writeSheetText(*this);
        return writeFileAtomically(path, bytes, error);
    } catch (...) {
        if (error) *error = L"out of memory while saving";
        return false;
    }
}

} // namespace spread
