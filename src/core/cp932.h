// Conversion between the game's UTF-8 text and the CP932 (Shift-JIS) bytes of its files.
#pragma once

#include <string>

namespace minamori {

// Characters CP932 cannot hold become '?'.
std::string utf8ToCp932(const std::string& utf8);
// Bytes that are not CP932 become '?'.
std::string cp932ToUtf8(const std::string& cp932);

}  // namespace minamori
