// Small text helpers shared by the script engine and the save file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace minamori {

// Reads a whole text as a decimal integer with an optional sign; false when the
// text is empty, has anything else in it, or does not fit 32 bits.
bool parseInt32(std::string_view text, int32_t& out);

// Whether text starts with prefix.
inline bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace minamori
