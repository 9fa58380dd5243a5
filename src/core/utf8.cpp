#include "core/utf8.h"

namespace minamori {

namespace {

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

}  // namespace

std::size_t utf8CharLength(std::string_view text) {
    if (text.empty()) return 0;
    const std::size_t n = sequenceLength(static_cast<unsigned char>(text[0]));
    // A sequence cut short counts as one broken character up to where it breaks.
    std::size_t k = 1;
    while (k < n && k < text.size() && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80) ++k;
    return k;
}

std::vector<std::string> utf8Characters(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t n = utf8CharLength(std::string_view(text).substr(i));
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

bool isNarrow(const std::string& ch) {
    if (ch.size() == 1) return true;
    // U+FF61..U+FF9F, half-width katakana: EF BD A1..EF BE 9F.
    if (ch.size() == 3 && static_cast<unsigned char>(ch[0]) == 0xEF) {
        const unsigned char b1 = static_cast<unsigned char>(ch[1]);
        const unsigned char b2 = static_cast<unsigned char>(ch[2]);
        return (b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F);
    }
    return false;
}

}  // namespace minamori
