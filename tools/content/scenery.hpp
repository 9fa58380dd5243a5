// The island group that appears in most pictures, and shared scene helpers.
#pragma once

#include <cstdint>
#include <vector>

#include "islands.hpp"

namespace content {

struct PlacedIsland {
    Island island;
    float distance;  // 0 nearest .. 1 farthest; adds haze
};

// The disputed group: one main island, a smaller one and a few sea stacks,
// centred on cx with their waterline at baseY. Ordered back to front.
std::vector<PlacedIsland> islandGroup(float cx, float baseY, float scale, bool mirrored);

// Paints the group, hazing the farther islands towards style.haze.
void paintIslandGroup(Image& img, const std::vector<PlacedIsland>& group, IslandStyle style);

}  // namespace content
