// A gamepad in the game's keys: which control stands for which key, the stick
// and the trigger read through a dead zone with hysteresis, and held
// directions repeating as a keyboard's do. Plain numbers and times in
// milliseconds, no SDL, so that it can be checked without a pad.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "view/keys.h"

namespace minamori {

enum class PadButton { kA, kB, kX, kY, kBack, kStart, kDpadUp, kDpadDown, kDpadLeft, kDpadRight };

// The stick's axes run from -32768 (left, up) to 32767; the trigger from 0 to 32767.
enum class PadAxis { kLeftX, kLeftY, kRightTrigger };

// A key pressed (also each repeat) or let go.
struct PadKey {
    Key key;
    bool down;
    bool operator==(const PadKey&) const = default;
};

// The stick counts as pushed beyond half its travel and as let go once back
// within a quarter; in between it stays as it was, so a thumb resting near
// the edge does not chatter.
constexpr int32_t kStickPushed = 16384;
constexpr int32_t kStickReleased = 8192;
// The trigger fast-forwards pulled past half, and stops below a third.
constexpr int32_t kTriggerPulled = 16384;
constexpr int32_t kTriggerReleased = 11000;
// A held direction repeats as a keyboard's key does.
constexpr int64_t kRepeatDelayMs = 400;
constexpr int64_t kRepeatIntervalMs = 100;

// The key a button stands for.
Key padButtonKey(PadButton button);

// One pad's controls, as the keys they press and let go.
class GamepadKeys {
public:
    std::vector<PadKey> button(PadButton button, bool down, int64_t nowMs);
    std::vector<PadKey> axis(PadAxis axis, int32_t value, int64_t nowMs);
    // The repeat of the held direction, once it is due; called every frame.
    std::vector<PadKey> tick(int64_t nowMs);
    // The pad is gone or the window lost the focus: all that is held is let go.
    std::vector<PadKey> releaseAll();

    bool held(PadButton button) const { return (buttons_ >> static_cast<int>(button)) & 1U; }
    bool held(PadAxis axis) const;

private:
    enum Direction { kUp, kDown, kLeft, kRight, kDirections };
    // What holds a direction: the D-pad, the stick or both.
    enum Source : uint8_t { kDpad = 1, kStick = 2 };

    void setDirection(Direction d, Source source, bool on, int64_t nowMs, std::vector<PadKey>& out);
    void moveStick(int& side, Direction negative, Direction positive, int32_t value, int64_t nowMs,
                   std::vector<PadKey>& out);

    uint32_t buttons_ = 0;
    std::array<uint8_t, kDirections> directions_{};
    int stickX_ = 0, stickY_ = 0;  // -1, 0 or 1: the side the stick is pushed to
    bool trigger_ = false;
    // Only the direction pressed last repeats, as on a keyboard.
    std::optional<Direction> repeating_;
    int64_t nextRepeatMs_ = 0;
};

}  // namespace minamori
