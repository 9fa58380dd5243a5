#include "islands.hpp"

#include <algorithm>
#include <cmath>

#include "noise.hpp"

namespace content {

namespace {

// Height of the island above its waterline at column x (0 outside it).
float profile(const Island& is, float x) {
    float t = (x - is.cx) / is.halfWidth;
    if (std::fabs(t) >= 1) return 0;
    float h = 0;
    for (const Peak& p : is.peaks) {
        float u = std::fabs(x - is.cx - p.offset) / p.halfWidth;
        if (u < 1) h = std::max(h, p.height * std::pow(1 - u * u, 0.85f) * (1 - 0.35f * u));
    }
    float top = h > 0 ? h : 1;
    float freq = 2.2f / is.halfWidth;
    float rough = (fbm(x * freq, 0.5f, is.seed, 5) - 0.5f) * 0.5f * top;
    rough += (fbm(x * freq * 6, 3.5f, is.seed + 7, 2) - 0.5f) * 0.08f * top;
    float shoulder = smoothstep(0, 0.1f, 1 - std::fabs(t));  // cliffs at the ends
    return std::max(0.0f, (h + rough) * shoulder + 2.5f * shoulder);
}

// Which way the rock faces at column x: -1 towards the left, +1 towards the right.
float facing(const Island& is, float x) {
    float sum = 0, weight = 0;
    for (const Peak& p : is.peaks) {
        float u = (x - is.cx - p.offset) / p.halfWidth;
        if (std::fabs(u) >= 1) continue;
        float w = p.height * (1 - std::fabs(u));
        sum += w * u;
        weight += w;
    }
    return weight > 0 ? std::clamp(sum / weight * 1.6f, -1.0f, 1.0f) : 0;
}

Rgb rockColour(const Island& is, const IslandStyle& s, int x, int y, float heights[3], float top) {
    float slope = (heights[2] - heights[0]) * 0.5f;
    float face = facing(is, static_cast<float>(x)) * s.lightFromLeft;
    float detail = fbm(x * 0.09f, y * 0.11f, is.seed + 3, 4) - 0.5f;
    float strata = fbm(x * 0.03f, y * 0.45f, is.seed + 4, 3) - 0.5f;
    float gully = fbm(x * 0.28f, y * 0.035f, is.seed + 5, 3) - 0.5f;
    float lit = clamp01(0.55f - face * 0.45f + detail * 0.7f + strata * 0.35f - std::fabs(gully) * 0.5f);
    float depth = clamp01((y - top) / std::max(8.0f, heights[1]));  // 0 at the ridge
    Rgb c = mix(s.dark, s.light, lit);
    float green = s.grassAmount * smoothstep(1.4f, 0.3f, std::fabs(slope)) * smoothstep(0.6f, 0.1f, depth) *
                  smoothstep(0.4f, 0.6f, fbm(x * 0.1f, y * 0.14f, is.seed + 11, 3) + 0.15f * (1 - face));
    c = mix(c, s.grass * (0.6f + 0.7f * lit), green);
    c = c * (1 - 0.3f * depth * depth);  // the foot of the cliffs is in shadow
    return mix(c, s.haze, s.hazeAmount);
}

void paintReflection(Image& img, const Island& is, const IslandStyle& s) {
    const int x0 = static_cast<int>(is.cx - is.halfWidth), x1 = static_cast<int>(is.cx + is.halfWidth);
    const int base = static_cast<int>(is.baseY);
    Rgb tone = mix(s.dark * 0.6f, s.haze, 0.1f + 0.5f * s.hazeAmount) * 0.8f;
    for (int y = base + 1; y < img.height(); ++y) {
        float below = static_cast<float>(y - base);
        for (int x = x0 - 3; x <= x1 + 3; ++x) {
            float wobble = std::sin(y * 1.3f + x * 0.05f) * (0.6f + below * 0.08f);
            float h = profile(is, x + wobble);
            float reach = h * 0.8f;
            if (below > reach) continue;
            float a = s.reflection * s.alpha * (1 - below / (reach + 1)) * (0.75f + 0.25f * std::sin(y * 2.1f));
            img.blend(x, y, tone, a);
        }
    }
}

}  // namespace

void paintIsland(Image& img, const Island& is, const IslandStyle& s) {
    paintReflection(img, is, s);
    const int x0 = static_cast<int>(is.cx - is.halfWidth), x1 = static_cast<int>(is.cx + is.halfWidth);
    const int base = static_cast<int>(is.baseY);
    for (int x = std::max(0, x0); x <= std::min(img.width() - 1, x1); ++x) {
        float hs[3] = {profile(is, x - 1.0f), profile(is, x + 0.5f), profile(is, x + 1.0f)};
        float top = is.baseY - hs[1];
        for (int y = std::max(0, static_cast<int>(top)); y <= base; ++y) {
            float cover = clamp01(y + 1 - top);
            Rgb c = rockColour(is, s, x, y, hs, top);
            float rim = s.rimAmount * std::exp(-(y - top) * 0.7f) * clamp01(0.4f + 0.3f * (hs[2] - hs[0]) * -s.lightFromLeft);
            c = c + s.rim * rim;
            img.blend(x, y, c, cover * s.alpha);
        }
        float surf = s.foamAmount * smoothstep(0.55f, 0.8f, fbm(x * 0.2f, 1.0f, is.seed + 21, 3));
        for (int y = base; y <= base + 1; ++y) img.blend(x, y, s.foam, surf * s.alpha * (y == base ? 0.8f : 0.4f));
    }
}

}  // namespace content
