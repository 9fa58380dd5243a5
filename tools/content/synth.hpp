// A small synthesiser for the sound effects: oscillators with envelopes and
// pitch glides, FM, struck-bell partials and filtered noise, mixed into a buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace content {

constexpr int kSampleRate = 22050;
using Samples = std::vector<float>;

Samples silence(float seconds);
float noteHz(float midiNote);  // 69 = A4 = 440 Hz

enum class Wave { Sine, Triangle, Square, Saw };

// Loudness over time shared by every source: a linear attack, an exponential
// decay (rate per second, 0 for none) and a linear release at the end.
struct Envelope {
    float attack = 0.005f;
    float decay = 0;
    float release = 0.02f;
};

struct Tone {
    float start = 0, length = 0.2f;
    float hz = 440, hzEnd = 0;  // hzEnd > 0 glides there exponentially
    Wave wave = Wave::Sine;
    float amp = 0.5f;
    Envelope env;
    float vibratoHz = 0, vibratoDepth = 0;  // depth in semitones
};

struct Fm {
    float start = 0, length = 0.3f;
    float hz = 440, ratio = 2, index = 3;
    float indexDecay = 6;  // the brightness fades faster than the loudness
    float amp = 0.5f;
    Envelope env;
};

enum class Filter { Low, Band, High };

struct Noise {
    float start = 0, length = 0.2f;
    float amp = 0.5f;
    Envelope env;
    Filter filter = Filter::Low;
    float cutoff = 2000, cutoffEnd = 0;  // cutoffEnd > 0 sweeps exponentially
    float q = 0.7f;
    std::uint32_t seed = 1;
};

void add(Samples& out, const Tone& t);
void add(Samples& out, const Fm& f);
void add(Samples& out, const Noise& n);

// A struck metal bar or bell: inharmonic partials, the high ones dying first.
void addBell(Samples& out, float start, float hz, float amp, float decay);

// A mallet note (marimba-like): fundamental plus a quickly fading fourth partial.
void addMallet(Samples& out, float start, float hz, float amp);

// Darkens a whole buffer (for buzzy saw layers).
void lowpass(Samples& out, float hz);

// Soft saturation for heavier hits.
void saturate(Samples& out, float drive);

// Short fades at both ends against clicks, then the peak set to -3 dBFS.
void finish(Samples& out);

}  // namespace content
