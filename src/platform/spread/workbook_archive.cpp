// Declared sizes of a workbook's archive, read through minizip from memory.
#include "platform/spread/workbook_archive.h"

#include "platform/spread/workbook.h"
#include "platform/spread/workbook_import.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unzip.h>
#include <utility>
#include <vector>

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

// Opens the archive in memory; null when minizip cannot list it.
unzFile openArchive(MemoryFile& file, zlib_filefunc64_def& io) {
    io = {openMemory, readMemory, writeMemory, tellMemory, seekMemory, closeMemory, errorMemory,
          &file};
    return unzOpen2_64("", &io);
}

std::wstring mebibytes(unsigned long long bytes) {
    return std::to_wstring(bytes >> 20) + L" MiB";
}

} // namespace

bool checkWorkbookArchive(std::string_view bytes, std::wstring* error) {
    MemoryFile file{bytes};
    zlib_filefunc64_def io{};
    unzFile zip = openArchive(file, io);
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

namespace {

// The unpacked bytes of the archive's current part.
bool readCurrentPart(unzFile zip, std::string& out, size_t spare) {
    out.clear();
    unz_file_info64 info{};
    bool ok = unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
              info.uncompressed_size <= kMaxWorkbookUnpacked && unzOpenCurrentFile(zip) == UNZ_OK;
    if (ok) {
        out.reserve(static_cast<size_t>(info.uncompressed_size) + spare);
        out.resize(static_cast<size_t>(info.uncompressed_size));
        size_t got = 0;
        while (got < out.size()) {
            const unsigned chunk =
                static_cast<unsigned>(std::min<size_t>(out.size() - got, 1u << 20));
            int n = unzReadCurrentFile(zip, out.data() + got, chunk);
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        // The CRC is checked when the part is closed.
        ok = got == out.size() && unzCloseCurrentFile(zip) == UNZ_OK;
    }
    if (!ok) out.clear();
    return ok;
}

} // namespace

bool readArchivePart(std::string_view bytes, const char* name, std::string& out, size_t spare) {
    out.clear();
    MemoryFile file{bytes};
    zlib_filefunc64_def io{};
    unzFile zip = openArchive(file, io);
    if (!zip) return false;
    const bool ok = unzLocateFile(zip, name, 1) == UNZ_OK && readCurrentPart(zip, out, spare);
    unzClose(zip);
    return ok;
}

namespace {

bool asciiDigit(char c, int base) {
    return (c >= '0' && c <= '9') ||
           (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

bool asciiLetterOrDigit(char c) {
    return asciiDigit(c, 10) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The spans of the declarations and processing instructions ("<?" to the
// "?>" outside quoted values, or to the end of the text).
std::vector<std::pair<size_t, size_t>> instructions(std::string_view xml) {
    std::vector<std::pair<size_t, size_t>> spans;
    for (size_t at = xml.find("<?"); at != std::string_view::npos; at = xml.find("<?", at + 2)) {
        size_t i = at + 2;
        for (char quote = 0; i < xml.size(); ++i) {
            const char c = xml[i];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '?' && i + 1 < xml.size() && xml[i + 1] == '>') {
                break;
            }
        }
        spans.emplace_back(at, i);
        at = i;
    }
    return spans;
}

} // namespace

void checkXmlReferences(std::string_view xml) {
    std::vector<std::pair<size_t, size_t>> spans; // listed at the first "&": most parts have none
    bool listed = false;
    size_t span = 0;
    for (size_t at = xml.find('&'); at != std::string_view::npos; at = xml.find('&', at + 1)) {
        // The parser reads a declaration's quoted value that holds a
        // reference and never ends past the end of its text, where a
        // debugging build of it stops the process: no reference belongs there.
        if (!listed) {
            spans = instructions(xml);
            listed = true;
        }
        while (span < spans.size() && spans[span].second <= at)
            ++span;
        if (span < spans.size() && at > spans[span].first)
            throw WorkbookRefused("a reference inside a processing instruction");
        // References are short: the ";" is looked for nearby only.
        std::string_view ref = xml.substr(at + 1, 40);
        const size_t semi = ref.find(';');
        bool ok = semi != std::string_view::npos && semi > 0;
        ref = ref.substr(0, ok ? semi : 0);
        if (ok && ref[0] == '#') {
            std::string_view digits = ref.substr(1);
            const int base = digits.starts_with('x') ? 16 : 10;
            if (base == 16) digits.remove_prefix(1);
            uint32_t point = 0;
            auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), point, base);
            ok = !digits.empty() && asciiDigit(digits[0], base) &&
                 ec == std::errc() && end == digits.data() + digits.size() && point <= 0x10FFFF;
        } else if (ok) {
            ok = std::all_of(ref.begin(), ref.end(), [](char c) {
                return asciiLetterOrDigit(c) || c == '_' || c == '-' ||
                       c == '.' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
            });
        }
        if (!ok) throw WorkbookRefused("a malformed character or entity reference");
    }
}

void checkArchiveXml(std::string_view bytes, const std::set<std::string>& checked) {
    MemoryFile file{bytes};
    zlib_filefunc64_def io{};
    unzFile zip = openArchive(file, io);
    if (!zip) return; // the parser refuses it
    // The parser's own inflater is laxer than minizip's (it hands on what
    // a damaged part unpacks to), and it finds a part by name: each XML
    // part must unpack cleanly, under one name.
    std::set<std::string> seen;
    std::string xml;
    const char* refused = nullptr;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK && !refused;
         status = unzGoToNextFile(zip)) {
        char name[1024];
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) {
            refused = "a damaged zip archive";
            break;
        }
        const std::string n(name);
        if (!n.ends_with(".xml") && !n.ends_with(".rels")) continue;
        if (!seen.insert(n).second) {
            refused = "a damaged zip archive: a part named twice";
        } else if (checked.count(n)) {
            continue;
        } else if (!readCurrentPart(zip, xml, 0)) {
            refused = "a damaged zip archive: a part does not unpack";
        } else {
            try {
                checkXmlReferences(xml);
            } catch (...) {
                unzClose(zip);
                throw;
            }
        }
    }
    unzClose(zip);
    if (refused) throw WorkbookRefused(refused);
}

bool archiveMayHold(std::string_view bytes, const char* name) {
    MemoryFile file{bytes};
    zlib_filefunc64_def io{};
    unzFile zip = openArchive(file, io);
    if (!zip) return true;
    const bool found = unzLocateFile(zip, name, 1) == UNZ_OK;
    unzClose(zip);
    return found;
}


} // namespace spread::detail
