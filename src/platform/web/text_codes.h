// The code points SDL_ttf hands to HarfBuzz for a UTF-8 text: it stops at the
// first NUL, and each byte that does not begin a whole, shortest, valid
// sequence is one U+FFFD of its own (so a sequence cut short is as many as
// its bytes), as HarfBuzz decodes.
#pragma once

#include <string>

namespace minamori {

std::u32string codePointsAsHarfBuzz(const std::string& text);

}  // namespace minamori
