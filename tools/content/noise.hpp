// Seeded random numbers and value noise, so every run makes the same content.
#pragma once

#include <cstdint>

namespace content {

// Small fast generator (splitmix64); the same seed always gives the same stream.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    float uniform();                      // [0, 1)
    float range(float lo, float hi);      // [lo, hi)
    int below(int n);                     // [0, n)

private:
    std::uint64_t state_;
};

// Hash of a lattice point to [0, 1).
float latticeHash(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1).
float valueNoise(float x, float y, std::uint32_t seed);

// Sum of octaves of value noise, normalised to [0, 1).
float fbm(float x, float y, std::uint32_t seed, int octaves);

}  // namespace content
