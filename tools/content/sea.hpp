// Painter for the open sea: waves that shrink towards the horizon, crests and a glitter path.
#pragma once

#include <cstdint>

#include "image.hpp"

namespace content {

struct SeaStyle {
    std::uint32_t seed = 3;
    int horizon = 300;
    Rgb far{0.45f, 0.6f, 0.75f};   // colour at the horizon
    Rgb near{0.05f, 0.2f, 0.35f};  // colour at the bottom edge
    Rgb crest{0.8f, 0.9f, 1.0f};   // wave highlights
    float crestAmount = 0.35f;
    float roughness = 1.0f;        // scales wave contrast
    float glintX = -1;             // x of the sun or moon path; < 0 for none
    float glintWidth = 30;
    Rgb glint{1, 0.95f, 0.8f};
    float glintAmount = 0.9f;
};

void paintSea(Image& img, const SeaStyle& style);

}  // namespace content
