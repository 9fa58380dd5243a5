#include "sea.hpp"

#include <cmath>

#include "noise.hpp"

namespace content {

namespace {

// Height of the water at a point on the sea plane, roughly 0..1.
float waveHeight(float wx, float wz, std::uint32_t seed) {
    float swell = 0.5f + 0.5f * std::sin(wz * 2.1f + fbm(wx * 0.35f, wz * 0.25f, seed, 3) * 6.0f);
    float chop = fbm(wx * 1.4f, wz * 3.2f, seed + 9, 4);
    return 0.45f * swell + 0.55f * chop;
}

}  // namespace

void paintSea(Image& img, const SeaStyle& s) {
    const float depthRows = static_cast<float>(img.height() - s.horizon);
    const float halfW = img.width() * 0.5f;
    for (int y = s.horizon; y < img.height(); ++y) {
        float d = (y - s.horizon + 0.5f) / depthRows;  // 0 at horizon, 1 at bottom
        float wz = 1.0f / (d + 0.035f);                // distance along the sea
        float detail = smoothstep(0.0f, 0.12f, d);     // waves blur away at the horizon
        Rgb base = mix(s.far, s.near, std::pow(d, 0.6f));
        for (int x = 0; x < img.width(); ++x) {
            float wx = (x - halfW) / halfW * wz * 1.6f;
            float h = waveHeight(wx, wz, s.seed);
            float hb = waveHeight(wx, wz + 0.04f * wz * wz * d, s.seed);
            float slope = (h - hb) * s.roughness;
            Rgb c = base * (1.0f + (h - 0.5f) * 0.35f * s.roughness * detail + slope * 0.6f * detail);
            float crest = smoothstep(0.68f, 0.85f, h) * s.crestAmount * (0.3f + 0.7f * detail);
            c = mix(c, s.crest, crest * clamp01(0.4f + slope * 4));
            if (s.glintX >= 0) {
                float width = s.glintWidth * (0.35f + 1.4f * d);
                float dx = (x - s.glintX) / width;
                float column = std::exp(-dx * dx);
                float sparkle = smoothstep(0.55f, 0.8f, fbm(wx * 4.0f, wz * 9.0f, s.seed + 31, 3));
                c = c + s.glint * (column * s.glintAmount * (0.25f * column + sparkle));
            }
            img.at(x, y) = c;
        }
    }
}

}  // namespace content
