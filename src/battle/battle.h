// The turn-based fight against one opponent.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// Starts a battle against opponent n of the opponent table.
void startBattle(Game& game, int32_t n);
// Plays the battle's next phase on a click.
void battleStep(Game& game);

// The two commands of the battle page.
void playerAttack(Game& game);
void attemptEscape(Game& game);

// Damage (negative) or healing (positive) to the player (target 0) or the opponent (1).
void applyBattleDamage(Game& game, int target, int32_t amount);
// Ends the battle and reopens the page it interrupted; the stakes are dropped.
void endBattle(Game& game);

}  // namespace minamori
