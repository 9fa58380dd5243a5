#include "platform/web/char_map.h"

#include <algorithm>
#include <iterator>

namespace minamori {

namespace {

constexpr uint32_t kLastChar = 0x10FFFF;

// The better of the Unicode encodings, lower first; -1 for any other.
int encodingRank(uint16_t platform, uint16_t encoding) {
    if (platform == 3 && encoding == 10) return 0;  // Windows, full Unicode
    if (platform == 0 && (encoding == 4 || encoding == 6)) return 1;
    if (platform == 3 && encoding == 1) return 2;  // Windows, BMP
    if (platform == 0) return 3;
    return -1;
}

}  // namespace

bool CharMap::read(const FontBytes& font, std::size_t offset, std::size_t length, int glyphCount,
                   std::string& error) {
    glyphCount_ = glyphCount;
    ranges_.clear();
    const std::size_t end = offset + length;
    uint16_t records = 0;
    if (!font.holds(offset, length) || !font.u16(offset + 2, records) ||
        !font.holds(offset + 4, std::size_t{records} * 8) || offset + 4 + records * 8u > end) {
        error = "the cmap table is cut short";
        return false;
    }
    // The best-ranked subtable of a format this reads.
    int bestRank = 4;
    std::size_t best = 0;
    uint16_t bestFormat = 0;
    for (std::size_t i = 0; i < records; ++i) {
        const std::size_t record = offset + 4 + i * 8;
        uint16_t platform = 0, encoding = 0, format = 0;
        uint32_t at = 0;
        font.u16(record, platform);
        font.u16(record + 2, encoding);
        font.u32(record + 4, at);
        const int rank = encodingRank(platform, encoding);
        if (rank < 0 || rank >= bestRank || at >= length || !font.u16(offset + at, format))
            continue;
        if (format != 4 && format != 12) continue;
        bestRank = rank;
        best = offset + at;
        bestFormat = format;
    }
    if (bestRank == 4) {
        error = "the font maps no Unicode characters (no cmap subtable of format 4 or 12)";
        return false;
    }
    const bool read = bestFormat == 4 ? readFormat4(font, best, end, error)
                                      : readFormat12(font, best, end, error);
    if (!read) return false;
    // Sorted, and where ranges overlap the first one read keeps its characters.
    std::stable_sort(ranges_.begin(), ranges_.end(),
                     [](const Range& a, const Range& b) { return a.first < b.first; });
    std::vector<Range> kept;
    for (const Range& r : ranges_)
        if (kept.empty() || r.first > kept.back().last) kept.push_back(r);
    ranges_ = std::move(kept);
    return true;
}

// Segments of BMP characters, each mapped by a delta or through an array.
bool CharMap::readFormat4(const FontBytes& font, std::size_t at, std::size_t end,
                          std::string& error) {
    uint16_t segCountX2 = 0;
    if (!font.u16(at + 6, segCountX2) || segCountX2 % 2 != 0 || at + 16 + 4u * segCountX2 > end) {
        error = "the cmap format 4 subtable is cut short";
        return false;
    }
    const std::size_t ends = at + 14, starts = at + 16 + segCountX2;
    const std::size_t deltas = starts + segCountX2, rangeOffsets = deltas + segCountX2;
    for (std::size_t seg = 0; seg < segCountX2 / 2u; ++seg) {
        uint16_t first = 0, last = 0, delta = 0, rangeOffset = 0;
        font.u16(starts + 2 * seg, first);
        font.u16(ends + 2 * seg, last);
        font.u16(deltas + 2 * seg, delta);
        font.u16(rangeOffsets + 2 * seg, rangeOffset);
        for (uint32_t ch = first; ch <= last && ch != 0xFFFF; ++ch) {
            uint16_t glyph = 0;
            if (rangeOffset == 0) {
                glyph = static_cast<uint16_t>(ch + delta);
            } else {
                const std::size_t entry = rangeOffsets + 2 * seg + rangeOffset + 2 * (ch - first);
                if (entry + 2 > end || !font.u16(entry, glyph)) break;  // past the table: unmapped
                if (glyph != 0) glyph = static_cast<uint16_t>(glyph + delta);
            }
            add(ch, glyph);
        }
    }
    return true;
}

// Groups of characters mapped to runs of glyphs, beyond the BMP too.
bool CharMap::readFormat12(const FontBytes& font, std::size_t at, std::size_t end,
                           std::string& error) {
    uint32_t groups = 0;
    if (!font.u32(at + 12, groups) || groups > (end - at) / 12 || at + 16 + groups * 12u > end) {
        error = "the cmap format 12 subtable is cut short";
        return false;
    }
    for (std::size_t i = 0; i < groups; ++i) {
        uint32_t first = 0, last = 0, glyph = 0;
        font.u32(at + 16 + i * 12, first);
        font.u32(at + 20 + i * 12, last);
        font.u32(at + 24 + i * 12, glyph);
        if (first > last || last > kLastChar) continue;
        ranges_.push_back({first, last, glyph});
    }
    return true;
}

void CharMap::add(uint32_t ch, uint32_t glyph) {
    if (glyph == 0) return;
    if (!ranges_.empty()) {
        Range& r = ranges_.back();
        if (ch == r.last + 1 && glyph == r.firstGlyph + (ch - r.first)) {
            r.last = ch;
            return;
        }
    }
    ranges_.push_back({ch, ch, glyph});
}

int CharMap::glyph(char32_t ch) const {
    const auto it = std::upper_bound(ranges_.begin(), ranges_.end(), static_cast<uint32_t>(ch),
                                     [](uint32_t c, const Range& r) { return c < r.first; });
    if (it == ranges_.begin()) return 0;
    const Range& r = *std::prev(it);
    if (ch > r.last) return 0;
    const uint64_t glyph = uint64_t{r.firstGlyph} + (ch - r.first);
    return glyph < static_cast<uint64_t>(glyphCount_) ? static_cast<int>(glyph) : 0;
}

}  // namespace minamori
