// The change of year: the calendar, clear and game over, and the world update.
#pragma once

namespace minamori {

class Game;

// The year-end command of the main menu: restores HP, shows the night and
// queues the change of year.
void endYear(Game& game);

// Advances to the next year and queues its news.
void yearlyUpdate(Game& game);

}  // namespace minamori
