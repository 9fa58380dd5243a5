// gameover.jpg: a grey storm over the sea, the islands fading into the rain.
#include "effects.hpp"
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
    paintIslandGroup(img, islandGroup(330, horizon + 6, 0.9f, false), rock);

    streaks(img, 83, 1000, {-100, -40, 640, 480}, 1.85f, 18, 60, hex(0xaab2ba), 0.18f);
    vignette(img, 0.6f);
    tint(img, {0.85f, 0.86f, 0.88f});
    return img;
}

}  // namespace content
