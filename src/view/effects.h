// Short particle animations that celebrate level-ups and stat-ups.
#pragma once

#include <array>
#include <cstdint>

namespace minamori {

struct ViewLayer;

struct Particle {
    int32_t angle = 0;  // whole degrees
    int32_t centreX = 0, centreY = 0;
    int32_t dist = 0, speed = 0, size = 0, length = 0, life = 0;
};

struct EffectSlot {
    int32_t age = 0;  // 0 or less: free
    int32_t x = 0, y = 0;
    int32_t kind = 0;
    int32_t ringRadius = 0, ringStep = 0;
    int32_t particlesReady = 0;
    std::array<Particle, 20> particles{};
};

struct Effects {
    static constexpr int kSlots = 100;
    std::array<EffectSlot, kSlots> slots{};
    int32_t effectCursor = 0;  // the slot used last
};

// Starts an effect of a kind in the next slot of the ring, replacing whatever ran there.
void startEffect(ViewLayer& game, int32_t x, int32_t y, int32_t kind);
// Advances and draws every running effect on the effects layer.
void drawEffects(ViewLayer& game);

}  // namespace minamori
