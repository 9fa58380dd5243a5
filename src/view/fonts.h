// Fixed metrics for the text engine (core/platform.h) where no fonts are used.
#pragma once

#include "core/platform.h"

namespace minamori {

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
