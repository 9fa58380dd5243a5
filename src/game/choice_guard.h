// A page that comes up under a pointer still clicking through text takes no
// choice at once. One click too many after a morning's last line would end
// the next year, a double click on a page's row would run the first row of
// the page it opens, a click to go on in a battle would flee. Such a page
// waits until the player points at a row afresh: the pointer moves, an arrow
// key chooses a row, or half a second passes once its rows stand still.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

struct ChoiceGuard {
    bool choosable = false;  // rows could be chosen when last looked at
    int32_t page = 0;        // the page on screen then
    bool armed = false;
    int64_t stillSinceMs = -1;  // while armed: since when the rows stand still
};

constexpr int64_t kGuardMs = 500;

// Whether the rows on screen take a choice by a left click now, guard aside.
bool rowsTakeChoice(const Game& game);

// Looks at the game before and after each event and after each frame: a page
// newly come up arms the guard.
void watchForNewPage(Game& game);
// The pointer moved or an arrow key chose a row: the player points afresh.
void pointedAfresh(Game& game);
// Once per frame: half a second after the rows stand still, the guard lets go.
void guardTick(Game& game, int64_t nowMs);
// Whether a left click, or Enter, must do nothing now.
bool guardHoldsClick(const Game& game);

}  // namespace minamori
