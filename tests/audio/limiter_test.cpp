// The limiter on the mixed output, on plain buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "audio/limiter.h"

namespace {

constexpr int kRate = 22050;

// A stereo sine of the given amplitude, both channels alike.
std::vector<int16_t> sine(double amplitude, double seconds, double hz = 440) {
    std::vector<int16_t> s;
    for (int i = 0; i < static_cast<int>(seconds * kRate); ++i) {
        const auto v = static_cast<int16_t>(std::lround(amplitude * std::sin(2 * M_PI * hz * i / kRate)));
        s.push_back(v);
        s.push_back(v);
    }
    return s;
}

int peak(const std::vector<int16_t>& s, std::size_t from = 0) {
    int p = 0;
    for (std::size_t i = from; i < s.size(); ++i) p = std::max(p, std::abs(int{s[i]}));
    return p;
}

TEST(PeakLimiter, EightFullScaleSoundsMixedWithHeadroomStayBelowFullScale) {
    // Eight full-scale waves at an eighth each fill the mixer's sum.
    std::vector<int16_t> mix = sine(8 * (32767 / 8), 0.5);
    minamori::PeakLimiter limiter(8, kRate, 2);
    limiter.process(mix.data(), mix.size());
    EXPECT_LE(peak(mix), minamori::PeakLimiter::kCeiling);
    EXPECT_GT(peak(mix), minamori::PeakLimiter::kCeiling * 0.95);
    // Turned down ahead of time, not flattened against the ceiling.
    int flat = 0;
    for (std::size_t i = 4; i < mix.size(); ++i)
        flat += std::abs(int{mix[i]}) > 16000 && mix[i] == mix[i - 2] && mix[i] == mix[i - 4];
    EXPECT_EQ(flat, 0);
}

TEST(PeakLimiter, QuietSoundsPassWithTheirLoudnessGivenBack) {
    std::vector<int16_t> mix = sine(1000, 0.2);
    const std::vector<int16_t> in = mix;
    minamori::PeakLimiter limiter(8, kRate, 2);
    limiter.process(mix.data(), mix.size());
    const auto delay = static_cast<std::size_t>(2 * limiter.delayFrames());
    EXPECT_LT(delay, 2u * kRate / 500);  // under two milliseconds late
    for (std::size_t i = 0; i < delay; ++i) ASSERT_EQ(mix[i], 0) << i;
    for (std::size_t i = delay; i < mix.size(); ++i) ASSERT_EQ(mix[i], in[i - delay] * 8) << i;
}

TEST(PeakLimiter, TheGainComesBackSmoothlyAfterALoudMoment) {
    minamori::PeakLimiter limiter(8, kRate, 2);
    std::vector<int16_t> loud = sine(16000, 0.1);
    limiter.process(loud.data(), loud.size());
    const float lowest = limiter.gain();
    EXPECT_LT(lowest, 0.3f);
    // Fed in small buffers, as the mixer does: the gain never leaps back.
    float last = lowest;
    for (int buffer = 0; buffer < 40; ++buffer) {
        std::vector<int16_t> quiet = sine(500, 512.0 / kRate);
        limiter.process(quiet.data(), quiet.size());
        EXPECT_GE(limiter.gain(), last);
        EXPECT_LT(limiter.gain() - last, 0.25f);
        last = limiter.gain();
    }
    EXPECT_GT(last, 0.99f);  // back after about a second
}

TEST(PeakLimiter, BothChannelsOfAFrameAreTurnedDownAlike) {
    std::vector<int16_t> frames;
    for (int i = 0; i < 100; ++i) {
        frames.push_back(32000);  // loud left
        frames.push_back(2000);   // quiet right
    }
    minamori::PeakLimiter limiter(8, kRate, 2);
    limiter.process(frames.data(), frames.size());
    for (std::size_t i = 0; i < frames.size(); i += 2)
        EXPECT_NEAR(frames[i] / 16.0, frames[i + 1], 1.0) << i;  // the balance kept
}

}  // namespace
