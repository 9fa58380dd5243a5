// The story lines told in the game's own voice: the island history and the
// opening of a new game.
#pragma once

#include <array>

namespace minamori {

// The history of the island group, one log line each, oldest events first.
const std::array<const char*, 15>& islandHistory();
// The opening told after a difficulty is chosen, before play starts.
const std::array<const char*, 7>& openingNarrative();

}  // namespace minamori
