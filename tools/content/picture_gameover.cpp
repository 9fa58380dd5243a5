// gameover.jpg: a grey storm over the sea, the islands fading into the rain,
// seen past the harbour storehouse of the day scene, whose wall keeps the
// status panel readable to the last.
#include "effects.hpp"
#include "harbour.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

Image makeGameOver() {
    Image img(640, 480);
    const int horizon = 290;
    verticalGradient(img, 0, horizon, {{0, hex(0x1c1e22)}, {0.6f, hex(0x3c4046)}, {1, hex(0x6a6f74)}});
    CloudStyle storm;
    storm.seed = 81, storm.top = 0, storm.bottom = 280, storm.scaleX = 200, storm.scaleY = 40;
    storm.coverage = 0.4f, storm.softness = 0.3f, storm.lit = hex(0x6e7378), storm.shade = hex(0x16181b);
    storm.opacity = 0.95f;
    paintClouds(img, storm);

    SeaStyle sea;
    sea.seed = 82, sea.horizon = horizon;
    sea.far = hex(0x585d62), sea.near = hex(0x0e1012), sea.crest = hex(0xb4bac0), sea.crestAmount = 0.55f;
    sea.roughness = 1.8f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x1e2023), rock.light = hex(0x44474b), rock.grassAmount = 0.1f;
    rock.haze = hex(0x62676c), rock.hazeAmount = 0.45f, rock.foam = hex(0xc0c4c8), rock.foamAmount = 0.6f;
    rock.alpha = 0.55f;
    paintIslandGroup(img, islandGroup(548, horizon + 5, 0.55f, true), rock);
    vignette(img, 0.6f);
    tint(img, {0.85f, 0.86f, 0.88f});

    HarbourLight wet;
    wet.wall = 0.035f, wet.rim = hex(0x50565c);
    wet.quayLit = hex(0x3a3e44), wet.quayShade = hex(0x23262a);
    paintHarbour(img, wet);
    // The rain falls past the wall and on the quay, not over the wall's face.
    streaks(img, 83, 500, {kWall.x1 + 16, -40, 700, kWall.y1}, 1.85f, 18, 60, hex(0xaab2ba), 0.18f);
    streaks(img, 84, 400, {-100, kWall.y1, 640, 480}, 1.85f, 18, 60, hex(0xaab2ba), 0.18f);
    return img;
}

}  // namespace content
