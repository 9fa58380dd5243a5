// One TrueType face in memory for the browser's text engine: its tables read
// and checked once, its glyphs measured as FreeType measures them before
// hinting and drawn by stb_truetype.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/web/font_scale.h"
#include "platform/web/truetype_tables.h"

typedef struct stbtt_fontinfo stbtt_fontinfo;

namespace minamori {

// A glyph's coverage (0..255), row by row, and where it lies from the pen on
// the baseline.
struct GlyphBitmap {
    int left = 0;
    int top = 0;  // rows above the baseline
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> coverage;
};

class StbFace {
public:
    // Nothing, and the reason in error, when the file cannot be read or is not
    // a whole TrueType font.
    static std::unique_ptr<StbFace> load(const std::string& path, std::string& error);
    ~StbFace();

    const TrueTypeTables& tables() const { return tables_; }
    int glyph(char32_t ch) const { return tables_.charMap.glyph(ch); }
    GlyphBox box(int glyph, const PixelSize& size) const;
    GlyphBitmap draw(int glyph, const PixelSize& size) const;

private:
    StbFace() = default;

    std::string bytes_;
    TrueTypeTables tables_;
    std::unique_ptr<stbtt_fontinfo> info_;
};

}  // namespace minamori
