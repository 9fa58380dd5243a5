// A 640 x 480 picture in memory and the drawing operations the game uses:
// rectangles, ellipses, lines with a pen width, copies and the bitwise-OR copy.
// Rectangles are (left, top, right, bottom) with right and bottom exclusive.
#pragma once

#include <cstdint>
#include <vector>

#include "view/colours.h"

namespace minamori {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// One pixel, 0x00RRGGBB.
using Pixel = uint32_t;

constexpr Pixel toPixel(Rgb c) { return (Pixel{c.r} << 16) | (Pixel{c.g} << 8) | Pixel{c.b}; }
constexpr Pixel rgbPixel(uint32_t hex) { return hex & 0xFFFFFF; }
constexpr Pixel kBlack = 0x000000;

class Canvas {
public:
    Canvas(int width = kScreenWidth, int height = kScreenHeight, Pixel fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    Pixel at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Pixel p) {
        if (contains(x, y)) pixels_[index(x, y)] = p;
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }
    std::vector<Pixel>& pixels() { return pixels_; }

    // The pen draws outlines and lines; the brush fills. A clear brush fills nothing.
    Pixel penColour = 0x000000;
    int penWidth = 1;
    Pixel brushColour = 0xFFFFFF;
    bool brushClear = false;

    void fill(Pixel p);
    // Fills the rectangle with one colour, no outline.
    void fillRect(int left, int top, int right, int bottom, Pixel p);
    // Outline with the pen, inside with the brush.
    void rectangle(int left, int top, int right, int bottom);
    // The ellipse inside the rectangle: outline with the pen, inside with the brush.
    void ellipse(int left, int top, int right, int bottom);
    // A line with the pen, leaving out the end point; wide pens have round ends.
    void line(int x0, int y0, int x1, int y1);

    // Copies src with its top-left corner at (x, y), clipped.
    void copyFrom(const Canvas& src, int x, int y);
    // ORs src onto this picture pixel by pixel (same size).
    void orFrom(const Canvas& src);
    // Copies src at (x, y) leaving out the pixels of the transparent colour.
    void copyTransparent(const Canvas& src, int x, int y, Pixel transparent);

    // Blends colour into the pixel by coverage 0..255.
    void blend(int x, int y, Pixel colour, uint8_t coverage);

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    void hline(int x0, int x1, int y, Pixel p);  // x0..x1 inclusive, clipped
    void disc(int cx, int cy, int diameter, Pixel p);

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

}  // namespace minamori
