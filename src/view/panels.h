// The status panels: the player, the enemy in battle, and the world.
#pragma once

#include <cstdint>

namespace minamori {

class Canvas;
struct ViewLayer;

// Figures as shown: each follows its game value a little every frame.
struct DisplayedValues {
    int32_t shownDay = 0;
    int32_t shownExp = 0;
    int32_t shownHp = 0;
    int32_t shownVitalityExp = 0;
    int32_t shownIntelligenceExp = 0;
    int32_t shownCharismaExp = 0;
    int32_t shownEnemyHp = 0;
};

// One smoothing step toward target: a tenth of the gap plus one, never past it.
void followValue(int32_t& shown, int32_t target);
// As followValue upward; downward it snaps at once, and never shows below 0.
void followValueSnapDown(int32_t& shown, int32_t target);

// The player panel and, in battle, the enemy panel, on cg; advances the shown values.
void drawPlayerPanel(ViewLayer& game);
// The world panel on the given picture (the background layer).
void drawWorldPanel(ViewLayer& game, Canvas& picture);

}  // namespace minamori
