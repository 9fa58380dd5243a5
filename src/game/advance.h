// Reading on without clicking: fast-forward while Ctrl, Tab or the gamepad's
// right trigger is held, and auto-advance, one line at a chosen interval.
// Both do what a click on the text would and stop wherever the player must
// decide: rows on screen, the title pictures, an open overlay, and the
// game's end lines, which the player sees and clicks.
#pragma once

#include <cstdint>

#include "view/keys.h"

namespace minamori {

class Game;

struct AdvanceState {
    uint32_t heldKeys = 0;  // a bit for each hold key down (view/keys.h)
    bool autoAdvance = false;
    int32_t autoAdvanceMs = 1500;
    int64_t nextAutoMs = -1;  // while lines wait: when the next one is read
};

// Lines read in one frame while fast-forwarding: a morning's news goes by in
// about a second at the game's eleven frames a second.
constexpr int kFastLinesPerFrame = 6;

// Whether a click now would only read on.
bool clickOnlyReadsOn(const Game& game);
bool fastForwarding(const Game& game);

void holdKey(Game& game, Key key, bool down);
void toggleAutoAdvance(Game& game);
// Once per frame, before it is drawn.
void advanceTick(Game& game, int64_t nowMs);

}  // namespace minamori
