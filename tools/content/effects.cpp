#include "effects.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.hpp"

namespace content {

namespace {

void boxPass(const Image& src, Image& dst, int radius, bool horizontal) {
    const int w = src.width(), h = src.height();
    const int outer = horizontal ? h : w, inner = horizontal ? w : h;
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    for (int o = 0; o < outer; ++o) {
        auto px = [&](int i) -> const Rgb& {
            i = std::clamp(i, 0, inner - 1);
            return horizontal ? src.at(i, o) : src.at(o, i);
        };
        Rgb sum{};
        for (int i = -radius; i <= radius; ++i) sum = sum + px(i);
        for (int i = 0; i < inner; ++i) {
            (horizontal ? dst.at(i, o) : dst.at(o, i)) = sum * norm;
            sum = sum + px(i + radius + 1) - px(i - radius);
        }
    }
}

float edgeWeight(int v, int lo, int hi, int feather) {
    return smoothstep(static_cast<float>(lo - feather), static_cast<float>(lo), static_cast<float>(v)) *
           smoothstep(static_cast<float>(hi + feather), static_cast<float>(hi), static_cast<float>(v));
}

}  // namespace

Image blurred(const Image& img, int radius) {
    Image a(img.width(), img.height()), b(img.width(), img.height());
    boxPass(img, a, radius, true);
    boxPass(a, b, radius, false);
    boxPass(b, a, radius, true);
    boxPass(a, b, radius, false);
    return b;
}

void calmRegion(Image& img, Rect r, int feather, float darken, float smooth) {
    Image soft = blurred(img, 10);
    for (int y = 0; y < img.height(); ++y) {
        float wy = edgeWeight(y, r.y0, r.y1, feather);
        if (wy <= 0) continue;
        for (int x = 0; x < img.width(); ++x) {
            float m = wy * edgeWeight(x, r.x0, r.x1, feather);
            if (m <= 0) continue;
            Rgb c = mix(img.at(x, y), soft.at(x, y), smooth * m);
            img.at(x, y) = c * (1 - (1 - darken) * m);
        }
    }
}

void vignette(Image& img, float strength) {
    const float cx = img.width() * 0.5f, cy = img.height() * 0.5f;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            float dx = (x - cx) / cx, dy = (y - cy) / cy;
            float k = 1 - strength * smoothstep(0.35f, 1.5f, dx * dx + dy * dy);
            img.at(x, y) = img.at(x, y) * k;
        }
}

void streaks(Image& img, std::uint32_t seed, int count, Rect area, float angle, float minLen, float maxLen,
             Rgb colour, float alpha) {
    Rng rng(seed);
    const float dx = std::cos(angle), dy = std::sin(angle);
    for (int i = 0; i < count; ++i) {
        float x = rng.range(static_cast<float>(area.x0), static_cast<float>(area.x1));
        float y = rng.range(static_cast<float>(area.y0), static_cast<float>(area.y1));
        float len = rng.range(minLen, maxLen);
        float a = alpha * rng.range(0.4f, 1.0f);
        for (float t = 0; t < len; t += 0.5f) {
            float fade = std::sin(3.14159f * t / len);  // thin at both ends
            img.blendSubpixel(x + dx * t, y + dy * t, colour, a * fade);
        }
    }
}

void lightning(Image& img, std::uint32_t seed, float x, float y, float length, Rgb colour) {
    Rng rng(seed);
    std::vector<std::pair<float, float>> path{{x, y}};
    float step = length / 24;
    for (int i = 0; i < 24; ++i) {
        x += rng.range(-1.0f, 1.0f) * step * 0.9f;
        y += step;
        path.emplace_back(x, y);
    }
    for (std::size_t i = 1; i < path.size(); ++i) {
        auto [ax, ay] = path[i - 1];
        auto [bx, by] = path[i];
        for (float t = 0; t <= 1; t += 0.05f) {
            float px = ax + (bx - ax) * t, py = ay + (by - ay) * t;
            for (int oy = -6; oy <= 6; ++oy)
                for (int ox = -6; ox <= 6; ++ox) {
                    float d2 = static_cast<float>(ox * ox + oy * oy);
                    float k = 0.012f * std::exp(-d2 / 14.0f) + (d2 < 1.5f ? 0.12f : 0);
                    img.add(static_cast<int>(px) + ox, static_cast<int>(py) + oy, colour * k);
                }
        }
    }
}

void tint(Image& img, Rgb factor) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.at(x, y) = img.at(x, y) * factor;
}

}  // namespace content
