#include "platform/web/text_codes.h"

namespace minamori {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Lead {
    int continuations;  // bytes after the lead
    char32_t bits;      // the lead's bits of the code point
    char32_t least;     // the least code point of that length, shorter forms being invalid
};

// What a lead byte begins; continuations < 0 when it begins nothing.
Lead leadOf(unsigned char byte) {
    if (byte < 0x80) return {0, byte, 0};
    if (byte >= 0xC2 && byte <= 0xDF) return {1, char32_t{byte} & 0x1F, 0x80};
    if (byte >= 0xE0 && byte <= 0xEF) return {2, char32_t{byte} & 0x0F, 0x800};
    if (byte >= 0xF0 && byte <= 0xF4) return {3, char32_t{byte} & 0x07, 0x10000};
    return {-1, 0, 0};
}

}  // namespace

std::u32string codePointsAsHarfBuzz(const std::string& text) {
    const std::string whole = text.substr(0, text.find('\0'));
    std::u32string out;
    for (std::size_t i = 0; i < whole.size();) {
        const Lead lead = leadOf(static_cast<unsigned char>(whole[i]));
        char32_t code = lead.bits;
        bool complete = lead.continuations >= 0 &&
                        whole.size() - i > static_cast<std::size_t>(lead.continuations);
        for (int k = 1; complete && k <= lead.continuations; ++k) {
            const auto byte = static_cast<unsigned char>(whole[i + static_cast<std::size_t>(k)]);
            complete = (byte & 0xC0) == 0x80;
            code = code << 6 | (byte & 0x3F);
        }
        const bool valid = complete && code >= lead.least && code <= 0x10FFFF &&
                           !(code >= 0xD800 && code <= 0xDFFF);
        out.push_back(valid ? code : kReplacement);
        i += valid ? static_cast<std::size_t>(lead.continuations) + 1 : 1;
    }
    return out;
}

}  // namespace minamori
