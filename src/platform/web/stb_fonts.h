// The browser's text engine: the game's two typefaces, subsets of IPAPGothic
// and IPAGothic made at build time (tools/web_fonts), drawn with stb_truetype
// and measured as the desktop's TtfFontEngine measures, to the pixel: the
// log's line breaks and the panels' layout follow from the widths.
//
// How: SDL_ttf lets HarfBuzz place the glyphs, which for these fonts (no
// kerning, no positioning) means whole-pixel advances, and takes the union of
// the glyphs' boxes. FreeType's hinter leaves the glyphs unmoved in x, so the
// advances and the boxes' x follow from the font's numbers (font_scale.h).
// It moves them in y, which only matters where a glyph then reaches out of
// the line; that is measured at build time (glyph_reach.h). The glyphs' shapes
// differ slightly from the desktop's, being unhinted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/platform.h"
#include "platform/web/glyph_reach.h"
#include "platform/web/stb_face.h"
#include "platform/web/text_layout.h"

namespace minamori {

struct StbFontFiles {
    std::string proportional;  // ＭＳ Ｐゴシック's face
    std::string fixed;         // ＭＳ ゴシック's face
    std::string glyphReach;    // glyph-reach.txt
};

class StbFontEngine : public FontEngine {
public:
    // Nothing, and the reason in error, when a file is missing, unreadable or
    // not what it should be.
    static std::unique_ptr<StbFontEngine> create(const StbFontFiles& files, std::string& error);

    TextImage render(const std::string& text, const FontSpec& font) override;
    int textWidth(const std::string& text, const FontSpec& font) override;
    int lineHeight(const FontSpec& font) override;

private:
    struct Shaped {
        PixelSize size;
        std::vector<int> glyphs;
        LineLayout line;
    };

    StbFontEngine() = default;
    const StbFace& face(const FontSpec& font) const;
    Shaped shape(const std::string& text, const FontSpec& font) const;
    GlyphSpan span(const StbFace& face, int glyph, char32_t ch, const FontSpec& font,
                   const PixelSize& size) const;

    std::unique_ptr<StbFace> proportional_;
    std::unique_ptr<StbFace> fixed_;
    GlyphReachTable reach_;
};

}  // namespace minamori
