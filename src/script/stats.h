// Changes of player and world figures, each announced by a log line and a sound,
// and the emitters that queue such a change as a script line for a later click.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

void changeMoney(Game& game, int32_t n);
void changeLifespan(Game& game, int32_t n);
void changeOpinion(Game& game, int32_t country, int32_t n);
void changeGrowth(Game& game, int32_t country, int32_t n);
void changeMilitary(Game& game, int32_t country, int32_t n);
void changeDanger(Game& game, int32_t n);

// Experience of the four kinds; each does nothing for n <= 0 and gains at most
// one level or point per call, losing any excess.
void gainExp(Game& game, int32_t n);
void gainIntelligenceExp(Game& game, int32_t n);
void gainVitalityExp(Game& game, int32_t n);
void gainCharismaExp(Game& game, int32_t n);

// One more of item i, unless it is a unique item already held.
void giveItem(Game& game, int32_t item);
void addItems(Game& game, int32_t item, int32_t n);

// Emitters: append the script line that makes the change one click later.
void queueExp(Game& game, int32_t n);
void queueIntelligenceExp(Game& game, int32_t n);
void queueVitalityExp(Game& game, int32_t n);
void queueCharismaExp(Game& game, int32_t n);
void queueOpinion(Game& game, int32_t country, int32_t n);
void queueMilitary(Game& game, int32_t country, int32_t n);
void queueGrowth(Game& game, int32_t country, int32_t n);
void queueDanger(Game& game, int32_t n);
void queueItem(Game& game, int32_t item);

}  // namespace minamori
