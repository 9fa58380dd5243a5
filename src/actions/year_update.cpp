#include "actions/year_update.h"

#include "core/game.h"

namespace minamori {

// The world update arrives with the year cycle; for now the call is recorded.
void yearlyUpdate(Game& game) { game.callLog.push_back("yearlyUpdate"); }

}  // namespace minamori
