#include "actions/year_update.h"

#include "core/game.h"

namespace minamori {

// The year cycle arrives with its own change; for now the calls are recorded.
void endYear(Game& game) { game.callLog.push_back("endYear"); }
void yearlyUpdate(Game& game) { game.callLog.push_back("yearlyUpdate"); }

}  // namespace minamori
