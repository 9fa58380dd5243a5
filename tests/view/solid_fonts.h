// Fixed metrics, and every text drawn as a solid block of its colour, so that
// tests can find a text's colour at its place.
#pragma once

#include <algorithm>
#include <string>

#include "view/fonts.h"

namespace mtest {

class SolidFonts : public minamori::BoxFontEngine {
public:
    minamori::TextImage render(const std::string& text, const minamori::FontSpec& font) override {
        minamori::TextImage image = BoxFontEngine::render(text, font);
        std::fill(image.coverage.begin(), image.coverage.end(), 255);
        return image;
    }
};

}  // namespace mtest
