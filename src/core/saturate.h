// Arithmetic on game figures that never overflows: values from the save file and
// from script lines may be anything a 32-bit integer holds, so sums are computed
// wide and held at the 32-bit limits.
#pragma once

#include <cstdint>
#include <limits>

namespace minamori {

inline int32_t saturate32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// a + b, held at the 32-bit limits.
inline int32_t addSat(int32_t a, int64_t b) { return saturate32(int64_t{a} + b); }

// The absolute value, exact even for the most negative number.
inline int64_t absWide(int64_t v) { return v < 0 ? -v : v; }

}  // namespace minamori
