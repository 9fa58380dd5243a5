#include "platform/web/truetype_tables.h"

#include <algorithm>

#include "platform/web/glyph_check.h"

namespace minamori {

namespace {

// The first table of the tag in the directory, as stb_truetype finds it.
std::optional<TableSpan> findTable(const FontBytes& font, const char* tag) {
    uint16_t count = 0;
    font.u16(4, count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 12 + 16 * i;
        if (!font.holds(entry, 16)) return std::nullopt;
        if (font.data()[entry] != tag[0] || font.data()[entry + 1] != tag[1] ||
            font.data()[entry + 2] != tag[2] || font.data()[entry + 3] != tag[3])
            continue;
        uint32_t offset = 0, length = 0;
        font.u32(entry + 8, offset);
        font.u32(entry + 12, length);
        if (!font.holds(offset, length)) return std::nullopt;
        return TableSpan{offset, length};
    }
    return std::nullopt;
}

bool readHead(const FontBytes& font, TableSpan head, TrueTypeTables& t, bool& longLoca,
              std::string& error) {
    uint16_t flags = 0, unitsPerEm = 0;
    int16_t locaFormat = 0;
    if (head.length < 54 || !font.u16(head.offset + 16, flags) ||
        !font.u16(head.offset + 18, unitsPerEm) || !font.s16(head.offset + 50, locaFormat)) {
        error = "the head table is cut short";
        return false;
    }
    if (unitsPerEm < 16 || unitsPerEm > 16384 || (locaFormat != 0 && locaFormat != 1)) {
        error = "the head table is damaged";
        return false;
    }
    t.unitsPerEm = unitsPerEm;
    t.integerPpem = (flags & 8) != 0;
    longLoca = locaFormat == 1;
    return true;
}

bool readMetrics(const FontBytes& font, TableSpan hhea, TableSpan maxp, TableSpan hmtx,
                 TrueTypeTables& t, std::string& error) {
    int16_t ascender = 0, descender = 0;
    uint16_t longMetrics = 0, glyphs = 0;
    if (hhea.length < 36 || !font.s16(hhea.offset + 4, ascender) ||
        !font.s16(hhea.offset + 6, descender) || !font.u16(hhea.offset + 34, longMetrics) ||
        maxp.length < 6 || !font.u16(maxp.offset + 4, glyphs)) {
        error = "the hhea or maxp table is cut short";
        return false;
    }
    if (glyphs == 0 || longMetrics == 0 || longMetrics > glyphs ||
        hmtx.length < std::size_t{longMetrics} * 4) {
        error = "the hmtx table does not fit the glyph count";
        return false;
    }
    t.ascender = ascender;
    t.descender = descender;
    t.glyphCount = glyphs;
    // Glyphs past the long metrics share the last advance.
    t.advances.resize(glyphs);
    for (std::size_t g = 0; g < glyphs; ++g)
        font.u16(hmtx.offset + 4 * std::min<std::size_t>(g, longMetrics - 1u), t.advances[g]);
    return true;
}

bool readLoca(const FontBytes& font, TableSpan loca, bool longLoca, TrueTypeTables& t,
              std::string& error) {
    const std::size_t entries = static_cast<std::size_t>(t.glyphCount) + 1;
    if (loca.length < entries * (longLoca ? 4 : 2)) {
        error = "the loca table does not fit the glyph count";
        return false;
    }
    t.loca.resize(entries);
    for (std::size_t i = 0; i < entries; ++i) {
        if (longLoca) {
            font.u32(loca.offset + 4 * i, t.loca[i]);
        } else {
            uint16_t half = 0;
            font.u16(loca.offset + 2 * i, half);
            t.loca[i] = uint32_t{half} * 2;
        }
        if (t.loca[i] > t.glyf.length || (i > 0 && t.loca[i] < t.loca[i - 1])) {
            error = "the loca table points outside glyf";
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<TrueTypeTables> readTrueTypeTables(std::string_view bytes, std::string& error) {
    const FontBytes font(bytes);
    uint32_t version = 0;
    if (!font.u32(0, version) || (version != 0x00010000 && version != 0x74727565)) {
        error = "not a TrueType font";
        return std::nullopt;
    }
    uint16_t tableCount = 0;
    if (!font.u16(4, tableCount) || !font.holds(12, std::size_t{tableCount} * 16)) {
        error = "the table directory is cut short";
        return std::nullopt;
    }
    const auto head = findTable(font, "head"), hhea = findTable(font, "hhea");
    const auto maxp = findTable(font, "maxp"), hmtx = findTable(font, "hmtx");
    const auto loca = findTable(font, "loca"), glyf = findTable(font, "glyf");
    const auto cmap = findTable(font, "cmap");
    if (!head || !hhea || !maxp || !hmtx || !loca || !glyf || !cmap) {
        error = "a table a TrueType font needs is missing or outside the file";
        return std::nullopt;
    }
    TrueTypeTables t;
    t.glyf = *glyf;
    bool longLoca = false;
    if (!readHead(font, *head, t, longLoca, error) ||
        !readMetrics(font, *hhea, *maxp, *hmtx, t, error) ||
        !readLoca(font, *loca, longLoca, t, error) ||
        !t.charMap.read(font, cmap->offset, cmap->length, t.glyphCount, error) ||
        !checkGlyphs(font, t.glyf, t.loca, error))
        return std::nullopt;
    return t;
}

}  // namespace minamori
