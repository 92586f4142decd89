// Declared sizes of a workbook's archive, read through minizip from memory.
#include "platform/spread/workbook_archive.h"

#include "platform/spread/workbook.h"

#include <algorithm>
#include <cstring>
#include <unzip.h>

namespace spread::detail {

namespace {

// The archive's bytes as a file minizip reads.
struct MemoryFile {
    std::string_view bytes;
    ZPOS64_T at = 0;
};

voidpf ZCALLBACK openMemory(voidpf opaque, const void*, int) { return opaque; }

uLong ZCALLBACK readMemory(voidpf, voidpf stream, void* buf, uLong size) {
    auto* f = static_cast<MemoryFile*>(stream);
    if (f->at >= f->bytes.size()) return 0;
    const uLong n = static_cast<uLong>(std::min<ZPOS64_T>(size, f->bytes.size() - f->at));
    std::memcpy(buf, f->bytes.data() + f->at, n);
    f->at += n;
    return n;
}

uLong ZCALLBACK writeMemory(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK tellMemory(voidpf, voidpf stream) {
    return static_cast<MemoryFile*>(stream)->at;
}

long ZCALLBACK seekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* f = static_cast<MemoryFile*>(stream);
    ZPOS64_T base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = f->at;
    if (origin == ZLIB_FILEFUNC_SEEK_END) base = f->bytes.size();
    if (offset > f->bytes.size() || base + offset > f->bytes.size()) return -1;
    f->at = base + offset;
    return 0;
}

int ZCALLBACK closeMemory(voidpf, voidpf) { return 0; }
int ZCALLBACK errorMemory(voidpf, voidpf) { return 0; }

std::wstring mebibytes(unsigned long long bytes) {
    return std::to_wstring(bytes >> 20) + L" MiB";
}

} // namespace

bool checkWorkbookArchive(std::string_view bytes, std::wstring* error) {
    MemoryFile file{bytes};
    zlib_filefunc64_def io{openMemory, readMemory, writeMemory, tellMemory,
                           seekMemory, closeMemory, errorMemory, &file};
    unzFile zip = unzOpen2_64("", &io);
    if (!zip) return true; // not an archive minizip can list: the parser says why
    auto fail = [&](std::wstring why) {
        unzClose(zip);
        if (error) *error = std::move(why);
        return false;
    };
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip, &global) != UNZ_OK) return fail(L"a damaged zip archive");
    if (global.number_entry > kMaxWorkbookParts)
        return fail(L"the archive has " + std::to_wstring(global.number_entry) +
                    L" parts, more than the limit of " + std::to_wstring(kMaxWorkbookParts));
    unsigned long long total = 0;
    for (int status = unzGoToFirstFile(zip); status != UNZ_END_OF_LIST_OF_FILE;
         status = unzGoToNextFile(zip)) {
        if (status != UNZ_OK) return fail(L"a damaged zip archive");
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
            return fail(L"a damaged zip archive");
        // The parser copies a part's packed bytes out whole before it
        // inflates them: a packed size beyond the file is a lie that would
        // make it ask for gigabytes. The part's own header must tell the same
        // sizes (minizip checks that when it opens the part unpacked).
        if (info.compressed_size > bytes.size())
            return fail(L"a damaged zip archive: a part declares more packed bytes than the file "
                        L"holds");
        if (unzOpenCurrentFile2(zip, nullptr, nullptr, 1) != UNZ_OK)
            return fail(L"a damaged zip archive: a part's header disagrees with the directory");
        unzCloseCurrentFile(zip);
        total += info.uncompressed_size;
        if (info.uncompressed_size > kMaxWorkbookUnpacked || total > kMaxWorkbookUnpacked)
            return fail(L"the archive unpacks to more than the limit of " +
                        mebibytes(kMaxWorkbookUnpacked));
    }
    unzClose(zip);
    return true;
}

} // namespace spread::detail
