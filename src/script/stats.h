// Changes of player and world figures, each announced by a log line and a sound,
// and the emitters that queue such a change as a script line for a later click.
#pragma once

#include <cstdint>

namespace minamori {

struct ScriptLayer;

void changeMoney(ScriptLayer& game, int32_t n);
void changeLifespan(ScriptLayer& game, int32_t n);
void changeOpinion(ScriptLayer& game, int32_t country, int32_t n);
void changeGrowth(ScriptLayer& game, int32_t country, int32_t n);
void changeMilitary(ScriptLayer& game, int32_t country, int32_t n);
void changeDanger(ScriptLayer& game, int32_t n);

// Experience of the four kinds; each does nothing for n <= 0 and gains at most
// one level or point per call, losing any excess.
void gainExp(ScriptLayer& game, int32_t n);
void gainIntelligenceExp(ScriptLayer& game, int32_t n);
void gainVitalityExp(ScriptLayer& game, int32_t n);
void gainCharismaExp(ScriptLayer& game, int32_t n);

// One more of item i, unless it is a unique item already held.
void giveItem(ScriptLayer& game, int32_t item);
void addItems(ScriptLayer& game, int32_t item, int32_t n);

// Emitters: append the script line that makes the change one click later.
void queueExp(ScriptLayer& game, int32_t n);
void queueIntelligenceExp(ScriptLayer& game, int32_t n);
void queueVitalityExp(ScriptLayer& game, int32_t n);
void queueCharismaExp(ScriptLayer& game, int32_t n);
void queueOpinion(ScriptLayer& game, int32_t country, int32_t n);
void queueMilitary(ScriptLayer& game, int32_t country, int32_t n);
void queueGrowth(ScriptLayer& game, int32_t country, int32_t n);
void queueDanger(ScriptLayer& game, int32_t n);
void queueItem(ScriptLayer& game, int32_t item);

}  // namespace minamori
