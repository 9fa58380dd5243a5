// The game's typefaces through SDL_ttf: "ＭＳ Ｐゴシック" is IPAPGothic and
// "ＭＳ ゴシック" is IPAGothic, or other Japanese faces (see font_choice.h).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/font_choice.h"
#include "view/fonts.h"

typedef struct _TTF_Font TTF_Font;

namespace minamori {

// A character's glyph as SDL_ttf places it: its box in pixels from the pen on
// the baseline, y up, bold widening included.
struct TtfGlyphBox {
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
};

class TtfFontEngine : public FontEngine {
public:
    // Nothing when SDL_ttf or no face with Japanese glyphs can be had; the
    // error then names the package to install.
    static std::unique_ptr<TtfFontEngine> create(std::string& error);
    static std::unique_ptr<TtfFontEngine> create(const JapaneseFonts& faces, std::string& error);
    ~TtfFontEngine() override;

    TextImage render(const std::string& text, const FontSpec& font) override;
    int textWidth(const std::string& text, const FontSpec& font) override;
    int lineHeight(const FontSpec& font) override;

    // For the tools that measure the desktop's text for another engine: the
    // box of the glyph drawn for ch (the missing glyph's where the face has
    // none), and the pixels from the line's top to the baseline.
    std::optional<TtfGlyphBox> glyphBox(char32_t ch, const FontSpec& font);
    int ascent(const FontSpec& font);

private:
    TtfFontEngine() = default;
    TTF_Font* open(const FontSpec& font);

    JapaneseFonts faces_;
    std::map<FontSpec, TTF_Font*> fonts_;
};

}  // namespace minamori
