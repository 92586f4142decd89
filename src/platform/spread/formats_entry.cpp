// The entry of the workbook formats plug-in: the table of what it does. Each
// function keeps what it raises inside the plug-in and fails with a reason.
#include "platform/spread/formats_plugin.h"
#include "platform/spread/ods_write.h"
#include "platform/spread/workbook_parse.h"
#include "platform/spread/xlsx_rows.h"

#include <new>

namespace spread::detail {

namespace {

bool outOfMemory(std::wstring* error) {
    if (error) *error = L"out of memory while writing the workbook";
    return false;
}

const FormatsPlugin kFormats{
    kFormatsVersion,
    sizeof(FormatsPlugin),
    // The reader catches everything itself.
    &parseWorkbook,
    [](const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
        try {
            return saveXlsx(sheet, path, error);
        } catch (...) {
            return outOfMemory(error);
        }
    },
    [](const Sheet& sheet, const XlsxPageSetup& page, const std::filesystem::path& path,
       std::wstring* error) {
        try {
            return saveXlsxBill(sheet, page, path, error);
        } catch (...) {
            return outOfMemory(error);
        }
    },
    [](const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
        try {
            return saveOds(sheet, path, error);
        } catch (...) {
            return outOfMemory(error);
        }
    },
};

} // namespace

} // namespace spread::detail

extern "C" __attribute__((visibility("default"))) const spread::detail::FormatsPlugin*
zrlspread_formats() {
    return &spread::detail::kFormats;
}
