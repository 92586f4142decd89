#include "platform/host/module_exports.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <elf.h>
#include <fstream>
#include <memory>
#include <set>

namespace host {

namespace {

// Reads `count` values of T at `offset`, checked against the file's size.
template <class T>
bool readAt(const std::string& file, std::uint64_t offset, std::uint64_t count,
            std::vector<T>& out) {
    if (offset > file.size() || count > (file.size() - offset) / sizeof(T)) return false;
    out.resize(count);
    if (count > 0) std::memcpy(out.data(), file.data() + offset, count * sizeof(T));
    return true;
}

} // namespace

std::string demangle(const char* name) {
    if (!name) return {};
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> text(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
    return status == 0 && text ? std::string(text.get()) : std::string(name);
}

std::vector<std::string> listModuleExports(const std::string& path, std::string& error) {
    error.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return {};
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string file(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size <= 0 || !in.read(file.data(), size)) {
        error = "cannot read " + path;
        return {};
    }
    auto fail = [&](const char* reason) {
        error = path + ": " + reason;
        return std::vector<std::string>{};
    };

    std::vector<Elf64_Ehdr> header;
    if (!readAt(file, 0, 1, header) || std::memcmp(header[0].e_ident, ELFMAG, SELFMAG) != 0 ||
        header[0].e_ident[EI_CLASS] != ELFCLASS64) {
        return fail("no 64-bit ELF file");
    }
    // Programs built as position-independent executables are ET_DYN as well.
    if (header[0].e_type != ET_DYN) return fail("no shared library");
    if (header[0].e_shentsize != sizeof(Elf64_Shdr)) return fail("damaged section table");

    std::vector<Elf64_Shdr> sections;
    if (!readAt(file, header[0].e_shoff, header[0].e_shnum, sections)) {
        return fail("damaged section table");
    }
    std::set<std::string> names;
    bool found = false;
    for (const Elf64_Shdr& s : sections) {
        if (s.sh_type != SHT_DYNSYM) continue;
        found = true;
        if (s.sh_link >= sections.size() || s.sh_entsize != sizeof(Elf64_Sym)) {
            return fail("damaged dynamic symbol table");
        }
        std::vector<Elf64_Sym> symbols;
        std::vector<char> strings;
        const Elf64_Shdr& str = sections[s.sh_link];
        if (!readAt(file, s.sh_offset, s.sh_size / sizeof(Elf64_Sym), symbols) ||
            !readAt(file, str.sh_offset, str.sh_size, strings) || strings.empty() ||
            strings.back() != '\0') {
            return fail("damaged dynamic symbol table");
        }
        for (const Elf64_Sym& sym : symbols) {
            const unsigned bind = ELF64_ST_BIND(sym.st_info);
            if (sym.st_shndx == SHN_UNDEF || sym.st_name == 0) continue;
            if (bind != STB_GLOBAL && bind != STB_WEAK && bind != STB_GNU_UNIQUE) continue;
            if (sym.st_name >= strings.size()) return fail("damaged dynamic symbol table");
            names.insert(demangle(strings.data() + sym.st_name));
        }
    }
    if (!found) return fail("no dynamic symbol table");
    return {names.begin(), names.end()};
}

} // namespace host
