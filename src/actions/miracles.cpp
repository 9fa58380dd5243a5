#include <string>

#include "actions/action_pages.h"
#include "core/game.h"

namespace minamori {

// Until the page's commands arrive, a chosen miracle or purchase only pays and is counted.
void runMiracle(Game& game, int32_t row, int32_t slot) {
    game.callLog.push_back("runMiracle " + std::to_string(row) + " " + std::to_string(slot));
}

}  // namespace minamori
