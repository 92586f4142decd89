// The workbook formats plug-in found and loaded on first use, and the
// engine's workbook readers and writers, which go through it.
#include "platform/spread/formats_plugin.h"
#include "platform/spread/sheet_load.h"
#include "platform/text/utf.h"

#include <dlfcn.h>

#include <string>

// Defined when the plug-in's code is linked into the program itself.
#pragma weak zrlspread_formats

namespace spread {

namespace detail {

namespace {

struct Loaded {
    const FormatsPlugin* table = nullptr;
    std::wstring why;
};

std::wstring wide(const char* text) {
    std::wstring w;
    if (!text || !zrltext::fromUtf8Strict(text, w)) w = L"unknown reason";
    return w;
}

// The plug-in's file: beside the module that holds the engine (the engine's
// library), or, for a program with the engine linked in, in the library
// folder relative to the program's. Both places are fixed at build time.
Loaded load() {
    Loaded out;
    const FormatsPlugin* table = nullptr;
    if (zrlspread_formats) {
        table = zrlspread_formats();
    } else {
        // An object of the engine's own: dladdr names the file that holds it.
        static const char anchor = 0;
        Dl_info self{};
        if (!dladdr(&anchor, &self) || !self.dli_fname) {
            out.why = L"cannot load the workbook formats: the engine's own file is unknown";
            return out;
        }
        std::filesystem::path holder(self.dli_fname);
        // The program itself is named as it was started; its file is sure.
        std::error_code ec;
        if (!holder.is_absolute()) holder = std::filesystem::read_symlink("/proc/self/exe", ec);
        const std::filesystem::path folder = holder.parent_path();
        std::string firstFailure;
        void* handle = nullptr;
        for (const char* place : {".", ZRLSPREAD_FORMATS_FROM_PROGRAM}) {
            const std::filesystem::path file = folder / place / ZRLSPREAD_FORMATS_FILE;
            handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle) break;
            if (firstFailure.empty()) {
                const char* why = dlerror();
                firstFailure = why ? why : file.string();
            }
        }
        if (!handle) {
            out.why = L"cannot load the workbook formats: " + wide(firstFailure.c_str());
            return out;
        }
        // The plug-in stays loaded for the life of the process.
        auto entry = reinterpret_cast<const FormatsPlugin* (*)()>(dlsym(handle, "zrlspread_formats"));
        if (!entry) {
            out.why = L"cannot load the workbook formats: " + wide(dlerror());
            return out;
        }
        table = entry();
    }
    if (!table || table->version != kFormatsVersion || table->size != sizeof(FormatsPlugin)) {
        out.why = L"cannot load the workbook formats: the plug-in belongs to another build";
        return out;
    }
    out.table = table;
    return out;
}

} // namespace

const FormatsPlugin* formatsPlugin(std::wstring* error) {
    static const Loaded loaded = load();
    if (!loaded.table && error) *error = loaded.why;
    return loaded.table;
}

bool readWorkbookSheets(std::string_view bytes, SheetFormat format, std::wstring_view only,
                        bool firstOnly, std::vector<WorkbookSheet>& sheets,
                        std::vector<std::wstring>* names, std::wstring* error) {
    const FormatsPlugin* formats = formatsPlugin(error);
    if (!formats) {
        sheets.clear();
        return false;
    }
    return formats->readWorkbook(bytes, format, only, firstOnly, sheets, names, error);
}

bool writeOdsFile(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
    const FormatsPlugin* formats = formatsPlugin(error);
    return formats && formats->writeOds(sheet, path, error);
}

} // namespace detail

bool writeXlsxSheet(const Sheet& sheet, const std::filesystem::path& path, std::wstring* error) {
    const detail::FormatsPlugin* formats = detail::formatsPlugin(error);
    return formats && formats->writeXlsx(sheet, path, error);
}

bool writeXlsxBill(const Sheet& sheet, const XlsxPageSetup& page,
                   const std::filesystem::path& path, std::wstring* error) {
    const detail::FormatsPlugin* formats = detail::formatsPlugin(error);
    return formats && formats->writeXlsxBill(sheet, page, path, error);
}

} // namespace spread
