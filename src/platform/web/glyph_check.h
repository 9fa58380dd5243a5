// Whether every glyph outline of a font can be read by stb_truetype without it
// reading outside the outline: it follows counts and flags as they stand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/web/font_bytes.h"
#include "platform/web/truetype_tables.h"

namespace minamori {

// Walks each outline in glyf (its offsets in loca) as stb_truetype reads it:
// contours, flags and coordinates must end inside the outline, and composite
// glyphs must place their parts by offsets and never contain themselves.
bool checkGlyphs(const FontBytes& font, const TableSpan& glyf, const std::vector<uint32_t>& loca,
                 std::string& error);

}  // namespace minamori
