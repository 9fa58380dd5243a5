// The turn-based fight against one opponent.
#pragma once

#include <cstdint>

namespace minamori {

struct BattleLayer;

// Starts a battle against opponent n of the opponent table.
void startBattle(BattleLayer& game, int32_t n);
// Plays the battle's next phase on a click.
void battleStep(BattleLayer& game);

// The two commands of the battle page.
void playerAttack(BattleLayer& game);
void attemptEscape(BattleLayer& game);

// Damage (negative) or healing (positive) to the player (target 0) or the opponent (1).
void applyBattleDamage(BattleLayer& game, int target, int32_t amount);
// Ends the battle and reopens the page it interrupted; the stakes are dropped.
void endBattle(BattleLayer& game);

}  // namespace minamori
