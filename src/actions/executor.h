// What a chosen menu row does.
#pragma once

#include <cstdint>

namespace minamori {

struct ActionLayer;

// Pays the row's costs, counts its use and runs its command.
void executeAction(ActionLayer& game, int32_t row);

}  // namespace minamori
