#include "view/effects.h"

#include "core/game.h"

namespace minamori {

void startEffect(Game& game, int32_t x, int32_t y, int32_t kind) {
    Effects& fx = game.effects;
    fx.effectCursor = (fx.effectCursor + 1) % Effects::kSlots;
    EffectSlot& slot = fx.slots[static_cast<size_t>(fx.effectCursor)];
    slot.age = 1;
    slot.x = x;
    slot.y = y;
    slot.kind = kind;
    slot.ringRadius = 0;
    slot.ringStep = 0;
    slot.particlesReady = 0;
}

// The particles are drawn by the effects layer; until then an effect only ages.
void drawEffects(Game& game) {
    for (EffectSlot& slot : game.effects.slots)
        if (slot.age > 0) slot.age += 1;
}

}  // namespace minamori
