// Painter for rocky islands standing on the sea, with their reflections.
#pragma once

#include <cstdint>
#include <vector>

#include "image.hpp"

namespace content {

struct Peak {
    float offset;     // from the island's centre, in pixels
    float height;     // in pixels
    float halfWidth;  // in pixels
};

struct Island {
    float cx = 320;
    float baseY = 300;  // the waterline
    float halfWidth = 60;
    std::vector<Peak> peaks;
    std::uint32_t seed = 5;
};

struct IslandStyle {
    Rgb dark{0.15f, 0.15f, 0.17f};
    Rgb light{0.45f, 0.42f, 0.38f};
    Rgb grass{0.22f, 0.35f, 0.2f};
    float grassAmount = 0.5f;
    Rgb haze{0.6f, 0.7f, 0.8f};
    float hazeAmount = 0.2f;
    Rgb rim{1, 0.8f, 0.5f};
    float rimAmount = 0;
    float lightFromLeft = 1;  // +1 sun on the left, -1 on the right
    Rgb foam{0.9f, 0.95f, 1.0f};
    float foamAmount = 0.6f;
    float reflection = 0.6f;
    float alpha = 1;          // below 1 lets the island fade into the weather
};

void paintIsland(Image& img, const Island& island, const IslandStyle& style);

}  // namespace content
