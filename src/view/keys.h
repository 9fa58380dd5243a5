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
    kLeft,
    kRight,
    kTab,
    kCtrl,         // either Ctrl key
    kA,
    kP,
    kF1,
    kF12,
    kFastForward,  // the gamepad's right trigger
    kOther,
};

// The keys the game follows while they are held, as well as when pressed.
constexpr bool isHoldKey(Key key) {
    return key == Key::kCtrl || key == Key::kTab || key == Key::kFastForward;
}

}  // namespace minamori
