#include "harbour.hpp"

#include <algorithm>
#include <cmath>

#include "noise.hpp"

namespace content {

namespace {

constexpr int kPlank = 23;
constexpr int kQuayTop = kWall.y1;

// Charred cedar: near-black boards with a faint grain, darker seams and
// narrow battens over them.
void paintWall(Image& img, float tone) {
    for (int y = kWall.y0; y < kWall.y1; ++y)
        for (int x = kWall.x0; x < kWall.x1; ++x) {
            const int plank = x / kPlank, inPlank = x % kPlank;
            const float own = 0.8f + 0.4f * latticeHash(plank, 0, 71);
            const float grain = 0.85f + 0.3f * fbm(x / 3.0f, y / 60.0f, 72 + static_cast<std::uint32_t>(plank), 3);
            float v = tone * own * grain;
            if (inPlank == 0) v *= 0.45f;                 // the seam
            if (inPlank >= kPlank - 3) v *= 1.25f;        // the batten over it
            const float sky = smoothstep(250, kWall.x1, static_cast<float>(x)) * 0.25f;  // light from the open side
            v *= 1 + sky;
            img.at(x, y) = Rgb{v * 1.02f, v, v * 0.96f};
        }
}

// The corner post where the wall ends, its edge catching the daylight.
void paintCornerPost(Image& img, Rgb rim, float tone) {
    for (int y = kWall.y0; y < kWall.y1; ++y)
        for (int x = kWall.x1 - 8; x < kWall.x1 + 3; ++x) {
            const float edge = smoothstep(kWall.x1 - 2.0f, kWall.x1 + 2.0f, static_cast<float>(x));
            const Rgb wood{tone * 1.5f, tone * 1.4f, tone * 1.3f};
            img.at(x, y) = mix(wood, rim, edge * (0.8f + 0.2f * fbm(x / 2.0f, y / 40.0f, 73, 2)));
        }
}

// The eave overhead, reaching a little past the corner, its rafter ends lit.
void paintEave(Image& img, float tone, Rgb rim) {
    const int reach = kWall.x1 + 58;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < reach; ++x) {
            const float v = tone * (0.7f + 0.3f * fbm(x / 30.0f, y / 4.0f, 74, 2));
            Rgb c{v, v, v * 1.05f};
            const bool rafterEnd = x > kWall.x1 && y >= 18 && (x - kWall.x1) % 14 < 8;
            if (rafterEnd) c = mix(c, rim, 0.45f);
            img.at(x, y) = c;
        }
}

// The board: a white face in a brown frame under a small cap. The frame runs
// only where the panel writes light text or nothing: the cap over the face's
// top rows, the left post under the label's colon, and the right side.
void paintSignboard(Image& img, const HarbourLight& light) {
    const Rgb wood = light.board * Rgb{0.36f, 0.25f, 0.17f};
    for (int y = kSignboard.y0; y < kSignboard.y1; ++y)
        for (int x = kSignboard.x0 - 6; x < kSignboard.x1 + 2; ++x) {
            const bool cap = y < kSignboard.y0 + 4;
            const bool frame = x < kSignboard.x0 || x >= kSignboard.x1 - 4;
            const float grain = 0.99f + 0.01f * fbm(x / 40.0f, y / 2.0f, 75, 2);
            if (cap || frame)
                img.at(x, y) = wood * ((cap && y == kSignboard.y0 ? 1.5f : 1.0f) * (0.8f + 0.4f * grain - 0.2f));
            else
                img.at(x, y) = light.board * ((x - kSignboard.x0) % 52 == 51 ? 0.9f : grain);  // its planks' joints
        }
    for (int y = kSignboard.y0 + 2; y < kSignboard.y1 + 2; ++y)  // its shadow on the wall, to the right
        for (int x = kSignboard.x1 + 2; x < kSignboard.x1 + 4; ++x) img.at(x, y) = img.at(x, y) * 0.5f;
    // A red mark of the harbour at the board's right end, clear of the panel's words.
    const float cx = kSignboard.x1 - 20.0f, cy = (kSignboard.y0 + 4 + kSignboard.y1) / 2.0f, r = 9;
    for (int y = kSignboard.y0; y < kSignboard.y1; ++y)
        for (int x = kSignboard.x1 - 34; x < kSignboard.x1 - 4; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            img.blend(x, y, Rgb{0.78f, 0.12f, 0.12f} * (light.board.r), clamp01(r - d + 0.5f) - clamp01(r - 3 - d + 0.5f));
        }
}

// Stone slabs in the sun, with the storehouse's shadow falling across them.
void paintQuay(Image& img, const HarbourLight& light) {
    for (int y = kQuayTop; y < img.height(); ++y) {
        const float depth = static_cast<float>(y - kQuayTop) / static_cast<float>(img.height() - kQuayTop);
        const int row = static_cast<int>(std::sqrt(depth) * 7);
        const float slabH = 1.0f / 7;
        for (int x = 0; x < img.width(); ++x) {
            const float width = 60 + 90 * depth;
            const float sx = (x - 320) / width + row * 0.5f;
            const bool joint = std::fmod(std::sqrt(depth) / slabH, 1.0f) < 0.06f ||
                               std::fmod(sx + 100, 1.0f) < 0.6f / width * 6;
            const float own = 0.9f + 0.2f * latticeHash(static_cast<int>(std::floor(sx)), row, 76);
            const float grit = 0.9f + 0.2f * fbm(x / 3.0f, y / 3.0f, 77, 2);
            const float shadowEdge = kWall.x1 - 40 - 160 * depth;
            const float lit = smoothstep(shadowEdge - 6, shadowEdge + 6, static_cast<float>(x));
            Rgb c = mix(light.quayShade, light.quayLit, lit) * (own * grit);
            if (joint) c = c * 0.6f;
            img.at(x, y) = c;
        }
    }
    for (int x = 0; x < img.width(); ++x)  // the quay's edge
        for (int y = kQuayTop; y < kQuayTop + 3; ++y) img.at(x, y) = img.at(x, y) * (0.55f + 0.15f * (y - kQuayTop));
}

// Glass fishing floats in rope nets, hung low on the wall below the panel's
// rows, catching the light from the open side.
void paintFloats(Image& img, float tone) {
    struct Float {
        float x, y, r;
        Rgb glass;
    };
    const Float floats[] = {{262, 318, 13, {0.22f, 0.5f, 0.46f}},
                            {296, 330, 15, {0.2f, 0.38f, 0.55f}},
                            {334, 314, 12, {0.3f, 0.52f, 0.32f}}};
    const float light = std::clamp(tone * 14, 0.2f, 1.0f);
    for (const Float& f : floats) {
        for (int y = static_cast<int>(f.y - f.r * 2.6f); y < static_cast<int>(f.y - f.r); ++y)  // the cord
            img.blend(static_cast<int>(f.x), y, Rgb{0.3f, 0.24f, 0.16f} * light, 0.8f);
        for (int y = static_cast<int>(f.y - f.r - 1); y <= static_cast<int>(f.y + f.r + 1); ++y)
            for (int x = static_cast<int>(f.x - f.r - 1); x <= static_cast<int>(f.x + f.r + 1); ++x) {
                const float dx = (x + 0.5f - f.x) / f.r, dy = (y + 0.5f - f.y) / f.r;
                const float d = std::sqrt(dx * dx + dy * dy);
                const float cover = clamp01((1 - d) * f.r + 0.5f);
                if (cover <= 0) continue;
                const float shade = 0.45f + 0.55f * clamp01(0.6f * dx - 0.4f * dy + 0.5f);
                Rgb c = f.glass * (shade * light);
                const float shine = std::exp(-((dx - 0.4f) * (dx - 0.4f) + (dy + 0.45f) * (dy + 0.45f)) * 30);
                c = c + Rgb{0.9f, 0.95f, 1.0f} * (shine * 0.8f * light);
                const bool net = std::fmod(std::abs(dx + dy) * 3.2f, 1.0f) < 0.12f ||
                                 std::fmod(std::abs(dx - dy) * 3.2f + 0.5f, 1.0f) < 0.12f;
                if (net) c = Rgb{0.36f, 0.28f, 0.18f} * light;
                img.blend(x, y, c, cover);
            }
    }
}

}  // namespace

void paintHarbour(Image& img, const HarbourLight& light) {
    paintQuay(img, light);
    paintWall(img, light.wall);
    paintCornerPost(img, light.rim, light.wall);
    paintFloats(img, light.wall);
    paintEave(img, light.wall * 0.8f, light.rim);
    paintSignboard(img, light);
}

}  // namespace content
