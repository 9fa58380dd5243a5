#include "platform/web/glyph_check.h"

namespace minamori {

namespace {

// Deeper nesting of composite glyphs than any real font has; stb_truetype
// recurses once a level, and a browser's stack is small.
constexpr int kMaxNesting = 8;

// The point flags of a simple outline after its contours' end points and its
// instructions, from at; false when they run past end.
bool readFlags(const FontBytes& font, std::size_t& at, std::size_t end, std::size_t points,
               std::vector<uint8_t>& flags) {
    uint8_t flag = 0, repeat = 0;
    flags.resize(points);
    for (std::size_t i = 0; i < points; ++i) {
        if (repeat > 0) {
            --repeat;
        } else {
            if (at >= end || !font.u8(at++, flag)) return false;
            if ((flag & 8) && (at >= end || !font.u8(at++, repeat))) return false;
        }
        flags[i] = flag;
    }
    return true;
}

bool checkSimple(const FontBytes& font, std::size_t at, std::size_t end, int contours) {
    std::size_t p = at + 10;
    if (p + 2 * std::size_t(contours) + 2 > end) return false;
    std::vector<uint16_t> ends(static_cast<std::size_t>(contours));
    for (std::size_t c = 0; c < ends.size(); ++c) {
        font.u16(p + 2 * c, ends[c]);
        if (c > 0 && ends[c] <= ends[c - 1]) return false;
    }
    uint16_t instructions = 0;
    font.u16(p + 2 * ends.size(), instructions);
    p += 2 * ends.size() + 2 + instructions;
    std::vector<uint8_t> flags;
    if (p > end || !readFlags(font, p, end, std::size_t{ends.back()} + 1, flags)) return false;
    std::size_t coordinates = 0;
    for (const uint8_t f : flags)
        coordinates += ((f & 2) ? 1 : (f & 16) ? 0 : 2) + ((f & 4) ? 1 : (f & 32) ? 0 : 2);
    if (coordinates > end - p) return false;
    // A contour of a single off-curve point makes stb_truetype read one point
    // past the outline's.
    std::size_t first = 0;
    for (const uint16_t last : ends) {
        if (last == first && !(flags[first] & 1)) return false;
        first = std::size_t{last} + 1;
    }
    return true;
}

// The glyphs a composite outline is made of, into parts.
bool readComposite(const FontBytes& font, std::size_t at, std::size_t end, int glyphCount,
                   std::vector<uint16_t>& parts) {
    std::size_t p = at + 10;
    for (;;) {
        uint16_t flags = 0, glyph = 0;
        if (p + 4 > end) return false;
        font.u16(p, flags);
        font.u16(p + 2, glyph);
        // Parts placed by matching points are not drawn by stb_truetype.
        if (!(flags & 2) || glyph >= glyphCount) return false;
        p += 4 + ((flags & 1) ? 4 : 2);
        if (flags & 8)
            p += 2;  // one scale
        else if (flags & 0x40)
            p += 4;  // x and y scales
        else if (flags & 0x80)
            p += 8;  // a 2x2 matrix
        if (p > end) return false;
        parts.push_back(glyph);
        if (!(flags & 0x20)) return true;  // no more parts
    }
}

class GlyphChecker {
public:
    GlyphChecker(const FontBytes& font, const TableSpan& glyf, const std::vector<uint32_t>& loca)
        : font_(font), glyf_(glyf), loca_(loca), checked_(loca.size() - 1, false) {}

    // Whether glyph and every glyph it is made of can be read, within level
    // levels of nesting.
    bool check(int glyph, int level) {
        if (level > kMaxNesting) return false;
        const auto g = static_cast<std::size_t>(glyph);
        if (checked_[g]) return true;
        const std::size_t at = glyf_.offset + loca_[g], end = glyf_.offset + loca_[g + 1];
        if (at == end) return checked_[g] = true;  // no outline
        int16_t contours = 0;
        if (end - at < 10 || !font_.s16(at, contours)) return false;
        if (contours > 0 && !checkSimple(font_, at, end, contours)) return false;
        if (contours < 0) {
            std::vector<uint16_t> parts;
            if (!readComposite(font_, at, end, static_cast<int>(checked_.size()), parts))
                return false;
            for (const uint16_t part : parts)
                if (!check(part, level + 1)) return false;
        }
        return checked_[g] = true;
    }

private:
    const FontBytes& font_;
    const TableSpan& glyf_;
    const std::vector<uint32_t>& loca_;
    std::vector<bool> checked_;
};

}  // namespace

bool checkGlyphs(const FontBytes& font, const TableSpan& glyf, const std::vector<uint32_t>& loca,
                 std::string& error) {
    if (loca.size() < 2) {
        error = "the font has no glyphs";
        return false;
    }
    GlyphChecker checker(font, glyf, loca);
    for (std::size_t g = 0; g + 1 < loca.size(); ++g) {
        if (checker.check(static_cast<int>(g), 0)) continue;
        error = "the outline of glyph " + std::to_string(g) + " is damaged";
        return false;
    }
    return true;
}

}  // namespace minamori
