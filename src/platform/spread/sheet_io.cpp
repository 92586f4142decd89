// Sheet::load and Sheet::save: the one place that picks a file's format.
#include "platform/spread/csv.h"
#include "platform/spread/recalc.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_file.h"

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
    return loadInto(*this, error, [&](Sheet& fresh, bool& recalc) {
        std::string bytes;
        if (!readWholeFile(path, bytes, error)) return false;
        // Formulas read from CSV carry no values.
        recalc = sheetFormatFor(path) == SheetFormat::Csv;
        return recalc ? readCsv(fresh, bytes, error) : readSheetText(fresh, bytes, error);
    });
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
        if (sheetFormatFor(path) == SheetFormat::Csv)
            return writeFileAtomically(path, writeCsv(*this), error);
        return writeSheetFile(*this, path, error);
    } catch (...) {
        if (error) *error = L"out of memory while saving";
        return false;
    }
}

} // namespace spread
