// One row of the menu table: a command the player can choose, with its costs,
// the thresholds below which it is not offered, and its place on screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace minamori {

constexpr int kMenuRows = 3000;

struct tmenu {
    std::string itemName;  // shop rows: the thing bought
    std::string caption;   // empty: not offered
    int32_t colourClass = 0;
    int32_t dayCost = 0;
    int32_t slot = 0;  // the command within its page
    int32_t shown = 0;
    int32_t enabled = 0;
    int32_t effectKind = 0;    // shop rows
    int32_t effectAmount = 0;  // shop rows
    int32_t page = 0;
    int32_t curX = 0, curY = 0;
    int32_t targetX = 0, targetY = 0;
    int32_t width = 0;   // 0: 220
    int32_t height = 0;  // 0: 25
    int32_t minLevel = 0;
    int32_t minVitality = 0;
    int32_t minCharisma = 0;
    int32_t parentPage = 0;
    int32_t moneyCost = 0;
    int32_t minHomeOpinion = 0;
    int32_t homeOpinionBelow = 0;  // if not 0: offered only while the home opinion is below it
    int32_t minIntelligence = 0;
    int32_t requiredItem = 0;
    int32_t prerequisiteRow = 0;
    int32_t maxUses = 0;
};

using MenuTable = std::array<tmenu, kMenuRows>;

}  // namespace minamori
