#include "view/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace minamori {

Canvas::Canvas(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Canvas::fill(Pixel p) {
    // Black, the common case, is all zero bytes.
    if (p == 0 && !pixels_.empty())
        std::memset(pixels_.data(), 0, pixels_.size() * sizeof(Pixel));
    else
        std::fill(pixels_.begin(), pixels_.end(), p);
}

void Canvas::hline(int x0, int x1, int y, Pixel p) {
    if (y < 0 || y >= height_) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (x0 > x1) return;
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(index(x0, y)),
              pixels_.begin() + static_cast<std::ptrdiff_t>(index(x1, y)) + 1, p);
}

void Canvas::fillRect(int left, int top, int right, int bottom, Pixel p) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) hline(left, right - 1, y, p);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    if (!brushClear) fillRect(left, top, right, bottom, brushColour);
    // The outline lies inside the rectangle, penWidth pixels thick.
    const int w = std::max(penWidth, 1);
    fillRect(left, top, right, std::min(top + w, bottom), penColour);
    fillRect(left, std::max(bottom - w, top), right, bottom, penColour);
    fillRect(left, top, std::min(left + w, right), bottom, penColour);
    fillRect(std::max(right - w, left), top, right, bottom, penColour);
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    // The ellipse through the pixel centres of the bounding box.
    const double cx = (left + right - 1) / 2.0;
    const double cy = (top + bottom - 1) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    const int w = std::max(penWidth, 1);
    const double inX = std::max(rx - w, 0.0);
    const double inY = std::max(ry - w, 0.0);
    for (int y = top; y < bottom; ++y) {
        if (y < 0 || y >= height_) continue;
        const double dy = y - cy;
        const double outer = rx * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (ry * ry)));
        const int x0 = static_cast<int>(std::ceil(cx - outer - 0.5 + 1e-9));
        const int x1 = static_cast<int>(std::floor(cx + outer + 0.5 - 1e-9));
        if (x0 > x1) continue;
        // The inside spans the inner ellipse; the pen covers the rest of the row.
        int i0 = x1 + 1, i1 = x1;
        if (inX > 0 && inY > 0 && std::abs(dy) < inY) {
            const double inner = inX * std::sqrt(1.0 - (dy * dy) / (inY * inY));
            i0 = static_cast<int>(std::ceil(cx - inner - 0.5 + 1e-9));
            i1 = static_cast<int>(std::floor(cx + inner + 0.5 - 1e-9));
        }
        if (i0 > i1) {
            hline(x0, x1, y, penColour);
            continue;
        }
        hline(x0, i0 - 1, y, penColour);
        if (!brushClear) hline(i0, i1, y, brushColour);
        hline(i1 + 1, x1, y, penColour);
    }
}

void Canvas::disc(int cx, int cy, int diameter, Pixel p) {
    // Pixels whose centres lie within the circle; an even diameter centres
    // the disc between pixels.
    const double r = diameter / 2.0;
    const double o = diameter % 2 == 0 ? 0.5 : 0.0;
    for (int dy = -diameter / 2; dy <= (diameter - 1) / 2; ++dy) {
        const double fy = dy + o;
        const double half = std::sqrt(std::max(0.0, r * r - fy * fy));
        const int x0 = static_cast<int>(std::ceil(-half - o - 1e-9));
        const int x1 = static_cast<int>(std::floor(half - o + 1e-9));
        hline(cx + x0, cx + x1, cy + dy, p);
    }
}

void Canvas::line(int x0, int y0, int x1, int y1) {
    // Bresenham from the start to just before the end point.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    const int w = std::max(penWidth, 1);
    while (x0 != x1 || y0 != y1) {
        if (w == 1)
            set(x0, y0, penColour);
        else
            disc(x0, y0, w, penColour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::copyFrom(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height_; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= height_) continue;
        const int sx0 = std::max(0, -x);
        const int sx1 = std::min(src.width_, width_ - x);
        if (sx0 >= sx1) continue;
        std::copy(src.pixels_.begin() + static_cast<std::ptrdiff_t>(src.index(sx0, sy)),
                  src.pixels_.begin() + static_cast<std::ptrdiff_t>(src.index(sx1 - 1, sy)) + 1,
                  pixels_.begin() + static_cast<std::ptrdiff_t>(index(x + sx0, ty)));
    }
}

void Canvas::orFrom(const Canvas& src) {
    const std::size_t n = std::min(pixels_.size(), src.pixels_.size());
    for (std::size_t i = 0; i < n; ++i) pixels_[i] |= src.pixels_[i];
}

void Canvas::copyTransparent(const Canvas& src, int x, int y, Pixel transparent) {
    for (int sy = 0; sy < src.height_; ++sy)
        for (int sx = 0; sx < src.width_; ++sx) {
            const Pixel p = src.at(sx, sy);
            if (p != transparent) set(x + sx, y + sy, p);
        }
}

void Canvas::blend(int x, int y, Pixel colour, uint8_t coverage) {
    if (!contains(x, y) || coverage == 0) return;
    Pixel& dst = pixels_[index(x, y)];
    if (coverage == 255) {
        dst = colour;
        return;
    }
    const uint32_t a = coverage, na = 255 - coverage;
    auto mix = [&](int shift) {
        const uint32_t s = (colour >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        return ((s * a + d * na + 127) / 255) << shift;
    };
    dst = mix(16) | mix(8) | mix(0);
}

}  // namespace minamori
