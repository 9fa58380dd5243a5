// 0.jpg: the island group at dawn, shown after the first click on the title.
#include "effects.hpp"
#include "pictures.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"
#include "text.hpp"

namespace content {

Image makeDawn() {
    Image img(640, 480);
    const int horizon = 300;
    verticalGradient(img, 0, horizon, {{0, hex(0x10142e)}, {0.4f, hex(0x35305e)}, {0.7f, hex(0xa25572)},
                                       {0.9f, hex(0xee8f58)}, {1, hex(0xffcf8a)}});
    paintStars(img, 21, 220, 170, 0.45f);
    paintSun(img, 535, horizon + 3, 17, hex(0xffb766), horizon);

    CloudStyle streak;
    streak.seed = 22, streak.top = 120, streak.bottom = 285, streak.scaleX = 260, streak.scaleY = 11;
    streak.coverage = 0.56f, streak.lit = hex(0xffb27a), streak.shade = hex(0x4b3a68), streak.opacity = 0.8f;
    streak.lightFromAbove = -1;
    paintClouds(img, streak);

    SeaStyle sea;
    sea.seed = 23, sea.horizon = horizon;
    sea.far = hex(0xc47a74), sea.near = hex(0x0e1230), sea.crest = hex(0xffb98a), sea.crestAmount = 0.25f;
    sea.glintX = 535, sea.glintWidth = 24, sea.glint = hex(0xffb060), sea.glintAmount = 1.1f;
    paintSea(img, sea);

    IslandStyle rock;
    rock.dark = hex(0x140f1c), rock.light = hex(0x2c2230), rock.grass = hex(0x22261e), rock.grassAmount = 0.3f;
    rock.haze = hex(0x8a5a70), rock.hazeAmount = 0.05f, rock.lightFromLeft = -1;
    rock.rim = hex(0xffa050), rock.rimAmount = 0.7f, rock.foam = hex(0xffc090), rock.foamAmount = 0.4f;
    paintIslandGroup(img, islandGroup(300, horizon + 8, 1.0f, false), rock);
    vignette(img, 0.35f);

    TextStyle line;
    line.pixelSize = 26, line.proportional = true;
    line.fillTop = hex(0xfff6e8), line.fillBottom = hex(0xffd9a8);
    line.outline = hex(0x1a1024), line.outlineWidth = 3, line.shadowAlpha = 0.5f;
    drawText(img, "夜が明ける。島々は今日も、そこにある。", 320, 408, line);
    return img;
}

}  // namespace content
