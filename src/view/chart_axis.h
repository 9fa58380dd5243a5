// The scales of the history chart: ranges rounded to steps of 1, 2 or 5 times
// a power of ten, and short labels for large figures.
#pragma once

#include <cstdint>
#include <string>

namespace minamori {

// A range of values from low to high (low < high) with grid lines every step,
// low and high being multiples of step.
struct Axis {
    int64_t low = 0;
    int64_t high = 1;
    int64_t step = 1;
};

// The smallest step of 1, 2 or 5 times a power of ten that cuts span into at
// most maxParts parts.
int64_t niceStep(int64_t span, int maxParts);

// An axis holding every value from minValue to maxValue in at most maxParts steps.
Axis valueAxis(int64_t minValue, int64_t maxValue, int maxParts);

// The first multiple of step at or above value.
int64_t firstMultipleFrom(int64_t value, int64_t step);

// A figure as a short label: "850", "3万", "1.5億", "-20".
std::string axisLabel(int64_t value);

}  // namespace minamori
