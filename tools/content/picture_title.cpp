// title.bmp: a calm sea under a wide daytime sky, the island group, and the title.
#include "effects.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"
#include "text.hpp"

namespace content {

namespace {

void paintTitleScene(Image& img) {
    const int horizon = 318;
    verticalGradient(img, 0, horizon, {{0, hex(0x17417f)}, {0.45f, hex(0x3f7fc0)}, {0.85f, hex(0x9cc7e4)},
                                       {1, hex(0xd8e9f0)}});
    addGlow(img, 120, 70, 120, hex(0xfff4d8), 0.5f);
    CloudStyle high;
    high.seed = 11, high.top = 20, high.bottom = 230, high.scaleX = 300, high.scaleY = 34;
    high.coverage = 0.56f, high.lit = hex(0xffffff), high.shade = hex(0x9fb6d2), high.opacity = 0.85f;
    paintClouds(img, high);
    CloudStyle low;
    low.seed = 12, low.top = 235, low.bottom = horizon - 2, low.scaleX = 180, low.scaleY = 14;
    low.coverage = 0.5f, low.lit = hex(0xf4f8fb), low.shade = hex(0xb6c9d9), low.opacity = 0.7f;
    paintClouds(img, low);

    SeaStyle sea;
    sea.seed = 13, sea.horizon = horizon;
    sea.far = hex(0x7faed0), sea.near = hex(0x0c3560), sea.crest = hex(0xe6f2fa), sea.crestAmount = 0.3f;
    sea.glintX = 120, sea.glintWidth = 26, sea.glint = hex(0xfff2d0), sea.glintAmount = 0.55f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x22272b), rock.light = hex(0x9a8f7a), rock.grass = hex(0x4d6b3a), rock.grassAmount = 0.6f;
    rock.haze = hex(0xa9c6dc), rock.hazeAmount = 0.12f, rock.lightFromLeft = 1;
    paintIslandGroup(img, islandGroup(430, horizon + 6, 0.95f, false), rock);
    vignette(img, 0.25f);
}

}  // namespace

Image makeTitle() {
    Image img(640, 480);
    paintTitleScene(img);

    TextStyle title;
    title.pixelSize = 112, title.proportional = true;
    title.fillTop = hex(0xffffff), title.fillBottom = hex(0xffe08a);
    title.outline = hex(0x0b2547), title.outlineWidth = 6;
    title.shadowDx = 4, title.shadowDy = 6, title.shadowBlur = 3, title.shadowAlpha = 0.55f;
    title.glow = hex(0xffffff), title.glowAlpha = 0.25f;
    drawText(img, "ミナモリ!!", 320, 52, title);

    TextStyle sub;
    sub.pixelSize = 24, sub.proportional = true;
    sub.fillTop = hex(0xffffff), sub.fillBottom = hex(0xe6f0ff);
    sub.outline = hex(0x0b2547), sub.outlineWidth = 3, sub.shadowAlpha = 0.4f;
    drawText(img, "― ひとりの一票から、海の平和へ ―", 320, 190, sub);
    return img;
}

}  // namespace content
