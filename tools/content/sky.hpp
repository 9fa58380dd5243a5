// Painters for the sky: gradients, glows, clouds, stars, the moon.
#pragma once

#include <cstdint>
#include <vector>

#include "image.hpp"

namespace content {

struct Stop {
    float at;  // 0 at the first row of the band, 1 at the last
    Rgb colour;
};

// Fills rows y0..y1 (inclusive) with a vertical gradient through the stops.
void verticalGradient(Image& img, int y0, int y1, const std::vector<Stop>& stops);

// Soft additive light around (cx, cy): a tight core and a wide halo.
void addGlow(Image& img, float cx, float cy, float radius, Rgb colour, float strength);

struct CloudStyle {
    std::uint32_t seed = 1;
    int top = 0, bottom = 200;     // band the clouds live in
    float scaleX = 220, scaleY = 40;
    float coverage = 0.55f;        // higher: fewer clouds
    float softness = 0.18f;
    Rgb lit{1, 1, 1}, shade{0.6f, 0.65f, 0.75f};
    float opacity = 0.9f;
    float lightFromAbove = 1;      // +1 lit from above, -1 from below (sunrise)
    float fadeFromX = 0, fadeToX = 0;  // when set, clouds thin out from fadeToX towards fadeFromX
};

void paintClouds(Image& img, const CloudStyle& style);

// Scatters stars over rows 0..yMax, thinning towards yMax.
void paintStars(Image& img, std::uint32_t seed, int count, int yMax, float brightness);

// A moon disc with a soft halo; phase 0 is full.
void paintMoon(Image& img, float cx, float cy, float r, Rgb colour);

// A sun disc: glow plus a bright core, clipped below clipY (the horizon).
void paintSun(Image& img, float cx, float cy, float r, Rgb colour, int clipY);

}  // namespace content
