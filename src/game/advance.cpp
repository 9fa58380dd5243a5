#include "game/advance.h"

#include <algorithm>
#include <string>

#include "game/game.h"
#include "game/interpreter.h"

namespace minamori {

namespace {

bool isEndLine(const std::string& line) {
    return line == "GAMECLEAR" || line == "GAMEOVER" || line == "end" || line == "end2";
}

void readOn(Game& game) { onGameClick(game, game.mouseX, game.mouseY, false); }

}  // namespace

bool clickOnlyReadsOn(const Game& game) {
    if (game.closing || game.titleStage < 0 || game.overlay.open != Overlay::kNone) return false;
    if (game.battle.battleState >= 2) return true;
    return !game.queue.empty() && !isEndLine(game.queue.headLine());
}

bool fastForwarding(const Game& game) { return game.advance.heldKeys != 0; }

void holdKey(Game& game, Key key, bool down) {
    const uint32_t bit = uint32_t{1} << static_cast<int>(key);
    if (down)
        game.advance.heldKeys |= bit;
    else
        game.advance.heldKeys &= ~bit;
}

void toggleAutoAdvance(Game& game) {
    game.advance.autoAdvance = !game.advance.autoAdvance;
    game.advance.nextAutoMs = -1;
}

void advanceTick(Game& game, int64_t nowMs) {
    AdvanceState& a = game.advance;
    if (fastForwarding(game)) {
        for (int i = 0; i < kFastLinesPerFrame && clickOnlyReadsOn(game); ++i) readOn(game);
        a.nextAutoMs = -1;
        return;
    }
    if (!a.autoAdvance || !clickOnlyReadsOn(game)) {
        a.nextAutoMs = -1;  // the wait starts afresh when lines come again
        return;
    }
    if (a.nextAutoMs < 0) {
        a.nextAutoMs = nowMs + a.autoAdvanceMs;
    } else if (nowMs >= a.nextAutoMs) {
        readOn(game);
        // Kept to the interval on average, though frames fall between.
        a.nextAutoMs = std::max(a.nextAutoMs + a.autoAdvanceMs, nowMs + 1);
    }
}

}  // namespace minamori
