// money.bmp: a 16 x 16 gold coin on a magenta key colour the game treats as
// transparent; edges are hard so no pink fringe shows.
#include <cmath>

#include "pictures.hpp"

namespace content {

namespace {

constexpr float kCentre = 7.5f, kRadius = 7.4f;

// Coin colour at a point inside the disc, lit from the upper left.
Rgb coinColour(float x, float y) {
    float dx = x - kCentre, dy = y - kCentre;
    float d = std::sqrt(dx * dx + dy * dy);
    if (d > kRadius - 1.1f) return hex(0x7a4a08);  // dark rim outline
    float light = clamp01(0.55f - (dx + dy) * 0.06f);
    Rgb gold = mix(hex(0xc07800), hex(0xffd640), light);
    if (d > kRadius - 2.4f) gold = gold * 0.8f;    // raised edge
    bool hole = std::fabs(dx) < 1.3f && std::fabs(dy) < 1.3f;
    if (hole) return hex(0x6a3e06);                // square hole of an old coin
    if (dx < -1.5f && dy < -1.5f && d < 4.2f && d > 2.5f) gold = mix(gold, hex(0xfffbe0), 0.7f);
    return gold;
}

}  // namespace

Image makeMoney() {
    const Rgb key = hex(0xff00ff);
    Image img(16, 16, key);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    float px = x + (sx + 0.5f) / 4 - 0.5f, py = y + (sy + 0.5f) / 4 - 0.5f;
                    if (std::hypot(px - kCentre, py - kCentre) <= kRadius) ++inside;
                }
            if (inside >= 7) img.at(x, y) = coinColour(static_cast<float>(x), static_cast<float>(y));
        }
    return img;
}

}  // namespace content
