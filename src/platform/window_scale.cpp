#include "platform/window_scale.h"

#include <algorithm>
#include <cstring>

#include "view/canvas.h"

namespace minamori {

int windowedScale(int usableWidth, int usableHeight) {
    const int64_t usableArea = int64_t{usableWidth} * usableHeight;
    int k = 1;
    for (int next = 2;; ++next) {
        const int64_t w = int64_t{next} * kScreenWidth, h = int64_t{next} * kScreenHeight;
        if (w > usableWidth || h > usableHeight || w * h * 5 > usableArea * 4) break;
        k = next;
    }
    return k;
}

int largestScale(int usableWidth, int usableHeight) {
    return std::max(1, std::min(usableWidth / kScreenWidth, usableHeight / kScreenHeight));
}

Viewport fitViewport(int areaWidth, int areaHeight) {
    const int k = std::max(1, std::min(areaWidth / kScreenWidth, areaHeight / kScreenHeight));
    return Viewport{std::max(0, (areaWidth - k * kScreenWidth) / 2),
                    std::max(0, (areaHeight - k * kScreenHeight) / 2), k};
}

std::optional<Point> toPicture(const Viewport& view, int windowX, int windowY) {
    const int dx = windowX - view.x, dy = windowY - view.y;
    if (dx < 0 || dy < 0) return std::nullopt;
    const Point p{dx / view.scale, dy / view.scale};
    if (p.x >= kScreenWidth || p.y >= kScreenHeight) return std::nullopt;
    return p;
}

Point toWindow(const Viewport& view, int pictureX, int pictureY) {
    return Point{view.x + pictureX * view.scale + view.scale / 2,
                 view.y + pictureY * view.scale + view.scale / 2};
}

namespace {

// One enlarged picture row, cut to the target's width, black around it.
void drawRow(const uint32_t* source, uint32_t* row, int width, const Viewport& view) {
    const int k = view.scale;
    const int left = std::min(view.x, width);
    const int right = std::min(view.x + kScreenWidth * k, width);
    std::fill(row, row + left, 0u);
    const int whole = (right - left) / k;  // picture pixels whose block fits entirely
    uint32_t* out = row + left;
    if (k == 2) {  // the common case, kept simple enough for the compiler to vectorise
        for (int x = 0; x < whole; ++x) out[2 * x] = out[2 * x + 1] = source[x];
    } else {
        for (int x = 0; x < whole; ++x) std::fill_n(out + x * k, k, source[x]);
    }
    std::fill(out + whole * k, row + right, whole < kScreenWidth ? source[whole] : 0u);
    std::fill(row + right, row + width, 0u);
}

}  // namespace

void drawScaled(const uint32_t* picture, const PixelRows& target, const Viewport& view) {
    const size_t rowBytes = static_cast<size_t>(target.width) * sizeof(uint32_t);
    const int top = std::min(view.y, target.height);
    const int bottom = std::min(view.y + kScreenHeight * view.scale, target.height);
    for (int y = 0; y < target.height; ++y) {
        uint32_t* row = target.pixels + static_cast<ptrdiff_t>(y) * target.pitch;
        if (y < top || y >= bottom) {
            std::memset(row, 0, rowBytes);
        } else if ((y - view.y) % view.scale == 0) {
            drawRow(picture + static_cast<ptrdiff_t>((y - view.y) / view.scale) * kScreenWidth, row,
                    target.width, view);
        } else {
            std::memcpy(row, row - target.pitch, rowBytes);  // the same picture row again
        }
    }
}

}  // namespace minamori
