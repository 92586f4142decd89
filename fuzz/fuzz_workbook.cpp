// Feeds arbitrary bytes to the workbook reader as .xlsx and as .ods. A
// workbook that reads must compute, write as a native sheet and read back to
// the same text; a file that does not read must give a one-line reason.
// Nothing may crash, leak or hang.
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"
#include "platform/spread/workbook.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (spread::SheetFormat format : {spread::SheetFormat::Xlsx, spread::SheetFormat::Ods}) {
        std::vector<spread::WorkbookSheet> sheets;
        std::wstring why;
        if (!spread::readWorkbook(bytes, format, {}, sheets, nullptr, &why)) {
            if (why.empty() || why.find(L'\n') != std::wstring::npos) std::abort();
            continue;
        }
        for (spread::WorkbookSheet& ws : sheets) {
            ws.sheet.recalc();
            std::string text = spread::writeSheetText(ws.sheet);
            spread::Sheet again;
            if (!spread::readSheetText(again, text)) std::abort();
        }
    }
    return 0;
}
