// battle.jpg and usa.jpg: the two battle backdrops. The game draws its status on
// the upper left and its log at the bottom, so those stay dark and plain.
#include <cmath>

#include "effects.hpp"
#include "noise.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

namespace {

void quietTextAreas(Image& img) {
    calmRegion(img, {0, 0, 300, 200}, 150, 0.6f, 0.9f);
    calmRegion(img, {0, 340, 640, 480}, 40, 0.6f, 0.8f);
}

// Light fanning out from (cx, cy) in thin uneven rays.
void rays(Image& img, float cx, float cy, float reach, Rgb colour, float strength) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            float dx = x - cx, dy = y - cy;
            float d = std::sqrt(dx * dx + dy * dy);
            float angle = std::atan2(dy, dx);
            float beam = std::pow(0.5f + 0.5f * std::sin(angle * 23.0f + 3 * valueNoise(angle * 4 + 10, 0, 71)), 6.0f);
            beam *= 0.4f + 0.6f * valueNoise(angle * 9 + 10, 1, 72);
            float fall = std::exp(-d / reach) * smoothstep(0, 40, d);
            img.add(x, y, colour * (beam * fall * strength));
        }
}

// Thin circles around (cx, cy).
void rings(Image& img, float cx, float cy, const float* radii, int count, Rgb colour, float alpha) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
            for (int i = 0; i < count; ++i) {
                float k = std::exp(-(d - radii[i]) * (d - radii[i]) * 0.5f);
                img.blend(x, y, colour, k * alpha);
            }
        }
}

// A flat dark plane under the light, ruled with lines that close in towards the horizon.
void grid(Image& img, int horizon, float vanishX, Rgb colour, float alpha) {
    for (int y = horizon + 1; y < img.height(); ++y) {
        float d = static_cast<float>(y - horizon) / static_cast<float>(img.height() - horizon);
        float z = 1 / d;
        float rowLine = std::exp(-std::pow(std::fmod(z * 3, 1.0f) - 0.5f, 2.0f) * 600 * d);
        for (int x = 0; x < img.width(); ++x) {
            float u = (x - vanishX) * z / 40.0f;
            float colLine = std::exp(-std::pow(u - std::round(u), 2.0f) * 300 / z);
            img.blend(x, y, colour, std::max(rowLine, colLine) * alpha * smoothstep(0, 0.2f, d));
        }
    }
}

}  // namespace

Image makeBattle() {
    Image img(640, 480);
    const int horizon = 330;
    verticalGradient(img, 0, horizon, {{0, hex(0x060203)}, {0.55f, hex(0x2a0709)}, {0.85f, hex(0x6e1410)},
                                       {1, hex(0xb03a1c)}});
    CloudStyle storm;
    storm.seed = 61, storm.top = 0, storm.bottom = 300, storm.scaleX = 150, storm.scaleY = 45;
    storm.coverage = 0.45f, storm.softness = 0.25f, storm.lit = hex(0xd0482a), storm.shade = hex(0x120406);
    storm.lightFromAbove = -1, storm.opacity = 0.9f;
    paintClouds(img, storm);
    lightning(img, 62, 520, 0, 300, hex(0xffc8a0));
    streaks(img, 63, 160, {330, 20, 700, 330}, 2.55f, 40, 160, hex(0xff6a3c), 0.35f);

    SeaStyle sea;
    sea.seed = 64, sea.horizon = horizon;
    sea.far = hex(0x6a1a12), sea.near = hex(0x080102), sea.crest = hex(0xff6a40), sea.crestAmount = 0.3f;
    sea.roughness = 1.6f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x050203), rock.light = hex(0x1e0c0a), rock.grassAmount = 0;
    rock.haze = hex(0x5a1410), rock.hazeAmount = 0.05f, rock.lightFromLeft = -1;
    rock.rim = hex(0xff5a30), rock.rimAmount = 0.5f, rock.foam = hex(0xff7a50), rock.foamAmount = 0.3f;
    paintIslandGroup(img, islandGroup(540, horizon + 4, 0.6f, true), rock);
    quietTextAreas(img);
    vignette(img, 0.45f);
    return img;
}

Image makeColdBattle() {
    Image img(640, 480);
    const int horizon = 330;
    verticalGradient(img, 0, horizon, {{0, hex(0x010208)}, {0.6f, hex(0x06122e)}, {1, hex(0x10285a)}});
    verticalGradient(img, horizon + 1, 479, {{0, hex(0x0a1838)}, {1, hex(0x01030a)}});
    grid(img, horizon, 480, hex(0x5f8fd0), 0.35f);
    rays(img, 480, 180, 260, hex(0x9cc6ff), 0.5f);
    const float radii[] = {62, 98, 150, 215};
    rings(img, 480, 180, radii, 4, hex(0xa8d0ff), 0.22f);
    addGlow(img, 480, 180, 120, hex(0xbfe0ff), 0.9f);
    paintSun(img, 480, 180, 24, hex(0xe8f4ff), 479);
    streaks(img, 65, 40, {0, 340, 640, 470}, 0.0f, 60, 200, hex(0x7fb0ff), 0.12f);
    quietTextAreas(img);
    vignette(img, 0.45f);
    return img;
}

}  // namespace content
