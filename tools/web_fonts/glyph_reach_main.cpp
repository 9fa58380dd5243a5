// Measures with the desktop's SDL_ttf how far each hinted glyph of the game's
// characters reaches out of the line, in every font the game draws with, for
// the browser's text engine (src/platform/web/glyph_reach.h).
//
// Usage: minamori-glyph-reach CHARACTERS PROPORTIONAL.ttf FIXED.ttf OUTPUT
#include <algorithm>
#include <iostream>
#include <string>

#include "core/file_io.h"
#include "platform/ttf_fonts.h"
#include "platform/web/glyph_reach.h"
#include "platform/web/text_codes.h"

namespace {

using namespace minamori;

// The characters of a UTF-8 text, line breaks left out, and the missing glyph.
std::u32string characters(const std::string& text) {
    std::u32string out = codePointsAsHarfBuzz(text);
    std::erase_if(out, [](char32_t ch) { return ch == '\n' || ch == '\r'; });
    out.push_back(kMissingGlyph);
    return out;
}

GlyphReachTable measure(TtfFontEngine& engine, const std::u32string& chars) {
    GlyphReachTable table;
    for (const FontSpec& font : kGameFonts) {
        table.addFont(font);
        const int ascent = engine.ascent(font), height = engine.lineHeight(font);
        for (const char32_t ch : chars) {
            const std::optional<TtfGlyphBox> box = engine.glyphBox(ch, font);
            // A glyph of no rows counts too: SDL_ttf places its box all the same.
            if (!box) continue;
            table.set(font, ch,
                      {std::max(0, box->maxY - ascent), std::max(0, ascent - box->minY - height)});
        }
    }
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: minamori-glyph-reach CHARACTERS PROPORTIONAL.ttf FIXED.ttf OUTPUT\n";
        return 2;
    }
    std::string text, error;
    if (readWholeFile(argv[1], text, error) != ReadResult::kRead) {
        std::cerr << "minamori-glyph-reach: cannot read " << argv[1] << ' ' << error << '\n';
        return 1;
    }
    JapaneseFonts faces;
    faces.proportional = {argv[2], 0, "IPAPGothic"};
    faces.fixed = {argv[3], 0, "IPAGothic"};
    std::unique_ptr<TtfFontEngine> engine = TtfFontEngine::create(faces, error);
    if (!engine) {
        std::cerr << "minamori-glyph-reach: " << error << '\n';
        return 1;
    }
    error = writeFileAtomically(argv[4], measure(*engine, characters(text)).format());
    if (!error.empty()) {
        std::cerr << "minamori-glyph-reach: " << error << '\n';
        return 1;
    }
    return 0;
}
