#include "core/cp932.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/cp932_table.h"
#include "core/utf8.h"

namespace minamori {

namespace {

using namespace cp932table;

// The code point of one character as utf8CharLength cuts it; nothing for a
// stray byte, a sequence cut short or an overlong form, which iconv refuses.
// Surrogates and what lies beyond U+10FFFF have no CP932 code anyway.
std::optional<char32_t> codePointOf(std::string_view ch) {
    const unsigned char lead = static_cast<unsigned char>(ch[0]);
    if (lead < 0x80) return lead;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (ch.size() != length) return std::nullopt;
    char32_t cp = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) cp = cp << 6 | (ch[i] & 0x3F);
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[length]) return std::nullopt;
    return cp;
}

// The CP932 code iconv encodes a code point as.
std::optional<std::uint16_t> codeOf(char32_t cp) {
    const auto found =
        std::lower_bound(kEncodings.begin(), kEncodings.end(), cp,
                         [](const Encoding& e, char32_t key) { return e.codePoint < key; });
    if (found == kEncodings.end() || found->codePoint != cp) return std::nullopt;
    return found->code;
}

bool isDropped(char32_t cp) {
    return std::any_of(kDropped.begin(), kDropped.end(),
                       [cp](const Range& r) { return cp >= r.first && cp <= r.last; });
}

// The code point of the CP932 character at the start of text, and its length:
// a lead byte takes the next byte with it whether or not the two make a code.
std::uint16_t decodeAt(std::string_view text, std::size_t& length) {
    const unsigned char first = static_cast<unsigned char>(text[0]);
    const int row = leadIndex(first);
    if (row < 0 || text.size() < 2) {
        length = 1;
        return kSingleByte[first];
    }
    length = 2;
    const int column = trailIndex(static_cast<unsigned char>(text[1]));
    if (column < 0) return kNone;
    return kDoubleByte[static_cast<std::size_t>(row) * kTrailCount +
                       static_cast<std::size_t>(column)];
}

// CP932 holds nothing beyond U+FFFF.
void appendUtf8(std::string& out, std::uint16_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string utf8ToCp932(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::string_view text(utf8);
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view ch = text.substr(i, utf8CharLength(text.substr(i)));
        i += ch.size();
        const std::optional<char32_t> cp = codePointOf(ch);
        if (cp && isDropped(*cp)) continue;
        const std::optional<std::uint16_t> code = cp ? codeOf(*cp) : std::nullopt;
        if (!code) {
            out += '?';
            continue;
        }
        if (*code >= 0x100) out += static_cast<char>(*code >> 8);
        out += static_cast<char>(*code & 0xFF);
    }
    return out;
}

std::string cp932ToUtf8(const std::string& cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    const std::string_view text(cp932);
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const std::uint16_t cp = decodeAt(text.substr(i), length);
        i += length;
        if (cp == kNone)
            out += '?';
        else
            appendUtf8(out, cp);
    }
    return out;
}

}  // namespace minamori
