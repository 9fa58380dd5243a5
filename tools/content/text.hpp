// Japanese text drawn with the game's own faces (IPA Gothic where installed),
// outlined and shadowed.
#pragma once

#include <string>

#include "image.hpp"

namespace content {

struct TextStyle {
    int pixelSize = 32;
    bool proportional = false;          // IPAPGothic instead of IPAGothic
    Rgb fillTop{1, 1, 1}, fillBottom{1, 1, 1};
    Rgb outline{0, 0, 0};
    int outlineWidth = 2;
    Rgb shadow{0, 0, 0};
    int shadowDx = 2, shadowDy = 3;
    int shadowBlur = 2;
    float shadowAlpha = 0.6f;
    Rgb glow{1, 1, 1};
    float glowAlpha = 0;                // a soft wide glow behind everything
};

// Draws text centred on centreX with its top at topY. Throws when no Japanese font is found.
void drawText(Image& img, const std::string& utf8, int centreX, int topY, const TextStyle& style);

// Releases the font libraries once all text is drawn.
void closeFonts();

}  // namespace content
