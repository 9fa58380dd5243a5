#include "view/text.h"

#include <algorithm>

#include "core/utf8.h"

namespace minamori {

namespace {

// Enough for every text of many screens; past it the cache starts afresh.
constexpr std::size_t kCacheLimit = 4096;

bool isBlank(const std::string& ch) { return ch == " " || ch == "\t"; }

}  // namespace

void TextPainter::setEngine(FontEngine& engine) {
    engine_ = &engine;
    images_.clear();
    widths_.clear();
}

int TextPainter::textWidth(const std::string& text, const FontSpec& font) {
    auto key = std::make_pair(font, text);
    auto it = widths_.find(key);
    if (it != widths_.end()) return it->second;
    if (widths_.size() >= kCacheLimit) widths_.clear();
    const int width = engine_->textWidth(text, font);
    widths_.emplace(std::move(key), width);
    return width;
}

int TextPainter::lineHeight(const FontSpec& font) { return engine_->lineHeight(font); }

const TextImage& TextPainter::rendered(const std::string& text, const FontSpec& font) {
    auto key = std::make_pair(font, text);
    auto it = images_.find(key);
    if (it != images_.end()) return it->second;
    if (images_.size() >= kCacheLimit) images_.clear();
    return images_.emplace(std::move(key), engine_->render(text, font)).first->second;
}

void TextPainter::draw(Canvas& canvas, int x, int y, const std::string& text,
                       const FontSpec& font, Pixel colour, std::optional<Pixel> background) {
    if (text.empty()) return;
    const TextImage& image = rendered(text, font);
    if (background) canvas.fillRect(x, y, x + image.width, y + image.height, *background);
    for (int row = 0; row < image.height; ++row) {
        const int py = y + row;
        if (py < 0 || py >= canvas.height()) continue;
        const uint8_t* cover = image.coverage.data() + static_cast<size_t>(row) * image.width;
        for (int col = 0; col < image.width; ++col)
            if (cover[col]) canvas.blend(x + col, py, colour, cover[col]);
    }
}

// The longest run of characters from start that fits the box, at least one.
// The bound is found by doubling and then halved down, so a line costs time in
// proportion to its own length, not to the rest of the text: a text of any
// length wraps in time linear in it.
std::size_t TextPainter::fittingEnd(const std::vector<std::string>& chars, std::size_t start,
                                    const FontSpec& font, int boxWidth) {
    auto fits = [&](std::size_t end) {
        std::string s;
        for (std::size_t i = start; i < end; ++i) s += chars[i];
        return engine_->textWidth(s, font) <= boxWidth;
    };
    std::size_t lo = start + 1;  // fits, or is taken anyway
    std::size_t step = 1;
    while (lo < chars.size() && fits(std::min(chars.size(), lo + step))) {
        lo = std::min(chars.size(), lo + step);
        step *= 2;
    }
    std::size_t hi = std::min(chars.size(), lo + step);  // too long, unless the text ends first
    if (lo == chars.size()) return lo;
    hi -= 1;  // the largest end still in question
    while (lo < hi) {
        const std::size_t mid = (lo + hi + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

std::vector<std::string> TextPainter::wrap(const std::string& text, const FontSpec& font,
                                           int boxWidth) {
    std::vector<std::string> lines;
    const std::vector<std::string> chars = utf8Characters(text);
    std::size_t start = 0;
    while (start < chars.size()) {
        std::size_t end = fittingEnd(chars, start, font, boxWidth);
        if (end < chars.size() && !isBlank(chars[end])) {
            // Prefer to break after the last blank inside the run.
            for (std::size_t i = end; i > start + 1; --i)
                if (isBlank(chars[i - 1])) {
                    end = i;
                    break;
                }
        }
        std::string line;
        for (std::size_t i = start; i < end; ++i) line += chars[i];
        // Blanks at a break belong to neither line.
        while (end < chars.size() && isBlank(chars[end])) ++end;
        lines.push_back(std::move(line));
        start = end;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace minamori
