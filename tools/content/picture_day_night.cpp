// 1.jpg and night.jpg: the same stretch of sea behind play, by day and by night.
// The game writes its status on the upper left and its log along the bottom, so
// both areas are kept dark and smooth; the islands stand on the right.
#include "effects.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

namespace {

constexpr int kHorizon = 296;

void quietTextAreas(Image& img) {
    calmRegion(img, {0, 0, 300, 200}, 150, 0.7f, 0.9f);
    calmRegion(img, {0, 340, 640, 480}, 40, 0.65f, 0.7f);
}

}  // namespace

Image makeDay() {
    Image img(640, 480);
    verticalGradient(img, 0, kHorizon, {{0, hex(0x061430)}, {0.6f, hex(0x163d6c)}, {1, hex(0x4f80aa)}});
    addGlow(img, 610, 50, 160, hex(0xe8f0ff), 0.35f);
    CloudStyle high;
    high.seed = 41, high.top = 40, high.bottom = 270, high.scaleX = 280, high.scaleY = 30;
    high.coverage = 0.6f, high.lit = hex(0xdfe9f5), high.shade = hex(0x4f6f98), high.opacity = 0.7f;
    high.fadeFromX = 150, high.fadeToX = 470;
    paintClouds(img, high);

    SeaStyle sea;
    sea.seed = 42, sea.horizon = kHorizon;
    sea.far = hex(0x4a7ca6), sea.near = hex(0x04142c), sea.crest = hex(0xbcd6ee), sea.crestAmount = 0.25f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x141a22), rock.light = hex(0x5a5e62), rock.grass = hex(0x2f4a36), rock.grassAmount = 0.5f;
    rock.haze = hex(0x7fa4c4), rock.hazeAmount = 0.18f, rock.lightFromLeft = -1;
    paintIslandGroup(img, islandGroup(530, kHorizon + 6, 0.85f, true), rock);
    quietTextAreas(img);
    vignette(img, 0.3f);
    return img;
}

Image makeNight() {
    Image img(640, 480);
    verticalGradient(img, 0, kHorizon, {{0, hex(0x020309)}, {0.6f, hex(0x08122a)}, {1, hex(0x1a2c4a)}});
    paintStars(img, 51, 700, kHorizon - 20, 0.9f);
    paintMoon(img, 560, 78, 22, hex(0xf3efdc));
    CloudStyle veil;
    veil.seed = 52, veil.top = 150, veil.bottom = 285, veil.scaleX = 240, veil.scaleY = 12;
    veil.coverage = 0.6f, veil.lit = hex(0x6a7896), veil.shade = hex(0x121a2c), veil.opacity = 0.6f;
    veil.fadeFromX = 150, veil.fadeToX = 470;
    paintClouds(img, veil);

    SeaStyle sea;
    sea.seed = 53, sea.horizon = kHorizon;
    sea.far = hex(0x1e3050), sea.near = hex(0x020610), sea.crest = hex(0x5a6e90), sea.crestAmount = 0.2f;
    sea.glintX = 560, sea.glintWidth = 18, sea.glint = hex(0xd6e0ff), sea.glintAmount = 0.55f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x05070c), rock.light = hex(0x1c2430), rock.grass = hex(0x0e1412), rock.grassAmount = 0.3f;
    rock.haze = hex(0x1a2840), rock.hazeAmount = 0.1f, rock.lightFromLeft = -1;
    rock.rim = hex(0x9fb6e6), rock.rimAmount = 0.25f, rock.foam = hex(0x8090b0), rock.foamAmount = 0.3f;
    rock.reflection = 0.5f;
    paintIslandGroup(img, islandGroup(530, kHorizon + 6, 0.85f, true), rock);
    quietTextAreas(img);
    vignette(img, 0.35f);
    return img;
}

}  // namespace content
