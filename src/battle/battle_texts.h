// The lines a won battle queues for its stakes.
#pragma once

#include <string>
#include <vector>

namespace minamori {

struct BattleLayer;

// Queues the lines of a won election, exam, constitutional step or treaty end.
void queueExamWon(BattleLayer& game, int32_t exam);
void queueElectionWon(BattleLayer& game, int32_t office);
void queueConstitutionWon(BattleLayer& game, int32_t step);
void queueTreatyEndWon(BattleLayer& game);

}  // namespace minamori
