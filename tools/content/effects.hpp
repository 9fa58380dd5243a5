// Whole-picture effects: blur, quiet areas for the game's text, vignette, weather.
#pragma once

#include <cstdint>

#include "image.hpp"

namespace content {

struct Rect {
    int x0, y0, x1, y1;
};

// Separable box blur, run twice (close to a Gaussian).
Image blurred(const Image& img, int radius);

// Smooths and darkens a rectangle with soft edges, so light text drawn there
// by the game stays readable.
void calmRegion(Image& img, Rect r, int feather, float darken, float smooth);

// Darkens the corners.
void vignette(Image& img, float strength);

// Thin diagonal streaks (rain, or speed lines when bright).
void streaks(Image& img, std::uint32_t seed, int count, Rect area, float angle, float minLen, float maxLen,
             Rgb colour, float alpha);

// A jagged bolt of light from (x, y) downwards with a glow.
void lightning(Image& img, std::uint32_t seed, float x, float y, float length, Rgb colour);

// Multiplies every pixel by a colour (film-like grading).
void tint(Image& img, Rgb factor);

}  // namespace content
