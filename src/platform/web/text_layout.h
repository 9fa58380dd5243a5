// A line of text laid out as the desktop's SDL_ttf lays out a line that
// HarfBuzz shaped: each pen advances by whole pixels, and the image spans the
// line's own box and every glyph's box, so a glyph reaching out of the line
// makes the image larger and moves the line inside it.
#pragma once

#include <vector>

namespace minamori {

// What one glyph adds to a line, in pixels.
struct GlyphSpan {
    int advance = 0;
    int left = 0;   // the box's left edge from the pen
    int width = 0;  // the box's width
    int above = 0;  // how far the box reaches above the line's top
    int below = 0;  // how far the box reaches below the line's bottom
};

struct LineLayout {
    int width = 0;
    int height = 0;
    int originX = 0;        // the first pen's x in the image
    int lineTop = 0;        // the line's top in the image
    std::vector<int> pens;  // each glyph's pen from the first
};

LineLayout layOutLine(const std::vector<GlyphSpan>& glyphs, int lineHeight);

}  // namespace minamori
