// Queuing battles: a command's own battle with what it wins, and the random
// encounter that may follow every grassroots activity.
#pragma once

#include <cstdint>

#include "battle/battle_types.h"

namespace minamori {

class Game;

// Whether a "battle" line is already waiting in the queue.
bool battlePending(const Game& game);

// Queues a battle against opponent n; stakes is what a victory brings, and
// replaces whatever the last battle left behind.
void queueBattle(Game& game, int32_t opponent, const BattleStakes& stakes = {});

// After an activity: unless a battle is already queued, picks an ordinary
// opponent the player's level can meet and, one time in five, queues the fight.
void rollRandomEncounter(Game& game);

}  // namespace minamori
