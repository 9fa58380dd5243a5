#include "actions/encounter.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "actions/layer.h"
#include "core/name_tables.h"

namespace minamori {

bool battlePending(const ActionLayer& game) {
    for (int i = 0; i < MessageQueue::kSlots; ++i)
        if (std::string_view(game.queue.slot(i)).substr(0, 6) == "battle") return true;
    return false;
}

void queueBattle(ActionLayer& game, int32_t opponent, const BattleStakes& stakes) {
    game.queue.pushLine("battle" + std::to_string(opponent));
    game.battle.stakes = stakes;
}

void rollRandomEncounter(ActionLayer& game) {
    if (battlePending(game)) return;
    // Opponents 0 .. level + 1 can be met. The range is held between 2, where
    // opponent 1 is always possible, and the table's 100 entries, beyond which
    // every draw would be nameless and drawn again: a negative level from a
    // damaged save can then never loop for ever, nor a huge one for long.
    const int64_t range = std::clamp<int64_t>(int64_t{game.my.level} + 2, 2, kOpponentSlots);
    int32_t n = 0;
    do {
        n = game.R(range);
    } while (opponentEntry(n).name.empty() || opponentEntry(n).story != 0);
    if (game.R(5) != 0) return;
    queueBattle(game, n);
}

}  // namespace minamori
