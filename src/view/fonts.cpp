#include "view/fonts.h"

#include "core/utf8.h"

namespace minamori {

int emPixels(const FontSpec& font) { return (font.size * font.dpi + 36) / 72; }

TextImage BoxFontEngine::render(const std::string& text, const FontSpec& font) {
    TextImage image;
    image.width = textWidth(text, font);
    image.height = lineHeight(font);
    image.coverage.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), 0);
    return image;
}

int BoxFontEngine::textWidth(const std::string& text, const FontSpec& font) {
    const int em = emPixels(font);
    int width = 0;
    for (const std::string& ch : utf8Characters(text)) width += isNarrow(ch) ? em / 2 : em;
    return width;
}

int BoxFontEngine::lineHeight(const FontSpec& font) { return emPixels(font) + 2; }

}  // namespace minamori
