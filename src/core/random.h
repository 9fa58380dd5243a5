// The game's one random generator. R(n) is uniform on 0..n-1, and 0 for n <= 0.
#pragma once

#include <cstdint>
#include <random>

namespace minamori {

class Random {
public:
    explicit Random(uint64_t seed = 1) { reseed(seed); }

    void reseed(uint64_t seed) { engine_.seed(seed); }

    // Uniform on 0..n-1 by rejection, so the draws are the same on every
    // standard library (std::uniform_int_distribution is not).
    int32_t R(int64_t n) {
        if (n <= 0) return 0;
        const uint64_t range = static_cast<uint64_t>(n);
        const uint64_t limit = engine_.max() - (engine_.max() % range);
        uint64_t v;
        do {
            v = engine_();
        } while (v >= limit);
        return static_cast<int32_t>(v % range);
    }

    // The next raw value, without drawing it: two games whose generators agree
    // here have drawn alike so far (the replay tests compare it).
    uint64_t fingerprint() const {
        std::mt19937_64 copy = engine_;
        return copy();
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace minamori
