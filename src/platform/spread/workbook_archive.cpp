// Declared sizes of a workbook's archive, read through minizip from memory.
#include "platform/spread/workbook_archive.h"

#include "platform/spread/workbook.h"
#include "platform/spread/workbook_import.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
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

// Opens the archive in memory; null when minizip cannot list it.
unzFile openArchive(MemoryFile& file, zlib_filefunc64_def& io) {
    io = {openMemory, readMemory, writeMemory, tellMemory, seekMemory, closeMemory, errorMemory,
          &file};
    return unzOpen2_64("", &io);
}

// XML text with its five named and the numeric character references decoded.
std::string xmlText(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        size_t semi = s.find(';', i);
        if (semi == std::string_view::npos) {
            out += s.substr(i);
            break;
        }
        std::string_view ref = s.substr(i + 1, semi - i - 1);
        unsigned long cp = 0;
        if (ref == "amp") cp = '&';
        else if (ref == "lt") cp = '<';
        else if (ref == "gt") cp = '>';
        else if (ref == "quot") cp = '"';
        else if (ref == "apos") cp = '\'';
        else if (ref.size() > 1 && ref[0] == '#') {
            std::string digits(ref.substr(ref[1] == 'x' || ref[1] == 'X' ? 2 : 1));
            char* end = nullptr;
            cp = std::strtoul(digits.c_str(), &end, ref[1] == 'x' || ref[1] == 'X' ? 16 : 10);
            if (digits.empty() || *end || cp == 0 || cp > 0x10FFFF) cp = 0;
        }
        if (cp == 0) {
            out += s.substr(i, semi - i + 1);
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
        i = semi;
    }
    return out;
}

// The unprefixed attribute `name` of the tag text `tag`, if present.
bool xmlAttribute(std::string_view tag, std::string_view name, std::string& value) {
    size_t at = 0;
    while ((at = tag.find(name, at)) != std::string_view::npos) {
        const size_t end = at + name.size();
        const bool starts = at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\t' ||
                                       tag[at - 1] == '\n' || tag[at - 1] == '\r');
        size_t eq = end;
        while (eq < tag.size() && (tag[eq] == ' ' || tag[eq] == '\t' || tag[eq] == '\n' || tag[eq] == '\r'))
            ++eq;
        if (starts && eq < tag.size() && tag[eq] == '=') {
            size_t q = eq + 1;
            while (q < tag.size() && (tag[q] == ' ' || tag[q] == '\t' || tag[q] == '\n' || tag[q] == '\r'))
                ++q;
            if (q < tag.size() && (tag[q] == '"' || tag[q] == '\'')) {
                size_t close = tag.find(tag[q], q + 1);
                if (close == std::string_view::npos) return false;
                value = xmlText(tag.substr(q + 1, close - q - 1));
                return true;
            }
        }
        at = end;
    }
    return false;
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

// Calls `tag(element, text, at)` for each start tag of the XML text, the
// element's name without its prefix, the tag's text without the brackets
// and the offset just past it.
template <class F> void eachTag(std::string_view s, F tag) {
    for (size_t lt = s.find('<'); lt != std::string_view::npos; lt = s.find('<', lt + 1)) {
        size_t gt = s.find('>', lt);
        if (gt == std::string_view::npos) break;
        std::string_view text = s.substr(lt + 1, gt - lt - 1);
        std::string_view element = text.substr(0, text.find_first_of(" \t\r\n/"));
        if (size_t colon = element.find(':'); colon != std::string_view::npos)
            element.remove_prefix(colon + 1);
        if (!element.empty() && element[0] != '/' && element[0] != '?' && element[0] != '!')
            tag(element, text, gt + 1);
    }
}

long positiveNumber(const std::string& s) {
    char* end = nullptr;
    long n = std::strtol(s.c_str(), &end, 10);
    return s.empty() || *end || n < 1 ? 0 : n;
}

} // namespace

