#include "game/choice_guard.h"

#include "game/game.h"

namespace minamori {

namespace {

bool rowsStandStill(const Game& game) {
    for (const tmenu& row : game.menuTable)
        if (row.shown == 1 && (row.curX != row.targetX || row.curY != row.targetY)) return false;
    return true;
}

}  // namespace

bool rowsTakeChoice(const Game& game) {
    return game.titleStage >= 0 && game.queue.empty() && game.battle.battleState < 2 &&
           game.menu.currentPage != kPageNone;
}

void watchForNewPage(Game& game) {
    ChoiceGuard& guard = game.guard;
    const bool choosable = rowsTakeChoice(game);
    const int32_t page = game.menu.currentPage;
    // The same page laid out again (after 働く pays) is no new page: the rows
    // stay where the player was pointing.
    if (choosable && (!guard.choosable || page != guard.page)) {
        guard.armed = true;
        guard.stillSinceMs = -1;
    }
    guard.choosable = choosable;
    guard.page = page;
}

void pointedAfresh(Game& game) { game.guard.armed = false; }

void guardTick(Game& game, int64_t nowMs) {
    ChoiceGuard& guard = game.guard;
    if (!guard.armed) return;
    if (!rowsStandStill(game)) {
        guard.stillSinceMs = -1;
        return;
    }
    if (guard.stillSinceMs < 0) guard.stillSinceMs = nowMs;
    if (nowMs - guard.stillSinceMs >= kGuardMs) guard.armed = false;
}

bool guardHoldsClick(const Game& game) { return game.guard.armed && rowsTakeChoice(game); }

}  // namespace minamori
