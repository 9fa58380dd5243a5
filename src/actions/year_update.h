// The change of year: the calendar, clear and game over, and the world update.
#pragma once

namespace minamori {

class Game;

// Advances to the next year and queues its news.
void yearlyUpdate(Game& game);

}  // namespace minamori