void checkXmlReferences(std::string_view xml) {
    for (size_t at = xml.find('&'); at != std::string_view::npos; at = xml.find('&', at + 1)) {
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
            ok = !digits.empty() && std::isxdigit(static_cast<unsigned char>(digits[0])) &&
                 ec == std::errc() && end == digits.data() + digits.size() && point <= 0x10FFFF;
        } else if (ok) {
            ok = std::all_of(ref.begin(), ref.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' ||
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

std::map<long, std::string> xlsxSheetIds(std::string_view bytes) {
    std::map<long, std::string> ids;
    std::string xml;
    if (!readArchivePart(bytes, "xl/workbook.xml", xml)) return ids;
    eachTag(xml, [&](std::string_view element, std::string_view tag, size_t) {
        std::string name, id;
        if (element != "sheet" || !xmlAttribute(tag, "name", name) ||
            !xmlAttribute(tag, "sheetId", id) || !positiveNumber(id))
            return;
        ids.emplace(positiveNumber(id) - 1, std::move(name));
    });
    return ids;
}

std::map<std::string, std::vector<XlsxTypedCell>> xlsxTypedCells(std::string_view bytes,
                                                                  std::set<std::string>* checked) {
    std::map<std::string, std::vector<XlsxTypedCell>> out;
    std::string book, rels;
    if (!readArchivePart(bytes, "xl/workbook.xml", book) ||
        !readArchivePart(bytes, "xl/_rels/workbook.xml.rels", rels))
        return out;
    // Relationship id to the part it names, from the folder of the book.
    std::map<std::string, std::string> targets;
    eachTag(rels, [&](std::string_view element, std::string_view tag, size_t) {
        std::string id, target;
        if (element != "Relationship" || !xmlAttribute(tag, "Id", id) ||
            !xmlAttribute(tag, "Target", target))
            return;
        targets[id] = target.starts_with('/') ? target.substr(1) : "xl/" + target;
    });
    eachTag(book, [&](std::string_view element, std::string_view tag, size_t) {
        std::string name, rid, xml;
        if (element != "sheet" || !xmlAttribute(tag, "name", name) ||
            !xmlAttribute(tag, "r:id", rid) || !targets.count(rid) ||
            !readArchivePart(bytes, targets[rid].c_str(), xml))
            return;
        checkXmlReferences(xml);
        if (checked) checked->insert(targets[rid]);
        std::vector<XlsxTypedCell>& cells = out[name];
        std::string_view s(xml);
        eachTag(s, [&](std::string_view cellElement, std::string_view cellTag, size_t at) {
            std::string type;
            if (cellElement != "c" || cellTag.ends_with('/') || !xmlAttribute(cellTag, "t", type) ||
                (type != "b" && type != "e" && type != "inlineStr"))
                return;
            XlsxTypedCell cell;
            if (!xmlAttribute(cellTag, "r", cell.address)) return;
            size_t end = s.find("</", at);
            for (; end != std::string_view::npos; end = s.find("</", end + 2)) {
                std::string_view close = s.substr(end + 2, s.find('>', end) - end - 2);
                if (size_t colon = close.find(':'); colon != std::string_view::npos)
                    close.remove_prefix(colon + 1);
                if (close == "c") break;
            }
            std::string_view inner = s.substr(at, end == std::string_view::npos ? 0 : end - at);
            cell.inlineText = type == "inlineStr";
            eachTag(inner, [&](std::string_view child, std::string_view childTag, size_t vAt) {
                if (child != "v" && child != "f" && !(cell.inlineText && child == "t")) return;
                std::string text;
                if (!childTag.ends_with('/')) {
                    size_t vEnd = inner.find('<', vAt);
                    text = xmlText(inner.substr(vAt, vEnd == std::string_view::npos ? 0 : vEnd - vAt));
                }
                if (child == "t") {
                    // The text, or its runs of rich text one after the other.
                    if (cell.value.size() + text.size() > kMaxWorkbookText)
                        throw WorkbookRefused("text longer than the limit");
                    cell.value += text;
                    return;
                }
                if (child == "v") {
                    cell.value = std::move(text);
                    return;
                }
                cell.formula = true;
                cell.formulaText = std::move(text);
                std::string si;
                if (xmlAttribute(childTag, "si", si)) {
                    char* e = nullptr;
                    long n = std::strtol(si.c_str(), &e, 10);
                    if (!si.empty() && !*e && n >= 0) cell.shared = n;
                }
            });
            cell.error = type == "e";
            if (!cell.value.empty() && !(cell.inlineText && cell.formula))
                cells.push_back(std::move(cell));
        });
    });
    return out;
}

} // namespace spread::detail
