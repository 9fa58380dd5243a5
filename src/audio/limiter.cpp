#include "audio/limiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace minamori {

namespace {

// How long the gain takes to come most of the way back after a loud moment:
// long enough not to pump on a single wave, short enough to leave the next
// sound its loudness.
constexpr float kReleaseSeconds = 0.08f;
constexpr float kLookAheadSeconds = 0.0015f;

}  // namespace

PeakLimiter::PeakLimiter(float makeup, int rate, int channels)
    : makeup_(makeup),
      release_(1 - std::exp(-1 / (kReleaseSeconds * static_cast<float>(std::max(rate, 1))))),
      channels_(std::max(channels, 1)),
      ahead_(std::max(1, static_cast<int>(kLookAheadSeconds * static_cast<float>(rate)))),
      allowed_(static_cast<std::size_t>(2 * ahead_ + 1), 1.0f),
      minimum_(static_cast<std::size_t>(ahead_ + 1), 1.0f),
      delay_(static_cast<std::size_t>(ahead_ * channels_), 0) {}

float PeakLimiter::allowed(const int16_t* frame) const {
    int peak = 0;
    for (int c = 0; c < channels_; ++c) peak = std::max(peak, std::abs(int{frame[c]}));
    const float loud = static_cast<float>(peak) * makeup_;
    return loud > kCeiling ? kCeiling / loud : 1.0f;
}

// The gain for the frame leaving the delay: the average of the lowest gains
// allowed around it. Each of those minima covers that frame, so the average
// never lets it past the ceiling, and the gain falls as a ramp, not a step.
float PeakLimiter::rampedMinimum() {
    const std::size_t n = allowed_.size(), a = static_cast<std::size_t>(ahead_);
    float lowest = 1;
    for (std::size_t k = 0; k <= a; ++k) lowest = std::min(lowest, allowed_[(frame_ + n - k) % n]);
    minimum_[frame_ % minimum_.size()] = lowest;
    return std::accumulate(minimum_.begin(), minimum_.end(), 0.0f) / static_cast<float>(minimum_.size());
}

void PeakLimiter::process(int16_t* samples, std::size_t count) {
    const auto width = static_cast<std::size_t>(channels_);
    const std::size_t slots = delay_.size() / width;
    for (std::size_t start = 0; start + width <= count; start += width, ++frame_) {
        allowed_[frame_ % allowed_.size()] = allowed(samples + start);
        const float target = rampedMinimum();
        gain_ = target < gain_ ? target : gain_ + (target - gain_) * release_;
        int16_t* slot = delay_.data() + (frame_ % slots) * width;
        const float scale = makeup_ * gain_;
        for (std::size_t c = 0; c < width; ++c) {
            const float out = std::clamp(static_cast<float>(slot[c]) * scale, -float{kCeiling}, float{kCeiling});
            slot[c] = std::exchange(samples[start + c], static_cast<int16_t>(std::lround(out)));
        }
    }
}

}  // namespace minamori
