#include "battle/battle.h"

#include <string>

#include "battle/name_tables.h"
#include "core/game.h"

namespace minamori {

// The fight itself comes with the battle page; for now a battle line names its
// opponent and is recorded.
void startBattle(Game& game, int32_t n) {
    game.callLog.push_back("startBattle " + std::to_string(n));
    game.battle.enemy = opponentEntry(n);
}

void battleStep(Game& game) { game.callLog.push_back("battleStep"); }

}  // namespace minamori
