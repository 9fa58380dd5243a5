// Text in the game's two typefaces, behind an interface: the desktop and the
// headless driver use TrueType fonts, tests may use fixed metrics.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace minamori {

enum class FontFace {
    kProportional,  // ＭＳ Ｐゴシック
    kFixed,         // ＭＳ ゴシック
};

// A font: a size in points at a resolution (96 dpi: 12 points is a 16-pixel em;
// 72 dpi makes the size an em in pixels).
struct FontSpec {
    FontFace face = FontFace::kProportional;
    int size = 12;
    bool bold = false;
    int dpi = 96;

    auto operator<=>(const FontSpec&) const = default;
};

// The coverage (0..255) of each pixel of a rendered text, row by row.
struct TextImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
};

class FontEngine {
public:
    virtual ~FontEngine() = default;
    // The text rendered in white on nothing; its height is the font's line height.
    virtual TextImage render(const std::string& text, const FontSpec& font) = 0;
    virtual int textWidth(const std::string& text, const FontSpec& font) = 0;
    virtual int lineHeight(const FontSpec& font) = 0;
};

// Fixed metrics for tests and for machines without the fonts: a narrow
// character is half an em wide, any other a full em; nothing is drawn.
class BoxFontEngine : public FontEngine {
public:
    TextImage render(const std::string& text, const FontSpec& font) override;
    int textWidth(const std::string& text, const FontSpec& font) override;
    int lineHeight(const FontSpec& font) override;
};

// The em of a font in pixels.
int emPixels(const FontSpec& font);

}  // namespace minamori
