// Which glyph draws each character: a font's Unicode cmap subtable (format 4
// or 12) read into ranges once, so that a lookup never reads the file again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/web/font_bytes.h"

namespace minamori {

class CharMap {
public:
    // Reads the Unicode subtable of the cmap table at [offset, offset + length);
    // false, with the reason in error, when there is none or it is damaged.
    bool read(const FontBytes& font, std::size_t offset, std::size_t length, int glyphCount,
              std::string& error);

    // The glyph of ch; 0 (the missing glyph) when the font has none.
    int glyph(char32_t ch) const;

private:
    // Characters first..last map to glyphs firstGlyph.. in order.
    struct Range {
        uint32_t first;
        uint32_t last;
        uint32_t firstGlyph;
    };

    bool readFormat4(const FontBytes& font, std::size_t at, std::size_t end, std::string& error);
    bool readFormat12(const FontBytes& font, std::size_t at, std::size_t end, std::string& error);
    void add(uint32_t ch, uint32_t glyph);

    std::vector<Range> ranges_;  // sorted, not overlapping
    int glyphCount_ = 0;
};

}  // namespace minamori
