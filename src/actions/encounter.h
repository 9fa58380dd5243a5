// Queuing battles: a command's own battle with what it wins, and the random
// encounter that may follow every grassroots activity.
#pragma once

#include <cstdint>

#include "core/battle_records.h"

namespace minamori {

struct ActionLayer;

// Whether a "battle" line is already waiting in the queue.
bool battlePending(const ActionLayer& game);

// Queues a battle against opponent n; stakes is what a victory brings, and
// replaces whatever the last battle left behind.
void queueBattle(ActionLayer& game, int32_t opponent, const BattleStakes& stakes = {});

// After an activity: unless a battle is already queued, picks an ordinary
// opponent the player's level can meet and, one time in five, queues the fight.
void rollRandomEncounter(ActionLayer& game);

}  // namespace minamori
