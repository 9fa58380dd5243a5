#include <cstddef>

#include "actions/year_steps.h"
#include "actions/layer.h"

namespace minamori::yearstep {

void rollIslandIncident(ActionLayer& game) {
    if (game.R(4) != 0) return;
    // The danger is 1..120 here: a danger of 0 ended the game this morning.
    const int32_t x = game.R(game.my.danger);
    for (const yeartext::IslandIncident& incident : yeartext::kIncidents) {
        if (x >= incident.below) continue;
        queueEvent(game, incident.lines);
        game.my.incidentSeen[static_cast<std::size_t>(incident.flag)] = 1;
        return;
    }
    queueEvent(game, yeartext::kWar);
}

}  // namespace minamori::yearstep
