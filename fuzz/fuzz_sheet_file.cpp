// Feeds arbitrary bytes to the sheet-file reader (and, from the second
// byte on, the CSV reader). A file that reads must also write and read back
// to the same text; nothing may crash, leak or hang.
#include "platform/spread/csv.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        spread::Sheet sheet;
        if (spread::readSheetText(sheet, bytes)) {
            sheet.recalc();
            std::string text = spread::writeSheetText(sheet);
            spread::Sheet again;
            if (!spread::readSheetText(again, text)) std::abort();
            if (spread::writeSheetText(again) != text) std::abort();
        }
    }
    if (size > 1 && data[0] == ',') {
        spread::Sheet sheet;
        if (spread::readCsv(sheet, bytes.substr(1))) {
            sheet.recalc();
            (void)spread::writeCsv(sheet);
        }
    }
    return 0;
}
