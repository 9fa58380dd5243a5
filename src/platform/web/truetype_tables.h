// The tables of a TrueType font that the text engine and stb_truetype read,
// checked as they are read. stb_truetype trusts every offset in a file, so a
// font reaches it only once each table it touches is known to lie inside the
// bytes and every glyph outline to be whole (glyph_check.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/web/char_map.h"

namespace minamori {

struct TableSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

struct TrueTypeTables {
    int unitsPerEm = 0;
    // head's flag bit 3: hinting scales the glyphs at the whole ppem.
    bool integerPpem = false;
    int ascender = 0;   // hhea, font units up from the baseline
    int descender = 0;  // hhea, font units, negative below the baseline
    int glyphCount = 0;
    std::vector<uint16_t> advances;  // each glyph's advance width, font units
    std::vector<uint32_t> loca;      // glyphCount + 1 offsets into glyf
    TableSpan glyf;
    CharMap charMap;

    int advance(int glyph) const {
        return glyph >= 0 && glyph < glyphCount ? advances[static_cast<std::size_t>(glyph)] : 0;
    }
};

// The tables of the font in bytes; nothing, and the reason in error, when it
// is not a TrueType font with glyph outlines or any table it needs is damaged.
std::optional<TrueTypeTables> readTrueTypeTables(std::string_view bytes, std::string& error);

}  // namespace minamori
