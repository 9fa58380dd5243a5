#include "platform/web/font_scale.h"

#include <algorithm>
#include <cstdlib>

namespace minamori {

namespace {

// Far past any size the game draws, well inside the fixed-point range.
constexpr int kMaxPoints = 1000;
constexpr int kMaxDpi = 10000;

int64_t pixRound(int64_t v) {
    return (v + 32) & -64;
}

}  // namespace

// Rounds half away from zero, on the magnitudes, as FreeType's C code does.
int64_t mulFix(int64_t a, int64_t b) {
    const bool negative = (a < 0) != (b < 0);
    const uint64_t c =
        (static_cast<uint64_t>(std::llabs(a)) * static_cast<uint64_t>(std::llabs(b)) + 0x8000) >>
        16;
    return negative ? -static_cast<int64_t>(c) : static_cast<int64_t>(c);
}

int64_t divFix(int64_t a, int64_t b) {
    const bool negative = (a < 0) != (b < 0);
    const uint64_t ua = static_cast<uint64_t>(std::llabs(a)),
                   ub = static_cast<uint64_t>(std::llabs(b));
    const uint64_t q = ub > 0 ? ((ua << 16) + (ub >> 1)) / ub : 0x7FFFFFFF;
    return negative ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
}

// FT_Set_Char_Size(face, 0, points * 64, dpi, dpi), as SDL_ttf calls it, and
// the line metrics SDL_ttf derives from it.
PixelSize pixelSize(const TrueTypeTables& face, int points, int dpi, bool bold) {
    const int64_t charSize = std::max<int64_t>(64, int64_t{std::min(points, kMaxPoints)} * 64);
    const int64_t resolution = dpi <= 0 ? 72 : std::min(dpi, kMaxDpi);
    const int64_t scaled = (charSize * resolution + 36) / 72;  // the em in 26.6 pixels
    PixelSize size;
    size.lineScale = divFix(scaled, face.unitsPerEm);
    size.ppem = static_cast<int>(pixRound(scaled) >> 6);
    size.glyphScale =
        face.integerPpem ? divFix(int64_t{size.ppem} << 6, face.unitsPerEm) : size.lineScale;
    size.ascent = ceil26(mulFix(face.ascender, size.lineScale));
    size.height = ceil26(mulFix(face.ascender - face.descender, size.lineScale));
    size.boldExtra = bold ? size.ppem / 10 : 0;
    size.pixelsPerUnit = static_cast<double>(size.glyphScale) / 65536.0 / 64.0;
    return size;
}

// FreeType's box of a glyph about to be rendered: the outline's control box
// widened to whole pixels.
GlyphBox glyphBox(const PixelSize& size, int advanceUnits, int xMin, int yMin, int xMax, int yMax,
                  bool empty) {
    GlyphBox box;
    box.advance = static_cast<int>(pixRound(mulFix(advanceUnits, size.glyphScale)) / 64);
    if (!empty) {
        box.left = floor26(mulFix(xMin, size.glyphScale));
        box.width = ceil26(mulFix(xMax, size.glyphScale)) - box.left;
        box.top = ceil26(mulFix(yMax, size.glyphScale));
        box.rows = box.top - floor26(mulFix(yMin, size.glyphScale));
    }
    // SDL_ttf widens every glyph's box when bold, an empty one too.
    box.width += size.boldExtra;
    return box;
}

}  // namespace minamori
