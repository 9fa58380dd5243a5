// Making a new game and keeping the figures in range.
#pragma once

namespace minamori {

class Game;

// Sets every figure of the player and of the four countries to its new-game value;
// the clear records, the country names and countries 4..9 stay as they are.
void newGame(Game& game);

// Holds money, danger, charisma, lifespan, hit points and the country figures in range.
void normaliseState(Game& game);

}  // namespace minamori
