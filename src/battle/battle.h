// The turn-based fight against one opponent.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// Starts a battle against opponent n of the opponent table.
void startBattle(Game& game, int32_t n);
// Plays the battle's next phase.
void battleStep(Game& game);

}  // namespace minamori
