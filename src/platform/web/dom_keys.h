// The page's keys: a browser KeyboardEvent's `code` as the game's Key.
#pragma once

#include <string_view>

#include "view/keys.h"

namespace minamori {

// The key a DOM code names ("ArrowUp", "KeyA", "ControlLeft"...); kOther for
// one the game does not use.
Key keyFromDomCode(std::string_view code);

// Whether a held key's repeats reach the game, as on the desktop: the arrows
// and the page keys repeat, the others act once per press.
bool domKeyRepeats(Key key);

// F11 and Alt+Enter switch fullscreen, as on the desktop.
bool isDomFullscreenKey(std::string_view code, bool alt);

}  // namespace minamori
