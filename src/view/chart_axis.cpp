#include "view/chart_axis.h"

#include <algorithm>

namespace minamori {

namespace {

// Division rounding toward minus infinity, as grid lines below zero need.
int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

int64_t niceStep(int64_t span, int maxParts) {
    span = std::max<int64_t>(span, 1);
    maxParts = std::max(maxParts, 1);
    for (int64_t power = 1;; power *= 10) {
        for (int64_t m : {1, 2, 5})
            if (m * power * maxParts >= span) return m * power;
    }
}

Axis valueAxis(int64_t minValue, int64_t maxValue, int maxParts) {
    if (maxValue < minValue) std::swap(minValue, maxValue);
    Axis axis;
    axis.step = niceStep(maxValue - minValue, maxParts);
    // Rounding both ends outward may add a part; widen the step until it fits.
    for (;;) {
        axis.low = floorDiv(minValue, axis.step) * axis.step;
        axis.high = -floorDiv(-maxValue, axis.step) * axis.step;
        if (axis.high == axis.low) axis.high += axis.step;
        if ((axis.high - axis.low) / axis.step <= maxParts) return axis;
        axis.step = niceStep(axis.step + 1, 1);
    }
}

int64_t firstMultipleFrom(int64_t value, int64_t step) {
    return -floorDiv(-value, step) * step;
}

std::string axisLabel(int64_t value) {
    static constexpr struct {
        int64_t unit;
        const char* name;
    } kUnits[] = {{100000000, "億"}, {10000, "万"}};
    const int64_t size = value < 0 ? -value : value;
    for (const auto& u : kUnits) {
        if (size < u.unit) continue;
        std::string text = std::to_string(value / u.unit);
        const int64_t tenth = size % u.unit / (u.unit / 10);
        if (tenth != 0) text += "." + std::to_string(tenth);
        return text + u.name;
    }
    return std::to_string(value);
}

}  // namespace minamori
