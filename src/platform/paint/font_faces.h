// The fonts of the pictures: free font files of the system, rendered with
// FreeType, and a cache of the rendered glyphs.
//
// Face names of the programs map to three families: sans serif (the dialog
// fonts, Tahoma, Arial and the rest), monospace (Courier, Consolas) and
// serif (Times). Each family is Liberation (metric-compatible with the
// common desktop fonts) when installed, else DejaVu; a character the face
// lacks comes from DejaVu Sans. ZRLSS_FONT_DIR names a folder searched
// first. Without any of these files text is not drawn (widths are then
// estimated), and fontsFound() says so.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace paint {

// One rendered character: coverage rows (0..255) and its placement.
struct Glyph {
    int width = 0, height = 0;
    int left = 0; // from the pen to the first column
    int top = 0;  // from the baseline up to the first row
    int advance = 0;
    std::vector<std::uint8_t> coverage;
};

struct FaceRequest {
    std::wstring face;
    int pixels = 11;
    bool bold = false;
    bool italic = false;
};

class Fonts {
public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // The one set of fonts of the process.
    static Fonts& shared();

    bool fontsFound() const;
    // The font file a request uses ("" when none).
    std::string fileFor(const FaceRequest& request) const;

    // A request resolved once, for the glyphs of a text.
    struct Key {
        int slot = 0; // family * 4 + style
        int pixels = 11;
    };
    Key key(const FaceRequest& request) const;
    // The glyph of `ch`, rendered at need; an empty one (half an em wide)
    // when no font has it.
    const Glyph& glyph(Key key, char32_t ch);
    int ascent(Key key);
    int lineHeight(Key key);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace paint
