#include "actions/executor.h"

#include <string>

#include "core/game.h"

namespace minamori {

// The commands arrive page by page; until then a chosen row is recorded.
void executeAction(Game& game, int32_t row) {
    game.callLog.push_back("executeAction " + std::to_string(row));
}

}  // namespace minamori
