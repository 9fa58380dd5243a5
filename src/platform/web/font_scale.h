// A face's size in pixels, computed in FreeType's fixed-point arithmetic so
// that every rounding falls where it falls for the desktop's SDL_ttf: the
// line's metrics at the size asked for, the glyphs at the whole ppem that the
// TrueType hinter scales them by. Horizontally the hinter (FreeType's v40
// interpreter) moves nothing, so advances and glyph boxes in x follow from the
// font's numbers alone; vertically it does, which is what glyph_reach.h keeps.
#pragma once

#include <cstdint>

#include "platform/web/truetype_tables.h"

namespace minamori {

// 16.16 and 26.6 fixed-point helpers, rounding as FreeType does.
int64_t mulFix(int64_t a, int64_t b);
int64_t divFix(int64_t a, int64_t b);
inline int floor26(int64_t v) {
    return static_cast<int>((v & -64) / 64);
}
inline int ceil26(int64_t v) {
    return floor26(v + 63);
}

struct PixelSize {
    int ppem = 0;              // the whole pixels per em of the size
    int64_t lineScale = 0;     // 16.16, font units to 26.6 pixels, for the line
    int64_t glyphScale = 0;    // 16.16, the same for the hinted glyphs
    int ascent = 0;            // whole pixels from the line's top to the baseline
    int height = 0;            // the line's height in whole pixels
    int boldExtra = 0;         // pixels a bold glyph is widened by
    double pixelsPerUnit = 0;  // glyphScale as the rasterizer takes it
};

// The size of points at dpi. As in FreeType, less than a point is a point and
// a dpi of 0 is 72; both are capped far past any size the game draws.
PixelSize pixelSize(const TrueTypeTables& face, int points, int dpi, bool bold);

// A glyph's box and advance in whole pixels, from the pen on the baseline.
struct GlyphBox {
    int advance = 0;
    int left = 0;   // from the pen to the box's left edge
    int width = 0;  // the box, bold widening included
    int top = 0;    // from the baseline up to the box's top edge
    int rows = 0;
};

// The box of the unhinted outline whose extent in font units is given.
GlyphBox glyphBox(const PixelSize& size, int advanceUnits, int xMin, int yMin, int xMax, int yMax,
                  bool empty);

}  // namespace minamori
