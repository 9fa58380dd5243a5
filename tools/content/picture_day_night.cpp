// 1.jpg and night.jpg: the same stretch of sea behind play, by day and by night,
// seen past a harbour storehouse. The game writes its status on the upper left,
// so the storehouse's black cedar wall stands there, with a white board under
// the one word that is written in dark colours; the log along the bottom has
// its own black ground. The islands stand on the right.
#include "effects.hpp"
#include "harbour.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

namespace {

constexpr int kHorizon = 292;

}  // namespace

Image makeDay() {
    Image img(640, 480);
    verticalGradient(img, 0, kHorizon, {{0, hex(0x2f6fb8)}, {0.55f, hex(0x63a2db)}, {1, hex(0xd4e8f2)}});
    addGlow(img, 640, 20, 150, hex(0xfff6e0), 0.55f);
    CloudStyle heap;
    heap.seed = 41, heap.top = 60, heap.bottom = 280, heap.scaleX = 120, heap.scaleY = 50;
    heap.coverage = 0.5f, heap.softness = 0.12f, heap.lit = hex(0xffffff), heap.shade = hex(0x9ab2cc);
    paintClouds(img, heap);

    SeaStyle sea;
    sea.seed = 42, sea.horizon = kHorizon;
    sea.far = hex(0x7fb3d6), sea.near = hex(0x0e4a78), sea.crest = hex(0xf0f8ff), sea.crestAmount = 0.35f;
    sea.glintX = 600, sea.glintWidth = 26, sea.glint = hex(0xfff4d8), sea.glintAmount = 0.6f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x2a3038), rock.light = hex(0x9c9384), rock.grass = hex(0x4f7040), rock.grassAmount = 0.6f;
    rock.haze = hex(0xb4cfe2), rock.hazeAmount = 0.2f, rock.lightFromLeft = -1;
    paintIslandGroup(img, islandGroup(548, kHorizon + 5, 0.55f, true), rock);

    vignette(img, 0.15f);
    HarbourLight day;
    paintHarbour(img, day);
    return img;
}

Image makeNight() {
    Image img(640, 480);
    verticalGradient(img, 0, kHorizon, {{0, hex(0x020309)}, {0.6f, hex(0x08122a)}, {1, hex(0x1a2c4a)}});
    paintStars(img, 51, 300, kHorizon - 20, 0.9f);
    paintMoon(img, 560, 78, 18, hex(0xf3efdc));
    CloudStyle veil;
    veil.seed = 52, veil.top = 150, veil.bottom = 285, veil.scaleX = 240, veil.scaleY = 12;
    veil.coverage = 0.6f, veil.lit = hex(0x6a7896), veil.shade = hex(0x121a2c), veil.opacity = 0.6f;
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
    paintIslandGroup(img, islandGroup(548, kHorizon + 5, 0.55f, true), rock);

    // By night the board is lit from within, as the harbour's signs are.
    HarbourLight night;
    night.wall = 0.03f, night.board = hex(0xfffaf0);
    night.quayLit = hex(0x2a3448), night.quayShade = hex(0x10141c), night.rim = hex(0x4a5a7a);
    vignette(img, 0.3f);
    paintHarbour(img, night);
    return img;
}

}  // namespace content
