// 2.jpg: behind the title menu; the buttons sit at the bottom right, kept plain.
#include "effects.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

Image makeMenuBack() {
    Image img(640, 480);
    const int horizon = 290;
    verticalGradient(img, 0, horizon, {{0, hex(0x1b4a86)}, {0.5f, hex(0x4d8cc6)}, {1, hex(0xcfe3ee)}});
    addGlow(img, 330, 30, 170, hex(0xfff1d0), 0.4f);

    CloudStyle heap;
    heap.seed = 31, heap.top = 30, heap.bottom = 280, heap.scaleX = 170, heap.scaleY = 60;
    heap.coverage = 0.52f, heap.softness = 0.12f, heap.lit = hex(0xffffff), heap.shade = hex(0x8ea6c4);
    paintClouds(img, heap);

    SeaStyle sea;
    sea.seed = 32, sea.horizon = horizon;
    sea.far = hex(0x86b6d2), sea.near = hex(0x0b3a5c), sea.crest = hex(0xeaf6ff), sea.crestAmount = 0.3f;
    sea.glintX = 330, sea.glintWidth = 24, sea.glint = hex(0xfff0d0), sea.glintAmount = 0.45f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x22272b), rock.light = hex(0x9a8f7a), rock.grass = hex(0x4d6b3a), rock.grassAmount = 0.6f;
    rock.haze = hex(0xa9c6dc), rock.hazeAmount = 0.15f, rock.lightFromLeft = -1;
    paintIslandGroup(img, islandGroup(200, horizon + 10, 1.05f, true), rock);

    calmRegion(img, {420, 380, 620, 460}, 40, 0.82f, 1.0f);
    vignette(img, 0.3f);
    return img;
}

}  // namespace content
