// The lines a won battle queues for its stakes.
#pragma once

#include <string>
#include <vector>

namespace minamori {

class Game;

// Queues the lines of a won election, exam, constitutional step or treaty end.
void queueExamWon(Game& game, int32_t exam);
void queueElectionWon(Game& game, int32_t office);
void queueConstitutionWon(Game& game, int32_t step);
void queueTreatyEndWon(Game& game);

}  // namespace minamori
