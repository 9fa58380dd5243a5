// The lines of the policy page told in the game's own words: the feedback of
// the revived economic planning agency and the essay read before the treaty.
#pragma once

#include <array>

namespace minamori::policytext {

// Shown at once when the economic planning agency is revived.
extern const char kPlanningAgencyRevived[];

// Who gained from the island dispute, one log line each, queued in order.
extern const std::array<const char*, 43> kWhoGained;

}  // namespace minamori::policytext
