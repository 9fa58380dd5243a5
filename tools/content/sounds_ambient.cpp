// Surroundings and alarms: the alert bell, birds at dawn, night, disaster news.
#include <cmath>

#include "noise.hpp"
#include "sound_makers.hpp"

namespace content {

Samples soundAlertBell() {
    Samples s = silence(1.3f);
    addBell(s, 0, noteHz(81), 0.4f, 3);
    addBell(s, 0.28f, noteHz(81), 0.4f, 3);
    addBell(s, 0.56f, noteHz(81), 0.35f, 2.5f);
    return s;
}

Samples soundBirds() {
    Samples s = silence(1.6f);
    Rng rng(9001);
    float at = 0.02f;
    for (int i = 0; i < 9; ++i) {
        float base = rng.range(2600, 4200);
        float len = rng.range(0.05f, 0.11f);
        bool rising = rng.uniform() < 0.5f;
        add(s, Tone{.start = at, .length = len, .hz = rising ? base * 0.75f : base * 1.3f, .hzEnd = base,
                    .amp = 0.35f, .env = {0.005f, 0, 0.02f}, .vibratoHz = 40, .vibratoDepth = 0.8f});
        at += len + (i % 3 == 2 ? rng.range(0.18f, 0.3f) : rng.range(0.02f, 0.05f));
    }
    return s;
}

Samples soundNight() {
    Samples s = silence(2.0f);
    addBell(s, 0, noteHz(45), 0.45f, 1.2f);
    // Crickets: a high tone pulsed in short bursts.
    for (int burst = 0; burst < 5; ++burst) {
        float at = 0.25f + burst * 0.33f;
        for (int p = 0; p < 4; ++p)
            add(s, Tone{.start = at + p * 0.03f, .length = 0.022f, .hz = 4300, .amp = 0.08f, .env = {0.004f, 0, 0.008f}});
    }
    return s;
}

Samples soundDisaster() {
    Samples s = silence(1.7f);
    for (int i = 0; i < 6; ++i) {
        float note = i % 2 ? 76.0f : 81.0f;
        add(s, Tone{.start = 0.26f * i, .length = 0.25f, .hz = noteHz(note), .wave = Wave::Square, .amp = 0.2f,
                    .env = {0.01f, 0, 0.03f}});
        add(s, Tone{.start = 0.26f * i, .length = 0.25f, .hz = noteHz(note - 12), .wave = Wave::Saw, .amp = 0.12f,
                    .env = {0.01f, 0, 0.03f}});
    }
    return s;
}

}  // namespace content
