// Feeds arbitrary bytes to the .ods reader as a workbook's content part,
// past the archive (whose checksums would stop nearly every change to the
// XML inside). A sheet that reads must compute, write as a native sheet and
// read back; any failure must be an exception the workbook reader turns into
// a reason. Nothing may crash, leak or hang.
#include "platform/spread/ods_read.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook_import.h"

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace spread;
    std::string styles, content(reinterpret_cast<const char*>(data), size);
    std::vector<WorkbookSheet> sheets;
    try {
        detail::WorkbookImport book(detail::FormulaDialect::Odf, {}, false);
        detail::readOdsParts(styles, content, book);
        book.finish(sheets);
    } catch (const std::exception&) {
        return 0; // the reader's own refusals and liborcus's parse errors
    }
    for (WorkbookSheet& ws : sheets) {
        ws.sheet.recalc();
        const std::string text = writeSheetText(ws.sheet);
        Sheet again;
        if (!readSheetText(again, text)) std::abort();
    }
    return 0;
}
