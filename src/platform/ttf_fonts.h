// The game's typefaces through SDL_ttf: "ＭＳ Ｐゴシック" is IPAPGothic and
// "ＭＳ ゴシック" is IPAGothic, found through fontconfig.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "view/fonts.h"

typedef struct _TTF_Font TTF_Font;

namespace minamori {

class TtfFontEngine : public FontEngine {
public:
    // Nothing when SDL_ttf or the font files cannot be had.
    static std::unique_ptr<TtfFontEngine> create(std::string& error);
    ~TtfFontEngine() override;

    TextImage render(const std::string& text, const FontSpec& font) override;
    int textWidth(const std::string& text, const FontSpec& font) override;
    int lineHeight(const FontSpec& font) override;

private:
    TtfFontEngine() = default;
    TTF_Font* open(const FontSpec& font);

    std::string proportionalFile_;
    std::string fixedFile_;
    std::map<FontSpec, TTF_Font*> fonts_;
};

// The file of the best match fontconfig finds for a family name; empty if none.
std::string findFontFile(const std::string& family);

}  // namespace minamori
