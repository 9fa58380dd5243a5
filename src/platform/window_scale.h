// The game's 640 x 480 picture shown enlarged by a whole factor: the choice of
// the factor, the mapping between window and picture points, and the
// nearest-neighbour enlargement itself. Plain arithmetic, no SDL.
#pragma once

#include <cstdint>
#include <optional>

namespace minamori {

struct Point {
    int x = 0, y = 0;
};

// Where the enlarged picture stands in the window.
struct Viewport {
    int x = 0, y = 0;  // the picture's top-left corner in the window
    int scale = 1;
};

// The factor of a new window: the largest k >= 1 whose k*640 x k*480 window
// fits the usable display area and covers at most 80 % of it.
int windowedScale(int usableWidth, int usableHeight);

// The largest factor k >= 1 whose window fits the usable display area at all.
int largestScale(int usableWidth, int usableHeight);

// The picture in an area of the given size: the largest whole factor that fits
// (at least 1), centred.
Viewport fitViewport(int areaWidth, int areaHeight);

// The picture point under a window point; none on the border around the picture.
std::optional<Point> toPicture(const Viewport& view, int windowX, int windowY);

// The window point in the middle of a picture pixel's enlarged block.
Point toWindow(const Viewport& view, int pictureX, int pictureY);

// A block of 32-bit pixels in memory; pitch counts pixels per row.
struct PixelRows {
    uint32_t* pixels;
    int width, height, pitch;
};

// Draws the 640 x 480 picture enlarged into target at view, black around it;
// whatever falls outside target is cut off.
void drawScaled(const uint32_t* picture, const PixelRows& target, const Viewport& view);

}  // namespace minamori
