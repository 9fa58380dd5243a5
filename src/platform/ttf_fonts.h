// The game's typefaces through SDL_ttf: "ＭＳ Ｐゴシック" is IPAPGothic and
// "ＭＳ ゴシック" is IPAGothic, or other Japanese faces (see font_choice.h).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/font_choice.h"
#include "view/fonts.h"

typedef struct _TTF_Font TTF_Font;

namespace minamori {

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

private:
    TtfFontEngine() = default;
    TTF_Font* open(const FontSpec& font);

    JapaneseFonts faces_;
    std::map<FontSpec, TTF_Font*> fonts_;
};

}  // namespace minamori
