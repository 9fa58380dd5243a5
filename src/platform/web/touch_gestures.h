// A touch screen's gestures as the mouse's actions: a tap is a left click, a
// long press or a two-finger tap the right click, a swipe up opens the message
// history (the wheel turned up) and a swipe down scrolls it back. Plain
// arithmetic on picture points and milliseconds; the page feeds it.
#pragma once

#include <cstdint>
#include <optional>

namespace minamori {

enum class GestureKind { kTap, kRightClick, kSwipeUp, kSwipeDown };

struct Gesture {
    GestureKind kind;
    int x = 0, y = 0;  // where a tap or a press began, in picture points
};

class TouchGestures {
public:
    static constexpr int64_t kLongPressMs = 500;
    static constexpr int kSlop = 12;          // picture points a tap may wander
    static constexpr int kSwipeDistance = 60;  // picture points up or down

    // A finger touches, moves, lifts (or the touch is cancelled: nothing).
    std::optional<Gesture> down(int id, int x, int y, int64_t nowMs);
    std::optional<Gesture> move(int id, int x, int y);
    std::optional<Gesture> up(int id, int64_t nowMs);
    void cancel();
    // A finger held still long enough is a right click while it is held.
    std::optional<Gesture> tick(int64_t nowMs);

private:
    struct Finger {
        int id = -1;
        int startX = 0, startY = 0, x = 0, y = 0;
        bool wandered = false;
    };
    Finger* find(int id);

    Finger fingers_[2];
    int count_ = 0;          // fingers down now
    int most_ = 0;           // the most fingers down at once in this touch
    int64_t startMs_ = 0;
    bool spent_ = false;     // this touch has made its gesture
};

}  // namespace minamori
