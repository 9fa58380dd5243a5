#include "platform/web/glyph_reach.h"

#include <charconv>
#include <sstream>

namespace minamori {

namespace {

constexpr int kMaxReach = 1000;

// A whole token as a number in [low, high] of the given base.
bool number(const std::string& token, int base, long low, long high, long& out) {
    const char* end = token.data() + token.size();
    const auto [stop, fault] = std::from_chars(token.data(), end, out, base);
    return fault == std::errc{} && stop == end && out >= low && out <= high;
}

std::vector<std::string> tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool parseFont(const std::vector<std::string>& w, FontSpec& font) {
    long points = 0, dpi = 0;
    if (w.size() != 5 || (w[1] != "proportional" && w[1] != "fixed") ||
        (w[3] != "bold" && w[3] != "regular") || !number(w[2], 10, 1, 1000, points) ||
        !number(w[4], 10, 1, 10000, dpi))
        return false;
    font = FontSpec{w[1] == "fixed" ? FontFace::kFixed : FontFace::kProportional,
                    static_cast<int>(points), w[3] == "bold", static_cast<int>(dpi)};
    return true;
}

bool parseGlyph(const std::vector<std::string>& w, char32_t& ch, GlyphReach& reach) {
    long code = 0, above = 0, below = 0;
    if (w.size() != 3 || !number(w[0], 16, 0, 0x10FFFF, code) ||
        !number(w[1], 10, 0, kMaxReach, above) || !number(w[2], 10, 0, kMaxReach, below))
        return false;
    ch = static_cast<char32_t>(code);
    reach = {static_cast<int>(above), static_cast<int>(below)};
    return true;
}

}  // namespace

std::optional<GlyphReachTable> GlyphReachTable::parse(const std::string& text, std::string& error) {
    GlyphReachTable table;
    std::optional<FontSpec> font;
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::vector<std::string> w = tokens(line.substr(0, line.find('#')));
        if (w.empty()) continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (w[0] == "font") {
            FontSpec spec;
            if (!parseFont(w, spec) || table.hasFont(spec)) {
                error = where + "not a font, or one listed twice";
                return std::nullopt;
            }
            table.addFont(spec);
            font = spec;
            continue;
        }
        char32_t ch = 0;
        GlyphReach reach;
        if (!font || !parseGlyph(w, ch, reach)) {
            error = where + "not a glyph's reach of a font";
            return std::nullopt;
        }
        table.set(*font, ch, reach);
    }
    return table;
}

std::string GlyphReachTable::format() const {
    std::ostringstream out;
    out << "# How far the hinted glyphs reach above and below the line, in pixels.\n";
    for (const auto& [font, glyphs] : fonts_) {
        out << "font " << (font.face == FontFace::kFixed ? "fixed" : "proportional") << ' '
            << font.size << ' ' << (font.bold ? "bold" : "regular") << ' ' << font.dpi << '\n';
        for (const auto& [ch, reach] : glyphs)
            out << std::hex << std::uppercase << static_cast<uint32_t>(ch) << std::dec << ' '
                << reach.above << ' ' << reach.below << '\n';
    }
    return out.str();
}

void GlyphReachTable::addFont(const FontSpec& font) {
    fonts_[font];
}

void GlyphReachTable::set(const FontSpec& font, char32_t ch, GlyphReach reach) {
    auto& glyphs = fonts_[font];
    if (reach == GlyphReach{})
        glyphs.erase(ch);
    else
        glyphs[ch] = reach;
}

GlyphReach GlyphReachTable::reach(const FontSpec& font, char32_t ch) const {
    const auto f = fonts_.find(font);
    if (f == fonts_.end()) return {};
    const auto g = f->second.find(ch);
    return g == f->second.end() ? GlyphReach{} : g->second;
}

}  // namespace minamori
