// The web page's own logic: browser key codes, touch gestures and the levels
// its sounds are played at.
#include <gtest/gtest.h>

#include "platform/web/audio_levels.h"
#include "platform/web/dom_keys.h"
#include "platform/web/touch_gestures.h"

using namespace minamori;

TEST(DomKeys, TheDesktopsKeysByTheirCodesAndNothingElse) {
    EXPECT_EQ(keyFromDomCode("ArrowUp"), Key::kUp);
    EXPECT_EQ(keyFromDomCode("NumpadEnter"), Key::kEnter);
    EXPECT_EQ(keyFromDomCode("ControlRight"), Key::kCtrl);
    EXPECT_EQ(keyFromDomCode("KeyA"), Key::kA);
    EXPECT_EQ(keyFromDomCode("F12"), Key::kF12);
    // Codes name places, not letters: a layout's "a" elsewhere, or a
    // letter's key name, is not the game's A.
    EXPECT_EQ(keyFromDomCode("a"), Key::kOther);
    EXPECT_EQ(keyFromDomCode("KeyB"), Key::kOther);
    EXPECT_EQ(keyFromDomCode(""), Key::kOther);
    EXPECT_TRUE(domKeyRepeats(Key::kDown));
    EXPECT_FALSE(domKeyRepeats(Key::kEnter));  // a held Enter chooses once
    EXPECT_TRUE(isDomFullscreenKey("F11", false));
    EXPECT_TRUE(isDomFullscreenKey("Enter", true));
    EXPECT_FALSE(isDomFullscreenKey("Enter", false));
}

TEST(TouchGestures, AQuickStillTapIsALeftClickWhereItBegan) {
    TouchGestures t;
    EXPECT_FALSE(t.down(7, 100, 200, 1000));
    EXPECT_FALSE(t.move(7, 105, 195));  // within the slop
    const auto g = t.up(7, 1200);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->kind, GestureKind::kTap);
    EXPECT_EQ(g->x, 100);
    EXPECT_EQ(g->y, 200);
    EXPECT_FALSE(t.tick(5000));  // nothing left over
}

TEST(TouchGestures, AHeldFingerIsOneRightClickWhileHeldAndNoTapAfter) {
    TouchGestures t;
    t.down(1, 50, 60, 0);
    EXPECT_FALSE(t.tick(TouchGestures::kLongPressMs - 1));
    const auto g = t.tick(TouchGestures::kLongPressMs);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->kind, GestureKind::kRightClick);
    EXPECT_FALSE(t.tick(2000));
    EXPECT_FALSE(t.up(1, 2100));
    // A finger that wandered is neither a tap nor a long press.
    t.down(2, 50, 60, 3000);
    t.move(2, 90, 60);
    EXPECT_FALSE(t.tick(4000));
    EXPECT_FALSE(t.up(2, 4100));
}

TEST(TouchGestures, TwoFingersTappedTogetherAreOneRightClick) {
    TouchGestures t;
    t.down(1, 10, 10, 0);
    t.down(2, 30, 10, 40);
    EXPECT_FALSE(t.tick(TouchGestures::kLongPressMs + 100));  // two fingers never long-press
    EXPECT_FALSE(t.up(1, 700));
    const auto g = t.up(2, 720);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->kind, GestureKind::kRightClick);
    // A third finger spoils the touch.
    t.down(1, 0, 0, 1000);
    t.down(2, 0, 0, 1000);
    t.down(3, 0, 0, 1000);
    EXPECT_FALSE(t.up(3, 1100));
    EXPECT_FALSE(t.up(2, 1100));
    EXPECT_FALSE(t.up(1, 1100));
}

TEST(TouchGestures, AVerticalSwipeTurnsTheWheelOnceAndASidewaysOneNothing) {
    TouchGestures t;
    t.down(1, 300, 400, 0);
    EXPECT_FALSE(t.move(1, 300, 360));
    const auto g = t.move(1, 310, 330);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->kind, GestureKind::kSwipeUp);
    EXPECT_FALSE(t.move(1, 310, 200));  // one gesture a touch
    EXPECT_FALSE(t.up(1, 100));
    t.down(1, 300, 100, 1000);
    ASSERT_TRUE(t.move(1, 300, 200));
    t.up(1, 1100);
    t.down(1, 100, 100, 2000);
    EXPECT_FALSE(t.move(1, 250, 170));  // more across than down
    EXPECT_FALSE(t.up(1, 2100));
}

TEST(AudioLevels, WavesFollowTheDesktopMixersStepsAndMusicItsRecording) {
    EXPECT_DOUBLE_EQ(waveGain(0), 1.0);
    EXPECT_DOUBLE_EQ(waveGain(500), 1.0);           // nothing louder than full
    EXPECT_DOUBLE_EQ(waveGain(-2000), 13.0 / 128);  // -20 dB, on the mixer's step
    EXPECT_DOUBLE_EQ(waveGain(-10000), 0.0);
    EXPECT_DOUBLE_EQ(musicGain(150), 1.0);
    EXPECT_DOUBLE_EQ(musicGain(25), 0.25);
    EXPECT_EQ(musicRecordingPath("/content/dat/ruin.mid"), "/content/music/ruin.mp3");
}
