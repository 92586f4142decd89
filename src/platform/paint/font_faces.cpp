// FreeType faces by family and style, and the glyph cache.
#include "platform/paint/font_faces.h"
#include "platform/text/fold.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unordered_map>

namespace paint {

namespace {

enum Family { Sans, Mono, Serif };

Family familyOf(const std::wstring& face) {
    std::wstring f;
    for (wchar_t ch : face)
        f += zrltext::foldCase(ch);
    if (f.find(L"courier") != std::wstring::npos || f.find(L"mono") != std::wstring::npos ||
        f.find(L"consolas") != std::wstring::npos || f.find(L"fixed") != std::wstring::npos)
        return Mono;
    if (f.find(L"times") != std::wstring::npos || f.find(L"serif") != std::wstring::npos ||
        f.find(L"georgia") != std::wstring::npos)
        return f.find(L"sans") != std::wstring::npos ? Sans : Serif;
    return Sans;
}

// File names per family and style (regular, bold, italic, bold italic).
struct Candidates {
    const char* liberation[4];
    const char* dejavu[4];
};

const Candidates kFiles[] = {
    {{"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
      "LiberationSans-BoldItalic.ttf"},
     {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
      "DejaVuSans-BoldOblique.ttf"}},
    {{"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf", "LiberationMono-Italic.ttf",
      "LiberationMono-BoldItalic.ttf"},
     {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
      "DejaVuSansMono-BoldOblique.ttf"}},
    {{"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf",
      "LiberationSerif-BoldItalic.ttf"},
     {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
      "DejaVuSerif-BoldItalic.ttf"}},
};

std::vector<std::filesystem::path> fontDirs() {
    std::vector<std::filesystem::path> dirs;
    if (const char* own = std::getenv("ZRLSS_FONT_DIR"); own && *own) dirs.emplace_back(own);
    for (const char* d : {"/usr/share/fonts/truetype/liberation2",
                          "/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/dejavu"})
        dirs.emplace_back(d);
    return dirs;
}

std::string findFile(const char* name) {
    std::error_code ec;
    for (const auto& dir : fontDirs())
        if (std::filesystem::is_regular_file(dir / name, ec)) return (dir / name).string();
    return {};
}

} // namespace

struct Fonts::Impl {
    FT_Library library = nullptr;
    std::string files[3][4];
    std::string fallbackFile;
    std::unordered_map<std::string, FT_Face> faces; // by file
    std::unordered_map<std::uint64_t, Glyph> glyphs;

    Impl() {
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
        for (int fam = 0; fam < 3; ++fam)
            for (int style = 0; style < 4; ++style) {
                std::string f = findFile(kFiles[fam].liberation[style]);
                if (f.empty()) f = findFile(kFiles[fam].dejavu[style]);
                files[fam][style] = f;
            }
        fallbackFile = findFile("DejaVuSans.ttf");
    }
    ~Impl() {
        for (auto& [file, face] : faces)
            FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    struct Metrics {
        int ascent = 0, height = 0;
    };
    std::unordered_map<std::uint64_t, Metrics> metrics;

    static std::uint64_t sizeKey(Key k) {
        return (static_cast<std::uint64_t>(std::clamp(k.pixels, 1, 0xFFFF)) << 4) |
               static_cast<std::uint64_t>(k.slot);
    }

    const std::string& file(Key k) const { return files[k.slot / 4][k.slot % 4]; }

    FT_Face face(const std::string& path, int pixels) {
        if (!library || path.empty()) return nullptr;
        auto it = faces.find(path);
        if (it == faces.end()) {
            FT_Face f = nullptr;
            if (FT_New_Face(library, path.c_str(), 0, &f) != 0) f = nullptr;
            it = faces.emplace(path, f).first;
        }
        if (it->second) FT_Set_Pixel_Sizes(it->second, 0, static_cast<FT_UInt>(pixels));
        return it->second;
    }

    const Metrics& metricsOf(Key k) {
        auto it = metrics.find(sizeKey(k));
        if (it != metrics.end()) return it->second;
        Metrics m{k.pixels, k.pixels + 2};
        if (FT_Face f = face(file(k), k.pixels)) {
            m.ascent = static_cast<int>((f->size->metrics.ascender + 63) >> 6);
            m.height = static_cast<int>((f->size->metrics.height + 63) >> 6);
        }
        return metrics.emplace(sizeKey(k), m).first->second;
    }

    Glyph render(Key r, char32_t ch) {
        FT_Face f = face(file(r), r.pixels);
        if (f && FT_Get_Char_Index(f, ch) == 0) {
            if (FT_Face fb = face(fallbackFile, r.pixels); fb && FT_Get_Char_Index(fb, ch) != 0)
                f = fb;
        }
        Glyph g;
        if (!f || FT_Load_Char(f, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) {
            g.advance = (r.pixels + 1) / 2;
            return g;
        }
        const FT_GlyphSlot slot = f->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        g.width = static_cast<int>(bm.width);
        g.height = static_cast<int>(bm.rows);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.coverage.resize(static_cast<size_t>(g.width) * static_cast<size_t>(g.height));
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                g.coverage[static_cast<size_t>(y * g.width + x)] =
                    bm.buffer[y * bm.pitch + x];
        return g;
    }
};

Fonts::Fonts() : d_(std::make_unique<Impl>()) {}
Fonts::~Fonts() = default;

Fonts& Fonts::shared() {
    static Fonts fonts;
    return fonts;
}

bool Fonts::fontsFound() const {
    return d_->library && !d_->files[Sans][0].empty();
}

Fonts::Key Fonts::key(const FaceRequest& r) const {
    return {familyOf(r.face) * 4 + (r.bold ? 1 : 0) + (r.italic ? 2 : 0), std::max(r.pixels, 1)};
}

std::string Fonts::fileFor(const FaceRequest& request) const {
    return d_->file(key(request));
}

const Glyph& Fonts::glyph(Key k, char32_t ch) {
    const std::uint64_t id = (static_cast<std::uint64_t>(ch) << 24) | Impl::sizeKey(k);
    auto it = d_->glyphs.find(id);
    if (it == d_->glyphs.end()) it = d_->glyphs.emplace(id, d_->render(k, ch)).first;
    return it->second;
}

int Fonts::ascent(Key k) {
    return d_->metricsOf(k).ascent;
}

int Fonts::lineHeight(Key k) {
    return d_->metricsOf(k).height;
}

} // namespace paint
