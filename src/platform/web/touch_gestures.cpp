#include "platform/web/touch_gestures.h"

#include <cstdlib>

namespace minamori {

TouchGestures::Finger* TouchGestures::find(int id) {
    for (Finger& f : fingers_)
        if (f.id == id) return &f;
    return nullptr;
}

std::optional<Gesture> TouchGestures::down(int id, int x, int y, int64_t nowMs) {
    if (count_ == 0) {
        most_ = 0;
        startMs_ = nowMs;
        spent_ = false;
    }
    Finger* free = find(-1);
    if (!free || find(id)) {  // a third finger, or a repeated id: the touch means nothing
        spent_ = true;
        return std::nullopt;
    }
    *free = Finger{id, x, y, x, y, false};
    ++count_;
    if (count_ > most_) most_ = count_;
    return std::nullopt;
}

std::optional<Gesture> TouchGestures::move(int id, int x, int y) {
    Finger* f = find(id);
    if (!f) return std::nullopt;
    f->x = x;
    f->y = y;
    if (std::abs(x - f->startX) > kSlop || std::abs(y - f->startY) > kSlop) f->wandered = true;
    if (spent_ || most_ != 1) return std::nullopt;
    const int dy = y - f->startY;
    if (std::abs(dy) < kSwipeDistance || std::abs(dy) < 2 * std::abs(x - f->startX))
        return std::nullopt;
    spent_ = true;
    return Gesture{dy < 0 ? GestureKind::kSwipeUp : GestureKind::kSwipeDown, f->startX, f->startY};
}

std::optional<Gesture> TouchGestures::up(int id, int64_t nowMs) {
    Finger* f = find(id);
    if (!f) return std::nullopt;
    const Finger lifted = *f;
    *f = Finger{};
    --count_;
    if (spent_) return std::nullopt;
    if (most_ == 2) {
        // Two fingers that stayed put: the right click, once the last lifts.
        if (lifted.wandered) spent_ = true;
        if (count_ > 0 || spent_) return std::nullopt;
        spent_ = true;
        return Gesture{GestureKind::kRightClick, lifted.startX, lifted.startY};
    }
    spent_ = true;
    if (lifted.wandered || nowMs - startMs_ >= kLongPressMs) return std::nullopt;
    return Gesture{GestureKind::kTap, lifted.startX, lifted.startY};
}

void TouchGestures::cancel() {
    fingers_[0] = fingers_[1] = Finger{};
    count_ = 0;
    spent_ = true;
}

std::optional<Gesture> TouchGestures::tick(int64_t nowMs) {
    if (spent_ || count_ != 1 || most_ != 1 || nowMs - startMs_ < kLongPressMs)
        return std::nullopt;
    const Finger* f = fingers_[0].id != -1 ? &fingers_[0] : &fingers_[1];
    if (f->wandered) return std::nullopt;
    spent_ = true;
    return Gesture{GestureKind::kRightClick, f->startX, f->startY};
}

}  // namespace minamori
