// The gamepad as the game's keys: the buttons, the repeat of held directions
// at the frames' pace, the stick's and the trigger's hysteresis, and a pad
// that goes away letting go of all it held.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gamepad_keys.h"

using namespace minamori;

namespace {

using Keys = std::vector<PadKey>;

PadKey down(Key key) {
    return {key, true};
}
PadKey up(Key key) {
    return {key, false};
}

// The repeats of one held direction over the frames from `from` to `to`.
int repeatsBetween(GamepadKeys& pad, int64_t from, int64_t to, int64_t frameMs) {
    int n = 0;
    for (int64_t t = from; t <= to; t += frameMs) n += static_cast<int>(pad.tick(t).size());
    return n;
}

}  // namespace

TEST(GamepadKeys, EachButtonPressesAndLetsGoItsKey) {
    const std::pair<PadButton, Key> mapping[] = {
        {PadButton::kA, Key::kEnter},       {PadButton::kB, Key::kBackspace},
        {PadButton::kX, Key::kG},           {PadButton::kY, Key::kPageUp},
        {PadButton::kStart, Key::kP},       {PadButton::kBack, Key::kF1},
        {PadButton::kDpadUp, Key::kUp},     {PadButton::kDpadDown, Key::kDown},
        {PadButton::kDpadLeft, Key::kLeft}, {PadButton::kDpadRight, Key::kRight},
    };
    for (const auto& [button, key] : mapping) {
        GamepadKeys pad;
        EXPECT_EQ(pad.button(button, true, 0), Keys{down(key)});
        EXPECT_EQ(pad.button(button, false, 50), Keys{up(key)});
    }
}

TEST(GamepadKeys, APressAlreadyHeldOrAReleaseOfNothingIsNoNews) {
    GamepadKeys pad;
    EXPECT_TRUE(pad.button(PadButton::kA, false, 0).empty());
    pad.button(PadButton::kA, true, 0);
    EXPECT_TRUE(pad.button(PadButton::kA, true, 10).empty());
    EXPECT_TRUE(pad.tick(1000).empty());  // a click never repeats
}

TEST(GamepadRepeat, AHeldDirectionRepeatsAfterTheDelayAtTheInterval) {
    GamepadKeys pad;
    pad.button(PadButton::kDpadDown, true, 1000);
    EXPECT_TRUE(pad.tick(1399).empty());
    EXPECT_EQ(pad.tick(1400), Keys{down(Key::kDown)});
    EXPECT_TRUE(pad.tick(1499).empty());
    EXPECT_EQ(pad.tick(1500), Keys{down(Key::kDown)});
    pad.button(PadButton::kDpadDown, false, 1550);
    EXPECT_TRUE(pad.tick(2000).empty());
}

TEST(GamepadRepeat, FramesSlowerThanTheIntervalKeepItsRateOnAverage) {
    GamepadKeys pad;
    pad.button(PadButton::kDpadUp, true, 0);
    // Frames of 90 ms for two seconds: the repeats due at 400, 500, ... 2000.
    EXPECT_EQ(repeatsBetween(pad, 90, 2070, 90), 17);
}

TEST(GamepadRepeat, AStalledFrameGivesOneRepeatNotABurst) {
    GamepadKeys pad;
    pad.button(PadButton::kDpadUp, true, 0);
    EXPECT_EQ(pad.tick(3000).size(), 1U);
    EXPECT_TRUE(pad.tick(3050).empty());
    EXPECT_EQ(pad.tick(3100).size(), 1U);
}

TEST(GamepadRepeat, OnlyTheDirectionPressedLastRepeats) {
    GamepadKeys pad;
    pad.button(PadButton::kDpadDown, true, 0);
    pad.button(PadButton::kDpadRight, true, 300);
    EXPECT_TRUE(pad.tick(600).empty());  // right's delay runs from its own press
    EXPECT_EQ(pad.tick(700), Keys{down(Key::kRight)});
    pad.button(PadButton::kDpadRight, false, 750);
    EXPECT_TRUE(pad.tick(2000).empty());  // down, still held, waits for a new press
}

