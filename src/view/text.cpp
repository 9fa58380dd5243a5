#include "view/text.h"

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

std::vector<std::string> TextPainter::wrap(const std::string& text, const FontSpec& font,
                                           int boxWidth) {
    std::vector<std::string> lines;
    std::vector<std::string> rest = utf8Characters(text);
    auto joined = [&](std::size_t from, std::size_t to) {
        std::string s;
        for (std::size_t i = from; i < to; ++i) s += rest[i];
        return s;
    };
    std::size_t start = 0;
    while (start < rest.size()) {
        // The longest run of characters that fits, at least one.
        std::size_t lo = start + 1, hi = rest.size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi + 1) / 2;
            if (textWidth(joined(start, mid), font) <= boxWidth)
                lo = mid;
            else
                hi = mid - 1;
        }
        std::size_t end = lo;
        if (end < rest.size() && !isBlank(rest[end])) {
            // Prefer to break after the last blank inside the run.
            for (std::size_t i = end; i > start + 1; --i)
                if (isBlank(rest[i - 1])) {
                    end = i;
                    break;
                }
        }
        std::string line = joined(start, end);
        // Blanks at a break belong to neither line.
        while (end < rest.size() && isBlank(rest[end])) ++end;
        lines.push_back(std::move(line));
        start = end;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace minamori
