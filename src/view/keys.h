// The keys the game reacts to; the platform turns its own key codes into these.
#pragma once

namespace minamori {

enum class Key {
    kEscape,
    kUp,
    kDown,
    kEnter,
    kSpace,
    kBackspace,
    kPageUp,
    kPageDown,
    kG,
    kOther,
};

}  // namespace minamori
