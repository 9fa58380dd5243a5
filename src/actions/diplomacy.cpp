#include <string>

#include "actions/action_pages.h"
#include "core/game.h"

namespace minamori {

// Until the page's commands arrive, a chosen diplomacy command only pays and is counted.
void runDiplomacy(Game& game, int32_t row, int32_t slot) {
    game.callLog.push_back("runDiplomacy " + std::to_string(row) + " " + std::to_string(slot));
}

}  // namespace minamori
