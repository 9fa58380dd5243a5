#include "platform/web/stb_fonts.h"

#include <algorithm>

#include "core/file_io.h"
#include "platform/web/text_codes.h"

namespace minamori {

namespace {

// No picture of the game comes near; a larger text is not drawn at all.
constexpr std::size_t kMaxPixels = std::size_t{1} << 24;

// SDL_ttf's bold: each row smeared to the right by the extra columns.
void embolden(GlyphBitmap& glyph, int extra) {
    if (extra <= 0 || glyph.coverage.empty()) return;
    const int width = glyph.width + extra;
    std::vector<uint8_t> wide(static_cast<std::size_t>(width) * glyph.rows, 0);
    for (int y = 0; y < glyph.rows; ++y) {
        uint8_t* row = wide.data() + static_cast<std::size_t>(y) * width;
        std::copy_n(glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width, glyph.width,
                    row);
        for (int pass = 0; pass < extra; ++pass)
            for (int x = width - 1; x > 0; --x)
                row[x] = static_cast<uint8_t>(std::min(255, row[x] + row[x - 1]));
    }
    glyph.width = width;
    glyph.coverage = std::move(wide);
}

// Lays the glyph's coverage over the image at (left, top), clipped; where
// glyphs overlap the coverages are or-ed, as SDL_ttf does.
void blit(const GlyphBitmap& glyph, int left, int top, TextImage& image) {
    for (int y = std::max(0, -top); y < glyph.rows && top + y < image.height; ++y) {
        const uint8_t* from = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
        uint8_t* to = image.coverage.data() + static_cast<std::size_t>(top + y) * image.width;
        for (int x = std::max(0, -left); x < glyph.width && left + x < image.width; ++x)
            to[left + x] |= from[x];
    }
}

}  // namespace

std::unique_ptr<StbFontEngine> StbFontEngine::create(const StbFontFiles& files,
                                                     std::string& error) {
    std::unique_ptr<StbFontEngine> engine(new StbFontEngine());
    engine->proportional_ = StbFace::load(files.proportional, error);
    if (!engine->proportional_) return nullptr;
    engine->fixed_ = StbFace::load(files.fixed, error);
    if (!engine->fixed_) return nullptr;
    std::string text;
    const ReadResult read = readWholeFile(files.glyphReach, text, error);
    if (read == ReadResult::kMissing) error = "no glyph reach table " + files.glyphReach;
    if (read != ReadResult::kRead) return nullptr;
    std::optional<GlyphReachTable> reach = GlyphReachTable::parse(text, error);
    if (!reach) {
        error = files.glyphReach + ": " + error;
        return nullptr;
    }
    engine->reach_ = std::move(*reach);
    return engine;
}

const StbFace& StbFontEngine::face(const FontSpec& font) const {
    return font.face == FontFace::kFixed ? *fixed_ : *proportional_;
}

// What the glyph adds to the line. Its reach out of the line is the hinted
// glyph's where the table has the font, else the unhinted outline's.
GlyphSpan StbFontEngine::span(const StbFace& f, int glyph, char32_t ch, const FontSpec& font,
                              const PixelSize& size) const {
    const GlyphBox box = f.box(glyph, size);
    GlyphSpan span{box.advance, box.left, box.width, 0, 0};
    if (reach_.hasFont(font)) {
        const GlyphReach reach = reach_.reach(font, glyph == 0 ? kMissingGlyph : ch);
        span.above = reach.above;
        span.below = reach.below;
    } else {
        span.above = std::max(0, box.top - size.ascent);
        span.below = std::max(0, size.ascent - box.top + box.rows - size.height);
    }
    return span;
}

StbFontEngine::Shaped StbFontEngine::shape(const std::string& text, const FontSpec& font) const {
    const StbFace& f = face(font);
    Shaped shaped;
    shaped.size = pixelSize(f.tables(), font.size, font.dpi, font.bold);
    std::vector<GlyphSpan> spans;
    for (const char32_t ch : codePointsAsHarfBuzz(text)) {
        shaped.glyphs.push_back(f.glyph(ch));
        spans.push_back(span(f, shaped.glyphs.back(), ch, font, shaped.size));
    }
    shaped.line = layOutLine(spans, shaped.size.height);
    return shaped;
}

TextImage StbFontEngine::render(const std::string& text, const FontSpec& font) {
    TextImage image;
    if (text.empty()) return image;
    const Shaped shaped = shape(text, font);
    const LineLayout& line = shaped.line;
    const std::size_t pixels = static_cast<std::size_t>(line.width) * line.height;
    // SDL_ttf draws nothing of a text that takes no width.
    if (line.width <= 0 || pixels > kMaxPixels) return image;
    image.width = line.width;
    image.height = line.height;
    image.coverage.assign(pixels, 0);
    const StbFace& f = face(font);
    const int baseline = line.lineTop + shaped.size.ascent;
    for (std::size_t i = 0; i < shaped.glyphs.size(); ++i) {
        GlyphBitmap glyph = f.draw(shaped.glyphs[i], shaped.size);
        embolden(glyph, shaped.size.boldExtra);
        blit(glyph, line.originX + line.pens[i] + glyph.left, baseline - glyph.top, image);
    }
    return image;
}

int StbFontEngine::textWidth(const std::string& text, const FontSpec& font) {
    if (text.empty()) return 0;
    return shape(text, font).line.width;
}

int StbFontEngine::lineHeight(const FontSpec& font) {
    return pixelSize(face(font).tables(), font.size, font.dpi, font.bold).height;
}

}  // namespace minamori
