#include "core/cp932.h"

#include "core/utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

namespace minamori {

namespace {

// Length of the CP932 character at the start of text; 1 for a broken one.
std::size_t cp932Length(std::string_view text) {
    const unsigned char b = static_cast<unsigned char>(text[0]);
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return lead && text.size() >= 2 ? 2 : 1;
}

// Converts with iconv, replacing each character that fails by '?'.
std::string convert(const char* to, const char* from, const std::string& in,
                    std::size_t (*charLength)(std::string_view)) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return in;
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // An invalid or unmappable character, or one cut off at the end.
        const std::size_t skip = charLength(std::string_view(src, srcLeft));
        src += skip;
        srcLeft -= skip;
        out.push_back('?');
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string utf8ToCp932(const std::string& utf8) {
    return convert("CP932", "UTF-8", utf8, utf8CharLength);
}

std::string cp932ToUtf8(const std::string& cp932) {
    return convert("UTF-8", "CP932", cp932, cp932Length);
}

}  // namespace minamori
