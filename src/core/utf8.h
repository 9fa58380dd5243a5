// Walking UTF-8 text character by character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace minamori {

// The byte length of the UTF-8 character at the start of text; a stray byte,
// or a sequence cut short, is one broken character of its own.
std::size_t utf8CharLength(std::string_view text);

// The text cut into characters; a stray byte is a character of its own.
std::vector<std::string> utf8Characters(const std::string& text);

// Whether a character is half-width (ASCII or half-width katakana).
bool isNarrow(const std::string& ch);

}  // namespace minamori
