#include "platform/web/text_layout.h"

#include <algorithm>

namespace minamori {

LineLayout layOutLine(const std::vector<GlyphSpan>& glyphs, int lineHeight) {
    LineLayout line;
    int pen = 0, minX = 0, maxX = 0, minY = 0, maxY = lineHeight;
    for (const GlyphSpan& g : glyphs) {
        line.pens.push_back(pen);
        minX = std::min(minX, pen + g.left);
        maxX = std::max(maxX, pen + g.left + g.width);
        minY = std::min(minY, -g.above);
        maxY = std::max(maxY, lineHeight + g.below);
        pen += g.advance;
    }
    // The last pen counts too: a text of blanks is as wide as they advance.
    maxX = std::max(maxX, pen);
    line.width = maxX - minX;
    line.height = maxY - minY;
    line.originX = -minX;
    line.lineTop = -minY;
    return line;
}

}  // namespace minamori
