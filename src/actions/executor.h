// What a chosen menu row does.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// Pays the row's costs, counts its use and runs its command.
void executeAction(Game& game, int32_t row);

}  // namespace minamori
