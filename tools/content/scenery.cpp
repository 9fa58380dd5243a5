#include "scenery.hpp"

namespace content {

std::vector<PlacedIsland> islandGroup(float cx, float baseY, float s, bool mirrored) {
    const float m = mirrored ? -1.0f : 1.0f;
    auto at = [&](float dx) { return cx + dx * s * m; };
    std::vector<PlacedIsland> g;
    g.push_back({{at(-118), baseY - 3 * s, 30 * s, {{0, 14 * s, 24 * s}, {8 * m * s, 10 * s, 14 * s}}, 41}, 1.0f});
    g.push_back({{at(120), baseY - 2 * s, 50 * s,
                  {{-8 * m * s, 34 * s, 34 * s}, {14 * m * s, 26 * s, 30 * s}, {-30 * m * s, 12 * s, 20 * s}}, 42},
                 0.6f});
    g.push_back({{at(0), baseY, 92 * s,
                  {{-22 * m * s, 66 * s, 52 * s}, {18 * m * s, 50 * s, 44 * s}, {-60 * m * s, 24 * s, 30 * s},
                   {52 * m * s, 22 * s, 34 * s}},
                  43},
                 0.2f});
    g.push_back({{at(-78), baseY + 3 * s, 11 * s, {{0, 30 * s, 10 * s}}, 44}, 0.1f});
    g.push_back({{at(-92), baseY + 4 * s, 7 * s, {{0, 14 * s, 7 * s}}, 45}, 0.1f});
    g.push_back({{at(176), baseY + 1 * s, 10 * s, {{0, 16 * s, 9 * s}}, 46}, 0.4f});
    return g;
}

void paintIslandGroup(Image& img, const std::vector<PlacedIsland>& group, IslandStyle style) {
    const float baseHaze = style.hazeAmount;
    for (const PlacedIsland& p : group) {
        IslandStyle s = style;
        s.hazeAmount = baseHaze + (1 - baseHaze) * 0.45f * p.distance;
        paintIsland(img, p.island, s);
    }
}

}  // namespace content
