#include "platform/web/stb_face.h"

#include <stb_truetype.h>

#include "core/file_io.h"

namespace minamori {

namespace {

// A glyph larger than any the game draws is left blank rather than allocated.
constexpr long kMaxGlyphPixels = 1L << 22;

}  // namespace

std::unique_ptr<StbFace> StbFace::load(const std::string& path, std::string& error) {
    std::unique_ptr<StbFace> face(new StbFace());
    const ReadResult read = readWholeFile(path, face->bytes_, error);
    if (read != ReadResult::kRead) {
        if (read == ReadResult::kMissing) error = "no font file " + path;
        return nullptr;
    }
    std::optional<TrueTypeTables> tables = readTrueTypeTables(face->bytes_, error);
    if (!tables) {
        error = path + ": " + error;
        return nullptr;
    }
    face->tables_ = std::move(*tables);
    face->info_ = std::make_unique<stbtt_fontinfo>();
    const auto* data = reinterpret_cast<const unsigned char*>(face->bytes_.data());
    if (!stbtt_InitFont(face->info_.get(), data, 0)) {
        error = path + ": stb_truetype cannot read the font";
        return nullptr;
    }
    return face;
}

StbFace::~StbFace() = default;

GlyphBox StbFace::box(int glyph, const PixelSize& size) const {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    const bool outline = stbtt_GetGlyphBox(info_.get(), glyph, &x0, &y0, &x1, &y1) != 0;
    return glyphBox(size, tables_.advance(glyph), x0, y0, x1, y1, !outline);
}

GlyphBitmap StbFace::draw(int glyph, const PixelSize& size) const {
    const auto scale = static_cast<float>(size.pixelsPerUnit);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBox(info_.get(), glyph, scale, scale, &x0, &y0, &x1, &y1);
    GlyphBitmap bitmap;
    bitmap.left = x0;
    bitmap.top = -y0;
    bitmap.width = x1 - x0;
    bitmap.rows = y1 - y0;
    if (bitmap.width <= 0 || bitmap.rows <= 0 ||
        static_cast<long>(bitmap.width) * bitmap.rows > kMaxGlyphPixels)
        return GlyphBitmap{};
    bitmap.coverage.assign(static_cast<std::size_t>(bitmap.width) * bitmap.rows, 0);
    stbtt_MakeGlyphBitmap(info_.get(), bitmap.coverage.data(), bitmap.width, bitmap.rows,
                          bitmap.width, scale, scale, glyph);
    return bitmap;
}

}  // namespace minamori
