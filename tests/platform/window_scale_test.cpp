// The enlarged picture: the factor chosen for a display, the mapping of window
// points, and the nearest-neighbour drawing with its black border.
#include "platform/window_scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "view/canvas.h"

using namespace minamori;

TEST(WindowScale, LargestFactorWithinTheUsableAreaAndItsEightyPercent) {
    EXPECT_EQ(windowedScale(1920, 1080), 2);
    EXPECT_EQ(windowedScale(1366, 768), 1);
    EXPECT_EQ(windowedScale(1280, 960), 1);   // would fill the whole area
    EXPECT_EQ(windowedScale(1440, 1080), 2);  // 1280 x 960 is 79 % of it
    EXPECT_EQ(windowedScale(2560, 1400), 2);  // 3x: 1440 rows do not fit
    EXPECT_EQ(windowedScale(2560, 1440), 3);
    EXPECT_EQ(windowedScale(0, 0), 1);  // never below 1
}

TEST(WindowScale, FullscreenFitsTheLargestFactorCentred) {
    const Viewport full = fitViewport(1920, 1080);
    EXPECT_EQ(full.scale, 2);
    EXPECT_EQ(full.x, 320);
    EXPECT_EQ(full.y, 60);
    const Viewport window = fitViewport(1280, 960);
    EXPECT_EQ(window.scale, 2);
    EXPECT_EQ(window.x, 0);
    EXPECT_EQ(window.y, 0);
    EXPECT_EQ(fitViewport(2560, 1600).scale, 3);
    EXPECT_EQ(fitViewport(600, 400).scale, 1);  // a window too small still shows 1:1
    EXPECT_EQ(fitViewport(600, 400).x, 0);
}

TEST(WindowScale, WindowPointsMapToPicturePointsAndBack) {
    const Viewport view{320, 60, 2};
    EXPECT_FALSE(toPicture(view, 319, 500));   // left border
    EXPECT_FALSE(toPicture(view, 1600, 500));  // right border
    EXPECT_FALSE(toPicture(view, 800, 59));
    EXPECT_FALSE(toPicture(view, 800, 1020));
    const auto corner = toPicture(view, 1599, 1019);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->x, 639);
    EXPECT_EQ(corner->y, 479);
    for (const Viewport& v : {view, Viewport{0, 0, 1}, Viewport{10, 0, 3}}) {
        for (const Point p : {Point{0, 0}, Point{520, 385}, Point{639, 479}}) {
            const Point w = toWindow(v, p.x, p.y);
            const auto back = toPicture(v, w.x, w.y);
            ASSERT_TRUE(back);
            EXPECT_EQ(back->x, p.x);
            EXPECT_EQ(back->y, p.y);
        }
    }
}

namespace {

// A picture whose every pixel tells its place.
std::vector<uint32_t> numberedPicture() {
    std::vector<uint32_t> picture(static_cast<size_t>(kScreenWidth) * kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            picture[static_cast<size_t>(y) * kScreenWidth + x] =
                static_cast<uint32_t>(y << 12 | x) + 1;
    return picture;
}

// Every target pixel is the picture pixel over it, or black off the picture;
// pixels past the target's width (its pitch) stay untouched.
void expectScaled(const std::vector<uint32_t>& picture, int width, int height, int pitch,
                  const Viewport& view) {
    std::vector<uint32_t> target(static_cast<size_t>(pitch) * height, 0xABCDEF);
    drawScaled(picture.data(), PixelRows{target.data(), width, height, pitch}, view);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < pitch; ++x) {
            const uint32_t got = target[static_cast<size_t>(y) * pitch + x];
            const auto p = toPicture(view, x, y);
            const uint32_t want = x >= width ? 0xABCDEF
                                  : p ? picture[static_cast<size_t>(p->y) * kScreenWidth + p->x]
                                      : 0u;
            ASSERT_EQ(got, want) << "at " << x << "," << y;
        }
}

}  // namespace

TEST(WindowScale, DrawsEachPixelAsABlockWithBlackAround) {
    const std::vector<uint32_t> picture = numberedPicture();
    expectScaled(picture, 640, 480, 640, Viewport{0, 0, 1});
    expectScaled(picture, 1280, 960, 1296, Viewport{0, 0, 2});
    expectScaled(picture, 1920, 1080, 1920, fitViewport(1920, 1080));
    expectScaled(picture, 2000, 1500, 2000, fitViewport(2000, 1500));  // 3x, odd borders
    expectScaled(picture, 1000, 700, 1000, Viewport{100, 50, 2});      // cut at the edges
}
