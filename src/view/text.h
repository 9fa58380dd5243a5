// Drawing and measuring text on a canvas, with rendered texts cached: the same
// few dozen texts are drawn every frame.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "view/canvas.h"
#include "view/fonts.h"

namespace minamori {

class TextPainter {
public:
    explicit TextPainter(FontEngine& engine) : engine_(&engine) {}

    void setEngine(FontEngine& engine);

    int textWidth(const std::string& text, const FontSpec& font);
    int lineHeight(const FontSpec& font);

    // Draws text with its top-left at (x, y); with a background colour the text
    // cell is filled first, else the text lies over the picture.
    void draw(Canvas& canvas, int x, int y, const std::string& text, const FontSpec& font,
              Pixel colour, std::optional<Pixel> background = std::nullopt);

    // Splits a text into the lines of a word-wrapping box of the given width:
    // at the last blank that fits, else between characters.
    std::vector<std::string> wrap(const std::string& text, const FontSpec& font, int boxWidth);

    // The end of the longest run of chars from start (at least one) whose text
    // fits boxWidth; the cost grows with the run, not with the rest of chars.
    std::size_t fittingEnd(const std::vector<std::string>& chars, std::size_t start,
                           const FontSpec& font, int boxWidth);

private:
    const TextImage& rendered(const std::string& text, const FontSpec& font);

    FontEngine* engine_;
    std::map<std::pair<FontSpec, std::string>, TextImage> images_;
    std::map<std::pair<FontSpec, std::string>, int> widths_;
};

}  // namespace minamori
