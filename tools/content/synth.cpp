#include "synth.hpp"

#include <algorithm>
#include <cmath>

#include "noise.hpp"

namespace content {

namespace {

constexpr float kTwoPi = 6.28318530718f;
constexpr float kDt = 1.0f / kSampleRate;

float envelopeAt(const Envelope& e, float t, float length) {
    float a = e.attack > 0 ? std::min(1.0f, t / e.attack) : 1.0f;
    float d = e.decay > 0 ? std::exp(-e.decay * t) : 1.0f;
    float r = e.release > 0 ? std::clamp((length - t) / e.release, 0.0f, 1.0f) : 1.0f;
    return a * d * r;
}

// Smooths the jump of a square or saw so high notes do not alias harshly.
float polyBlep(float phase, float step) {
    if (phase < step) {
        float t = phase / step;
        return t + t - t * t - 1;
    }
    if (phase > 1 - step) {
        float t = (phase - 1) / step;
        return t * t + t + t + 1;
    }
    return 0;
}

float oscillator(Wave w, float phase, float step) {
    switch (w) {
        case Wave::Sine: return std::sin(kTwoPi * phase);
        case Wave::Triangle: return 4 * std::fabs(phase - 0.5f) - 1;
        case Wave::Square: {
            float v = phase < 0.5f ? 1.0f : -1.0f;
            float half = phase + 0.5f;
            return v + polyBlep(phase, step) - polyBlep(half - std::floor(half), step);
        }
        case Wave::Saw: return 2 * phase - 1 - polyBlep(phase, step);
    }
    return 0;
}

std::size_t firstSample(float start) { return static_cast<std::size_t>(std::max(0.0f, start) * kSampleRate); }

// Zavalishin's state-variable filter: stable at any cutoff.
struct Svf {
    float ic1 = 0, ic2 = 0;
    float run(float x, float hz, float q, Filter f) {
        float g = std::tan(3.14159265f * std::min(hz, kSampleRate * 0.45f) / kSampleRate);
        float k = 1 / q;
        float a1 = 1 / (1 + g * (g + k)), a2 = g * a1, a3 = g * a2;
        float v3 = x - ic2;
        float v1 = a1 * ic1 + a2 * v3;
        float v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        return f == Filter::Low ? v2 : f == Filter::Band ? v1 : x - k * v1 - v2;
    }
};

}  // namespace

Samples silence(float seconds) { return Samples(static_cast<std::size_t>(seconds * kSampleRate), 0.0f); }

float noteHz(float midiNote) { return 440.0f * std::pow(2.0f, (midiNote - 69) / 12.0f); }

void add(Samples& out, const Tone& t) {
    const std::size_t s0 = firstSample(t.start);
    const std::size_t n = static_cast<std::size_t>(t.length * kSampleRate);
    const float ratio = t.hzEnd > 0 ? t.hzEnd / t.hz : 1.0f;
    float phase = 0;
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        float time = i * kDt;
        float hz = t.hz * std::pow(ratio, time / t.length);
        if (t.vibratoDepth > 0) hz *= std::pow(2.0f, t.vibratoDepth / 12 * std::sin(kTwoPi * t.vibratoHz * time));
        float step = hz * kDt;
        out[s0 + i] += t.amp * envelopeAt(t.env, time, t.length) * oscillator(t.wave, phase, step);
        phase += step;
        phase -= std::floor(phase);
    }
}

void add(Samples& out, const Fm& f) {
    const std::size_t s0 = firstSample(f.start);
    const std::size_t n = static_cast<std::size_t>(f.length * kSampleRate);
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        float time = i * kDt;
        float index = f.index * std::exp(-f.indexDecay * time);
        float mod = index * std::sin(kTwoPi * f.hz * f.ratio * time);
        out[s0 + i] += f.amp * envelopeAt(f.env, time, f.length) * std::sin(kTwoPi * f.hz * time + mod);
    }
}

void add(Samples& out, const Noise& nz) {
    const std::size_t s0 = firstSample(nz.start);
    const std::size_t n = static_cast<std::size_t>(nz.length * kSampleRate);
    const float ratio = nz.cutoffEnd > 0 ? nz.cutoffEnd / nz.cutoff : 1.0f;
    Rng rng(nz.seed);
    Svf filter;
    for (std::size_t i = 0; i < n && s0 + i < out.size(); ++i) {
        float time = i * kDt;
        float hz = nz.cutoff * std::pow(ratio, time / nz.length);
        float v = filter.run(rng.uniform() * 2 - 1, hz, nz.q, nz.filter);
        out[s0 + i] += nz.amp * envelopeAt(nz.env, time, nz.length) * v;
    }
}

void addBell(Samples& out, float start, float hz, float amp, float decay) {
    static const float partials[][2] = {{1, 1}, {2.0f, 0.5f}, {2.76f, 0.45f}, {5.4f, 0.25f}, {8.93f, 0.12f}};
    float k = 1;
    for (const auto& p : partials) {
        Tone t;
        t.start = start, t.length = std::min(4.0f, 5.0f / decay), t.hz = hz * p[0], t.amp = amp * p[1];
        t.env = {0.002f, decay * k, 0.05f};
        add(out, t);
        k += 0.6f;
    }
}

void addMallet(Samples& out, float start, float hz, float amp) {
    Tone body;
    body.start = start, body.length = 0.6f, body.hz = hz, body.amp = amp, body.env = {0.002f, 7, 0.05f};
    add(out, body);
    Tone ring = body;
    ring.hz = hz * 4, ring.amp = amp * 0.3f, ring.env.decay = 30;
    add(out, ring);
}

void lowpass(Samples& out, float hz) {
    Svf filter;
    for (float& v : out) v = filter.run(v, hz, 0.7f, Filter::Low);
}

void saturate(Samples& out, float drive) {
    for (float& v : out) v = std::tanh(v * drive) / std::tanh(drive);
}

void finish(Samples& out) {
    const std::size_t fadeIn = kSampleRate * 2 / 1000, fadeOut = kSampleRate * 12 / 1000;
    for (std::size_t i = 0; i < fadeIn && i < out.size(); ++i) out[i] *= static_cast<float>(i) / fadeIn;
    for (std::size_t i = 0; i < fadeOut && i < out.size(); ++i) out[out.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
    float peak = 0;
    for (float v : out) peak = std::max(peak, std::fabs(v));
    if (peak <= 0) return;
    const float gain = 0.708f / peak;  // -3 dBFS
    for (float& v : out) v *= gain;
}

}  // namespace content
