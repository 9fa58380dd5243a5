#include "image.hpp"

#include <algorithm>
#include <cmath>

namespace content {

Rgb hex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float smoothstep(float e0, float e1, float x) {
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Image::Image(int width, int height, Rgb fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width) * height, fill) {}

void Image::blend(int x, int y, Rgb c, float alpha) {
    if (!inside(x, y) || alpha <= 0) return;
    Rgb& p = at(x, y);
    p = mix(p, c, std::min(alpha, 1.0f));
}

void Image::add(int x, int y, Rgb c) {
    if (!inside(x, y)) return;
    at(x, y) = at(x, y) + c;
}

void Image::blendSubpixel(float x, float y, Rgb c, float alpha) {
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    float fx = x - x0, fy = y - y0;
    blend(x0, y0, c, alpha * (1 - fx) * (1 - fy));
    blend(x0 + 1, y0, c, alpha * fx * (1 - fy));
    blend(x0, y0 + 1, c, alpha * (1 - fx) * fy);
    blend(x0 + 1, y0 + 1, c, alpha * fx * fy);
}

namespace {

// 4x4 Bayer matrix, centred on zero, in units of one 8-bit step.
float bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
}

std::uint8_t quantise(float v, float offset) {
    float q = std::round(clamp01(v) * 255.0f + offset);
    return static_cast<std::uint8_t>(std::clamp(q, 0.0f, 255.0f));
}

}  // namespace

std::vector<std::uint8_t> Image::toRgb8(bool dither) const {
    std::vector<std::uint8_t> out;
    out.reserve(px_.size() * 3);
    for (int y = 0; y < h_; ++y) {
        for (int x = 0; x < w_; ++x) {
            float d = dither ? bayer(x, y) : 0.0f;
            const Rgb& p = at(x, y);
            out.push_back(quantise(p.r, d));
            out.push_back(quantise(p.g, d));
            out.push_back(quantise(p.b, d));
        }
    }
    return out;
}

}  // namespace content
