// A floating-point RGB picture with the blending operations the painters use.
#pragma once

#include <cstdint>
#include <vector>

namespace content {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }

// 0xRRGGBB to linear-ish 0..1 components (we stay in display space throughout).
Rgb hex(std::uint32_t rgb);

class Image {
public:
    Image(int width, int height, Rgb fill = {});

    int width() const { return w_; }
    int height() const { return h_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }

    Rgb& at(int x, int y) { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    const Rgb& at(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }

    // Alpha blend; out-of-range coordinates are ignored.
    void blend(int x, int y, Rgb c, float alpha);
    // Additive light; out-of-range coordinates are ignored.
    void add(int x, int y, Rgb c);
    // Alpha blend at a fractional position, spread over the four neighbours.
    void blendSubpixel(float x, float y, Rgb c, float alpha);

    // 8-bit RGB rows, top row first, with ordered dithering against banding.
    std::vector<std::uint8_t> toRgb8(bool dither) const;

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

float clamp01(float v);
float smoothstep(float e0, float e1, float x);

}  // namespace content
