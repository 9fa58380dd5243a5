#include "noise.hpp"

#include <cmath>

namespace content {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::uniform() { return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24); }

float Rng::range(float lo, float hi) { return lo + (hi - lo) * uniform(); }

int Rng::below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

float latticeHash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / static_cast<float>(1u << 24);
}

float valueNoise(float x, float y, std::uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = latticeHash(ix, iy, seed), b = latticeHash(ix + 1, iy, seed);
    float c = latticeHash(ix, iy + 1, seed), d = latticeHash(ix + 1, iy + 1, seed);
    float top = a + (b - a) * tx;
    float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fbm(float x, float y, std::uint32_t seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        norm += amp;
        // Rotate a little between octaves so the lattice does not show.
        float nx = x * 1.6f + y * 1.2f, ny = -x * 1.2f + y * 1.6f;
        x = nx + 17.3f;
        y = ny + 5.1f;
        amp *= 0.5f;
    }
    return sum / norm;
}

}  // namespace content
