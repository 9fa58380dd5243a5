#include "platform/gamepad_keys.h"

namespace minamori {

namespace {

// In the order of GamepadKeys' directions.
constexpr Key kDirectionKeys[] = {Key::kUp, Key::kDown, Key::kLeft, Key::kRight};

}  // namespace

Key padButtonKey(PadButton button) {
    switch (button) {
        case PadButton::kA:
            return Key::kEnter;
        case PadButton::kB:
            return Key::kBackspace;
        case PadButton::kX:
            return Key::kG;
        case PadButton::kY:
            return Key::kPageUp;
        case PadButton::kBack:
            return Key::kF1;
        case PadButton::kStart:
            return Key::kP;
        case PadButton::kDpadUp:
            return Key::kUp;
        case PadButton::kDpadDown:
            return Key::kDown;
        case PadButton::kDpadLeft:
            return Key::kLeft;
        case PadButton::kDpadRight:
            return Key::kRight;
    }
    return Key::kOther;
}

std::vector<PadKey> GamepadKeys::button(PadButton button, bool down, int64_t nowMs) {
    std::vector<PadKey> out;
    // A press of a button held, or a release of one not held, is no news.
    if (down == held(button)) return out;
    const uint32_t bit = 1U << static_cast<int>(button);
    buttons_ = down ? buttons_ | bit : buttons_ & ~bit;
    switch (button) {
        case PadButton::kDpadUp:
            setDirection(kUp, kDpad, down, nowMs, out);
            break;
        case PadButton::kDpadDown:
            setDirection(kDown, kDpad, down, nowMs, out);
            break;
        case PadButton::kDpadLeft:
            setDirection(kLeft, kDpad, down, nowMs, out);
            break;
        case PadButton::kDpadRight:
            setDirection(kRight, kDpad, down, nowMs, out);
            break;
        default:
            out.push_back({padButtonKey(button), down});
            break;
    }
    return out;
}

std::vector<PadKey> GamepadKeys::axis(PadAxis axis, int32_t value, int64_t nowMs) {
    std::vector<PadKey> out;
    switch (axis) {
        case PadAxis::kLeftX:
            moveStick(stickX_, kLeft, kRight, value, nowMs, out);
            break;
        case PadAxis::kLeftY:
            moveStick(stickY_, kUp, kDown, value, nowMs, out);
            break;
        case PadAxis::kRightTrigger: {
            const bool pulled = value >= (trigger_ ? kTriggerReleased : kTriggerPulled);
            if (pulled != trigger_) out.push_back({Key::kFastForward, pulled});
            trigger_ = pulled;
            break;
        }
    }
    return out;
}

std::vector<PadKey> GamepadKeys::tick(int64_t nowMs) {
    if (!repeating_ || nowMs < nextRepeatMs_) return {};
    // Kept to the interval on average, though the frames fall between; after
    // a stall one repeat, not a burst.
    nextRepeatMs_ += kRepeatIntervalMs;
    if (nextRepeatMs_ <= nowMs) nextRepeatMs_ = nowMs + kRepeatIntervalMs;
    return {{kDirectionKeys[*repeating_], true}};
}

std::vector<PadKey> GamepadKeys::releaseAll() {
    std::vector<PadKey> out;
    // The D-pad's buttons are let go as their directions, below.
    for (int b = 0; b < static_cast<int>(PadButton::kDpadUp); ++b)
        if (held(static_cast<PadButton>(b)))
            out.push_back({padButtonKey(static_cast<PadButton>(b)), false});
    for (int d = 0; d < kDirections; ++d)
        if (directions_[d]) out.push_back({kDirectionKeys[d], false});
    if (trigger_) out.push_back({Key::kFastForward, false});
    *this = GamepadKeys();
    return out;
}

bool GamepadKeys::held(PadAxis axis) const {
    switch (axis) {
        case PadAxis::kLeftX:
            return stickX_ != 0;
        case PadAxis::kLeftY:
            return stickY_ != 0;
        case PadAxis::kRightTrigger:
            return trigger_;
    }
    return false;
}

void GamepadKeys::setDirection(Direction d, Source source, bool on, int64_t nowMs,
                               std::vector<PadKey>& out) {
    const bool was = directions_[d] != 0;
    directions_[d] = on ? directions_[d] | source : directions_[d] & ~source;
    const bool is = directions_[d] != 0;
    if (was == is) return;  // the D-pad and the stick hold it together
    out.push_back({kDirectionKeys[d], is});
    if (is) {
        repeating_ = d;
        nextRepeatMs_ = nowMs + kRepeatDelayMs;
    } else if (repeating_ == d) {
        repeating_.reset();
    }
}

void GamepadKeys::moveStick(int& side, Direction negative, Direction positive, int32_t value,
                            int64_t nowMs, std::vector<PadKey>& out) {
    int next = 0;
    if (value <= -kStickPushed || (side < 0 && value < -kStickReleased))
        next = -1;
    else if (value >= kStickPushed || (side > 0 && value > kStickReleased))
        next = 1;
    if (next == side) return;
    if (side != 0) setDirection(side < 0 ? negative : positive, kStick, false, nowMs, out);
    side = next;
    if (side != 0) setDirection(side < 0 ? negative : positive, kStick, true, nowMs, out);
}

}  // namespace minamori
