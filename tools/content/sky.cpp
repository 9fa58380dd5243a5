#include "sky.hpp"

#include <algorithm>
#include <cmath>

#include "noise.hpp"

namespace content {

namespace {

Rgb gradientAt(const std::vector<Stop>& stops, float t) {
    if (t <= stops.front().at) return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            float span = stops[i].at - stops[i - 1].at;
            float k = span > 0 ? (t - stops[i - 1].at) / span : 1;
            return mix(stops[i - 1].colour, stops[i].colour, smoothstep(0, 1, k));
        }
    }
    return stops.back().colour;
}

void drawStar(Image& img, float x, float y, float m, Rgb tint) {
    Rgb c = tint * m;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            float fx = x - (std::floor(x) + dx + 0.5f), fy = y - (std::floor(y) + dy + 0.5f);
            float w = std::exp(-(fx * fx + fy * fy) * (m > 0.6f ? 1.6f : 3.0f));
            img.add(static_cast<int>(x) + dx, static_cast<int>(y) + dy, c * w);
        }
    if (m < 0.8f) return;
    for (int k = 2; k <= 5; ++k) {
        Rgb s = c * (0.35f / static_cast<float>(k));
        int ix = static_cast<int>(x), iy = static_cast<int>(y);
        img.add(ix + k, iy, s);
        img.add(ix - k, iy, s);
        img.add(ix, iy + k, s);
        img.add(ix, iy - k, s);
    }
}

}  // namespace

void verticalGradient(Image& img, int y0, int y1, const std::vector<Stop>& stops) {
    for (int y = std::max(0, y0); y <= std::min(img.height() - 1, y1); ++y) {
        float t = y1 > y0 ? static_cast<float>(y - y0) / static_cast<float>(y1 - y0) : 0;
        Rgb c = gradientAt(stops, t);
        for (int x = 0; x < img.width(); ++x) img.at(x, y) = c;
    }
}

void addGlow(Image& img, float cx, float cy, float radius, Rgb colour, float strength) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            float dx = (x - cx) / radius, dy = (y - cy) / radius;
            float d2 = dx * dx + dy * dy;
            float k = 0.55f * std::exp(-d2 * 4.0f) + 0.45f / (1 + d2 * 2.5f);
            img.add(x, y, colour * (k * strength));
        }
}

void paintClouds(Image& img, const CloudStyle& s) {
    const float band = static_cast<float>(s.bottom - s.top);
    for (int y = std::max(0, s.top); y <= std::min(img.height() - 1, s.bottom); ++y) {
        float v = (y - s.top) / band;
        float edge = smoothstep(0, 0.25f, v) * smoothstep(1, 0.7f, v);
        for (int x = 0; x < img.width(); ++x) {
            float n = fbm(x / s.scaleX, y / s.scaleY, s.seed, 6) * (0.55f + 0.45f * edge) + 0.1f * edge;
            float density = smoothstep(s.coverage, s.coverage + s.softness, n);
            if (s.fadeFromX != s.fadeToX) density *= smoothstep(s.fadeFromX, s.fadeToX, static_cast<float>(x));
            if (density <= 0) continue;
            float toward = fbm(x / s.scaleX, (y - 7 * s.lightFromAbove) / s.scaleY, s.seed, 6) *
                               (0.55f + 0.45f * edge) + 0.1f * edge;
            float light = clamp01(0.35f + (n - toward) * 9.0f + (1 - density) * 0.3f);
            Rgb c = mix(s.shade, s.lit, light);
            img.blend(x, y, c, density * s.opacity);
        }
    }
}

void paintStars(Image& img, std::uint32_t seed, int count, int yMax, float brightness) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(0, static_cast<float>(img.width()));
        float y = rng.uniform();
        y = y * y * static_cast<float>(yMax);  // denser high up
        float m = rng.uniform();
        m = m * m * m;
        float fade = 1 - y / static_cast<float>(yMax);
        float warm = rng.uniform();
        Rgb tint = warm < 0.2f ? Rgb{1.0f, 0.9f, 0.75f} : warm > 0.8f ? Rgb{0.75f, 0.85f, 1.0f} : Rgb{1, 1, 1};
        drawStar(img, x, y, (0.12f + 0.88f * m) * fade * brightness, tint);
    }
}

void paintMoon(Image& img, float cx, float cy, float r, Rgb colour) {
    addGlow(img, cx, cy, r * 5, colour * 0.35f, 0.5f);
    const int x0 = static_cast<int>(cx - r - 2), x1 = static_cast<int>(cx + r + 2);
    const int y0 = static_cast<int>(cy - r - 2), y1 = static_cast<int>(cy + r + 2);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float d = std::sqrt(dx * dx + dy * dy);
            float cover = clamp01(r - d + 0.5f);
            if (cover <= 0) continue;
            float limb = std::sqrt(clamp01(1 - (d * d) / (r * r)));
            float maria = smoothstep(0.5f, 0.7f, fbm(x / (r * 0.45f), y / (r * 0.45f), 77, 4));
            Rgb c = colour * ((0.82f + 0.18f * limb) * (1 - 0.22f * maria));
            img.blend(x, y, c, cover);
        }
}

void paintSun(Image& img, float cx, float cy, float r, Rgb colour, int clipY) {
    addGlow(img, cx, cy, r * 9, colour * 0.5f, 0.8f);
    for (int y = static_cast<int>(cy - r - 2); y <= std::min(clipY, static_cast<int>(cy + r + 2)); ++y)
        for (int x = static_cast<int>(cx - r - 2); x <= static_cast<int>(cx + r + 2); ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float cover = clamp01(r - std::sqrt(dx * dx + dy * dy) + 0.5f);
            img.blend(x, y, mix(colour, Rgb{1, 1, 0.95f}, 0.6f), cover);
        }
}

}  // namespace content
