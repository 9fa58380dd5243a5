// Keeps the mixed sound below full scale. The mixer sums the effects with
// headroom; this restores their loudness and turns down only what would still
// clip. It looks a millisecond and a half ahead, so the gain is already down
// when a loud sample comes out and no wave is flattened against the ceiling;
// then it recovers smoothly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace minamori {

class PeakLimiter {
public:
    // makeup: the gain that undoes the mixer's headroom; rate in frames a
    // second; channels: interleaved samples a frame, all given the same gain.
    PeakLimiter(float makeup, int rate, int channels);

    // Limits the samples in place; they come out delayFrames() frames late.
    void process(int16_t* samples, std::size_t count);

    float gain() const { return gain_; }
    int delayFrames() const { return ahead_; }

    // The loudest sample the limiter lets through.
    static constexpr int kCeiling = 32000;

private:
    float allowed(const int16_t* frame) const;
    float rampedMinimum();

    float makeup_;
    float release_;  // share of the gap to the target gain closed each frame
    int channels_;
    int ahead_;
    std::vector<float> allowed_;   // the gain each of the last 2 * ahead + 1 frames allows
    std::vector<float> minimum_;   // the lowest of the next ahead + 1, for the last ahead + 1 frames
    std::vector<int16_t> delay_;   // the frames still to come out
    std::size_t frame_ = 0;
    float gain_ = 1;
};

}  // namespace minamori
