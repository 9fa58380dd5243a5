#include "view/effects.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "core/saturate.h"
#include "view/layer.h"

namespace minamori {

namespace {

// The point at distance d from a particle's centre in its direction (plus a turn).
struct Point {
    int x, y;
};

Point along(const Particle& p, int64_t d, int32_t extraDegrees = 0) {
    const double radians = (p.angle + extraDegrees) * 3.1415 / 180;
    return Point{p.centreX + static_cast<int>(std::trunc(std::cos(radians) * static_cast<double>(d))),
                 p.centreY + static_cast<int>(std::trunc(std::sin(radians) * static_cast<double>(d)))};
}

void setColour(Canvas& bak, Pixel colour) {
    bak.penColour = colour;
    bak.brushColour = colour;
    bak.brushClear = false;
}

void disc(Canvas& bak, Point c, int r) { bak.ellipse(c.x - r, c.y - r, c.x + r, c.y + r); }

// Colour by a step number: the table's entry, the last one for any step past it.
template <std::size_t N>
Pixel byStep(const Pixel (&table)[N], int32_t step) {
    return table[static_cast<std::size_t>(std::clamp<int32_t>(step, 0, N - 1))];
}

constexpr Pixel kOrangeSparks[] = {0xFFCC00, 0xFFCC00, 0xEEAA00, 0xEE9900, 0xEE7700, 0xDD5500,
                                   0xAA2200, 0x880000, 0x550000, 0x330000, 0x110000};
constexpr Pixel kGreenSparks[] = {0x00FFCC, 0x00FFCC, 0x00EEAA, 0x00EE99, 0x00EE77, 0x00DD55,
                                  0x00AA22, 0x008800, 0x005500, 0x003300, 0x001100};
constexpr Pixel kWarmRays[] = {0xFFFFCC, 0xFFFFCC, 0xFFFFCC, 0xFFFFCC, 0xFFFFCC, 0xFFFFCC,
                               0xFFFFCC, 0xFFFFCC, 0xFFFF99, 0xFFFF77, 0xFFCC55, 0xEEAA33,
                               0xDD8811, 0xCC5500, 0xBB3300, 0xAA1100, 0x990000, 0x550000,
                               0x110000};
constexpr Pixel kCoolRays[] = {0xCCFFFF, 0xCCFFFF, 0x99FFFF, 0x77FFFF, 0x55FFCC, 0x33EEAA, 0x11DD88,
                               0x00CC55, 0x00BB33, 0x00AA11, 0x009900, 0x005500, 0x001100};
constexpr Pixel kRedBurst[] = {0xFF0000, 0xFF0000, 0xFF0000, 0xEE0000, 0xEE0000, 0xDF0000,
                               0xCF0000, 0xBF0000, 0xAF0000, 0x9F0000, 0x8F0000, 0x7F0000,
                               0x6F0000, 0x5F0000, 0x4F0000, 0x330000, 0x220000, 0x110000};

int32_t atLeast1(int64_t v) { return saturate32(std::max<int64_t>(v, 1)); }

// The effect's first count particles.
std::span<Particle> particlesOf(EffectSlot& s, std::size_t count) {
    return std::span<Particle>(s.particles).first(count);
}

// Creates the particles on the effect's first frame, each centred on the effect.
template <class Init>
void createOnce(EffectSlot& s, std::size_t count, Init init) {
    if (s.particlesReady) return;
    for (Particle& p : particlesOf(s, count)) {
        p.centreX = s.x;
        p.centreY = s.y;
        init(p);
    }
    s.particlesReady = 1;
}

// Kinds 252 and 254: sparks flying out, slowing and shrinking.
void sparks(ViewLayer& game, EffectSlot& s, int sizeRange, int distBase, int distRange,
            int speedBase, const Pixel (&colours)[11]) {
    Canvas& bak = game.screen.bak;
    createOnce(s, 20, [&](Particle& p) {
        p.size = 2 + game.R(sizeRange);
        p.life = 1 + game.R(3);
        p.angle = game.R(360);
        p.dist = distBase + game.R(distRange);
        p.speed = speedBase + game.R(5);
    });
    for (Particle& p : s.particles) {
        p.life += 1;
        p.speed = atLeast1(p.speed);
        p.dist = addSat(p.dist, p.speed);
        p.speed = atLeast1(int64_t{p.speed} - (p.speed / 3 + 1));
        if (p.life % 2 == 0) p.size = atLeast1(int64_t{p.size} - 1);
        setColour(bak, byStep(colours, p.life / 2));
        disc(bak, along(p, int64_t{p.dist} + p.size), p.size);
        disc(bak, along(p, int64_t{p.dist} - 2 * int64_t{p.size}, 120), p.size / 2);
    }
}

// Kinds 253 and 255: rays closing in, then a disc that blanks what lies under it.
template <std::size_t N>
void rays(ViewLayer& game, EffectSlot& s, bool axes, const Pixel (&colours)[N], int32_t ringStart) {
    Canvas& bak = game.screen.bak;
    createOnce(s, 20, [&](Particle& p) {
        if (axes) {
            p.centreX += game.R(21) - 10;
            p.centreY += game.R(21) - 10;
            p.size = 2 + game.R(10);
            p.life = 1 + game.R(3);
            p.length = 50 + game.R(55);
            p.angle = 90 * game.R(4);
            p.dist = 80 + game.R(35);
            p.speed = 30 + game.R(5);
        } else {
            p.size = 4 + game.R(10);
            p.life = 1 + game.R(3);
            p.length = 250 + game.R(150);
            p.angle = game.R(360);
            p.dist = 200 + game.R(35);
            p.speed = 100 + game.R(5);
        }
    });
    for (Particle& p : s.particles) {
        p.life += 1;
        p.speed = atLeast1(p.speed);
        p.dist = saturate32(std::max<int64_t>(0, int64_t{p.dist} - p.speed));
        p.speed = atLeast1(int64_t{p.speed} - (p.speed / 3 + 1));
        p.length = addSat(p.length, -(p.speed / 2));
        p.size = atLeast1(int64_t{p.size} - 1);
        setColour(bak, byStep(colours, p.life));
        bak.penWidth = p.size;
        const Point from = along(p, p.dist / 2), to = along(p, int64_t{p.dist} + p.length);
        bak.line(from.x, from.y, to.x, to.y);
    }
    bak.penWidth = 1;
    bak.brushColour = kBlack;
    bak.brushClear = false;
    if (s.age == 2) {
        s.ringRadius = 1;
        s.ringStep = ringStart;
    }
    s.ringRadius = addSat(s.ringRadius, s.ringStep);
    s.ringStep -= s.ringStep / 3 + 1;
    if (s.ringStep < 1) s.ringStep = 0;
    disc(bak, Point{s.x, s.y}, s.ringRadius);
}

// Kind 159: red dots flying out inside a shrinking ring.
void redBurst(ViewLayer& game, EffectSlot& s) {
    Canvas& bak = game.screen.bak;
    createOnce(s, 10, [&](Particle& p) {
        p.angle = game.R(360);
        p.size = 1 + game.R(4);
        p.life = 1 + game.R(9);
        p.speed = 10 + game.R(15);
        p.dist = 0;
    });
    for (Particle& p : particlesOf(s, 10)) {
        p.life += 1;
        p.speed = atLeast1(int64_t{p.speed} - 3);
        p.dist = addSat(p.dist, p.speed);
        if (game.animFrame % 8 == 0) p.size -= 1;
        p.size = atLeast1(p.size);
        // Past the table the pen keeps the colour of the dot drawn before.
        if (p.life >= 1 && p.life <= 17) bak.penColour = kRedBurst[p.life];
        bak.brushColour = bak.penColour;
        bak.brushClear = false;
        disc(bak, along(p, p.dist), p.size);
    }
    bak.brushClear = true;
    bak.penWidth = std::max(1, 10 - s.age / 2);
    disc(bak, Point{s.x, s.y}, s.age + 50);
}

// Kind 168: white streaks falling in toward the centre.
void streaks(ViewLayer& game, EffectSlot& s) {
    Canvas& bak = game.screen.bak;
    createOnce(s, 10, [&](Particle& p) {
        p.angle = game.R(360);
        p.life = 1 + game.R(9);
        p.speed = 10 + game.R(15);
        p.dist = 170 + game.R(50);
    });
    for (Particle& p : particlesOf(s, 10)) {
        p.life += 1;
        p.speed = atLeast1(int64_t{p.speed} - 3);
        p.dist = addSat(p.dist, -int64_t{p.speed});
        Pixel colour = 0x553300;
        if (p.life <= 5) colour = 0xFFFFFF;
        else if (p.life <= 8) colour = 0xFFFF99;
        else if (p.life <= 11) colour = 0xFFDD55;
        else if (p.life <= 14) colour = 0xEEAA22;
        else if (p.life <= 17) colour = 0x996600;
        setColour(bak, colour);
        bak.penWidth = std::max(1, 11 - p.life);
        const Point from = along(p, p.dist);
        const Point to = along(p, int64_t{p.dist} + std::max(2, 40 - p.life));
        bak.line(from.x, from.y, to.x, to.y);
    }
}

// Runs one frame of a slot's kind; returns the age after which it ends.
int32_t runKind(ViewLayer& game, EffectSlot& s) {
    switch (s.kind) {
        case 252: sparks(game, s, 8, 10, 15, 30, kOrangeSparks); return 20;
        case 254: sparks(game, s, 4, 5, 5, 10, kGreenSparks); return 20;
        case 253: rays(game, s, false, kWarmRays, 15); return 20;
        case 255: rays(game, s, true, kCoolRays, 10); return 20;
        case 159: redBurst(game, s); return 17;
        case 168: streaks(game, s); return 22;
        default: return 0;  // no such effect: it ends at once
    }
}

}  // namespace

void startEffect(ViewLayer& game, int32_t x, int32_t y, int32_t kind) {
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

void drawEffects(ViewLayer& game) {
    for (EffectSlot& slot : game.effects.slots) {
        if (slot.age <= 0) continue;
        slot.age += 1;
        const int32_t lastAge = runKind(game, slot);
        game.screen.bak.brushClear = false;
        if (slot.age > lastAge) slot.age = -1;
    }
}

}  // namespace minamori
