// The CP932 tables behind cp932.cpp. tools/cp932_table asks the host's iconv
// for them at build time, so every build converts as glibc does, with or
// without a CP932 converter in its own C library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace minamori::cp932table {

// Where a byte or code stands for no character. U+FFFF is a noncharacter, which
// no CP932 code decodes to.
inline constexpr std::uint16_t kNone = 0xFFFF;

inline constexpr std::size_t kLeadCount = 60;    // 0x81-0x9F, 0xE0-0xFC
inline constexpr std::size_t kTrailCount = 188;  // 0x40-0x7E, 0x80-0xFC

// The row of a lead byte in kDoubleByte; -1 for any other byte.
constexpr int leadIndex(unsigned char b) {
    if (b >= 0x81 && b <= 0x9F) return b - 0x81;
    if (b >= 0xE0 && b <= 0xFC) return b - 0xE0 + 31;
    return -1;
}

// The column of a trail byte in kDoubleByte; -1 for any other byte.
constexpr int trailIndex(unsigned char b) {
    if (b >= 0x40 && b <= 0x7E) return b - 0x40;
    if (b >= 0x80 && b <= 0xFC) return b - 0x80 + 63;
    return -1;
}

// The code point of each byte on its own; kNone for a lead byte and a byte of
// no character.
extern const std::uint16_t kSingleByte[256];

// The code point of each double-byte code, kLeadCount rows of kTrailCount.
extern const std::uint16_t kDoubleByte[kLeadCount * kTrailCount];

// What iconv encodes a code point as: a code below 0x100 is one byte, any other
// a lead and a trail byte. Where several codes decode to one code point, this
// is the one the encoder picks.
struct Encoding {
    std::uint16_t codePoint;
    std::uint16_t code;
};

// Every encodable code point, in order.
extern const std::span<const Encoding> kEncodings;

struct Range {
    char32_t first;
    char32_t last;
};

// The code points iconv takes without writing anything (glibc: the tag
// characters U+E0000-U+E007F), in order.
extern const std::span<const Range> kDropped;

}  // namespace minamori::cp932table
