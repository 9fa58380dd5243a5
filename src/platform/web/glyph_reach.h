// How far the desktop's hinted glyphs reach out of the line, for the browser's
// text engine, which draws them unhinted. FreeType's TrueType hinter moves
// outlines up and down as the font's own bytecode says; where a hinted glyph
// ends a pixel below the line, SDL_ttf's image of the text grows by as much.
// The font's numbers do not tell where the bytecode puts an outline, so the
// build measures it once with SDL_ttf (tools/web_fonts/glyph_reach_main.cpp)
// into glyph-reach.txt, which the browser reads beside the fonts.
//
// The text, one record a line ('#' starts a comment):
//   font <proportional|fixed> <points> <bold|regular> <dpi>
//   <code point in hex> <pixels above the line> <pixels below it>
// Each font lists only its glyphs that reach out of the line; code point 0
// stands for the missing glyph, drawn for any character the font lacks.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace minamori {

// The fonts the game draws with, each measured in the table: the log, the
// menus and the boxes (a menu's caption shrinks from 12 down to 8 points to
// fit its row), the log's line splitting at 72 dpi, the panels and the chart.
inline constexpr FontSpec kGameFonts[] = {
    {FontFace::kProportional, 12, true}, {FontFace::kProportional, 11, true},
    {FontFace::kProportional, 10, true}, {FontFace::kProportional, 9, true},
    {FontFace::kProportional, 8, true},  {FontFace::kProportional, 15, true, 72},
    {FontFace::kFixed, 12, true},        {FontFace::kFixed, 10, true},
    {FontFace::kFixed, 9, false},
};

inline constexpr char32_t kMissingGlyph = 0;

struct GlyphReach {
    int above = 0;
    int below = 0;

    bool operator==(const GlyphReach&) const = default;
};

class GlyphReachTable {
public:
    // The table in text; nothing, and the faulty line in error, when it is damaged.
    static std::optional<GlyphReachTable> parse(const std::string& text, std::string& error);
    std::string format() const;

    void addFont(const FontSpec& font);
    // Adds the font too; a reach of nothing is not kept.
    void set(const FontSpec& font, char32_t ch, GlyphReach reach);

    bool hasFont(const FontSpec& font) const { return fonts_.count(font) > 0; }
    // Nothing for a glyph the font does not list.
    GlyphReach reach(const FontSpec& font, char32_t ch) const;

private:
    std::map<FontSpec, std::map<char32_t, GlyphReach>> fonts_;
};

}  // namespace minamori
