#include "core/text_util.h"

#include <charconv>

namespace minamori {

bool parseInt32(std::string_view text, int32_t& out) {
    // from_chars takes a minus sign but not a plus sign.
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text[0] == '-') return false;
    }
    if (text.empty()) return false;
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end) return false;
    out = value;
    return true;
}

}  // namespace minamori