TEST(GamepadRepeat, TheDpadAndTheStickHoldOneDirectionTogether) {
    GamepadKeys pad;
    EXPECT_EQ(pad.button(PadButton::kDpadDown, true, 0), Keys{down(Key::kDown)});
    EXPECT_TRUE(pad.axis(PadAxis::kLeftY, 30000, 100).empty());
    EXPECT_TRUE(pad.button(PadButton::kDpadDown, false, 200).empty());
    EXPECT_EQ(pad.tick(400), Keys{down(Key::kDown)});
    EXPECT_EQ(pad.axis(PadAxis::kLeftY, 0, 450), Keys{up(Key::kDown)});
}

TEST(GamepadStick, PushedBeyondHalfLetGoWithinAQuarter) {
    GamepadKeys pad;
    EXPECT_TRUE(pad.axis(PadAxis::kLeftY, kStickPushed - 1, 0).empty());
    EXPECT_EQ(pad.axis(PadAxis::kLeftY, kStickPushed, 10), Keys{down(Key::kDown)});
    // A thumb wavering between a quarter and a half neither lets go nor presses again.
    for (int32_t v : {12000, 17000, 9000, 20000, kStickReleased + 1})
        EXPECT_TRUE(pad.axis(PadAxis::kLeftY, v, 20).empty()) << v;
    EXPECT_EQ(pad.axis(PadAxis::kLeftY, kStickReleased, 30), Keys{up(Key::kDown)});
    EXPECT_TRUE(pad.axis(PadAxis::kLeftY, 12000, 40).empty());
}

TEST(GamepadStick, UpAndLeftAreNegativeAndAFlipLetsGoBeforeItPresses) {
    GamepadKeys pad;
    EXPECT_EQ(pad.axis(PadAxis::kLeftY, -32768, 0), Keys{down(Key::kUp)});
    EXPECT_EQ(pad.axis(PadAxis::kLeftY, 32767, 10), (Keys{up(Key::kUp), down(Key::kDown)}));
    EXPECT_EQ(pad.axis(PadAxis::kLeftX, -20000, 20), Keys{down(Key::kLeft)});
    EXPECT_EQ(pad.axis(PadAxis::kLeftX, 20000, 30), (Keys{up(Key::kLeft), down(Key::kRight)}));
}

TEST(GamepadTrigger, FastForwardsPastHalfAndStopsBelowAThird) {
    GamepadKeys pad;
    EXPECT_TRUE(pad.axis(PadAxis::kRightTrigger, kTriggerPulled - 1, 0).empty());
    EXPECT_EQ(pad.axis(PadAxis::kRightTrigger, kTriggerPulled, 10), Keys{down(Key::kFastForward)});
    EXPECT_TRUE(pad.axis(PadAxis::kRightTrigger, kTriggerReleased, 20).empty());
    EXPECT_EQ(pad.axis(PadAxis::kRightTrigger, kTriggerReleased - 1, 30),
              Keys{up(Key::kFastForward)});
    EXPECT_TRUE(pad.tick(1000).empty());
}

TEST(GamepadRemoval, APadGoneLetsGoOfAllItHeldAndRepeatsNoMore) {
    GamepadKeys pad;
    pad.button(PadButton::kA, true, 0);
    pad.button(PadButton::kDpadDown, true, 0);
    pad.axis(PadAxis::kLeftX, -30000, 0);
    pad.axis(PadAxis::kRightTrigger, 32767, 0);
    EXPECT_EQ(pad.releaseAll(),
              (Keys{up(Key::kEnter), up(Key::kDown), up(Key::kLeft), up(Key::kFastForward)}));
    EXPECT_TRUE(pad.tick(1000).empty());
    EXPECT_TRUE(pad.releaseAll().empty());
    EXPECT_FALSE(pad.held(PadButton::kA));
    EXPECT_FALSE(pad.held(PadAxis::kRightTrigger));
    // Pressed again, everything starts afresh.
    EXPECT_EQ(pad.axis(PadAxis::kLeftX, -30000, 1100), Keys{down(Key::kLeft)});
}
