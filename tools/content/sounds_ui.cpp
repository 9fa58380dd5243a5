// Interface and money sounds: clicks, blips, coins.
#include "noise.hpp"
#include "sound_makers.hpp"

namespace content {

Samples soundClick() {
    Samples s = silence(0.07f);
    add(s, Tone{.length = 0.06f, .hz = 1900, .hzEnd = 1500, .amp = 0.5f, .env = {0.001f, 70, 0.01f}});
    add(s, Noise{.length = 0.02f, .amp = 0.3f, .env = {0.0005f, 200, 0.005f}, .filter = Filter::High, .cutoff = 4000});
    return s;
}

Samples soundText() {
    Samples s = silence(0.05f);
    add(s, Tone{.length = 0.045f, .hz = 1320, .wave = Wave::Triangle, .amp = 0.5f, .env = {0.001f, 50, 0.01f}});
    return s;
}

Samples soundUp() {
    Samples s = silence(0.16f);
    add(s, Tone{.length = 0.15f, .hz = 520, .hzEnd = 1040, .wave = Wave::Triangle, .amp = 0.3f, .env = {0.003f, 6, 0.03f}});
    return s;
}

Samples soundUpLong() {
    Samples s = silence(0.55f);
    add(s, Tone{.length = 0.5f, .hz = 260, .hzEnd = 1200, .wave = Wave::Triangle, .amp = 0.5f,
                .env = {0.01f, 2, 0.1f}, .vibratoHz = 14, .vibratoDepth = 0.3f});
    add(s, Tone{.length = 0.5f, .hz = 520, .hzEnd = 2400, .amp = 0.15f, .env = {0.01f, 3, 0.1f}});
    return s;
}

Samples soundDown() {
    Samples s = silence(0.16f);
    add(s, Tone{.length = 0.15f, .hz = 900, .hzEnd = 420, .wave = Wave::Triangle, .amp = 0.3f, .env = {0.003f, 6, 0.03f}});
    return s;
}

Samples soundDownLong() {
    Samples s = silence(0.6f);
    add(s, Tone{.length = 0.55f, .hz = 1100, .hzEnd = 180, .wave = Wave::Triangle, .amp = 0.5f,
                .env = {0.005f, 2.5f, 0.12f}, .vibratoHz = 12, .vibratoDepth = 0.4f});
    return s;
}

Samples soundClack() {
    Samples s = silence(0.22f);
    for (float at : {0.0f, 0.09f}) {
        float pitch = at > 0 ? 1.25f : 1.0f;  // "ka" then a higher "tan"
        add(s, Tone{.start = at, .length = 0.08f, .hz = 780 * pitch, .amp = 0.5f, .env = {0.0005f, 55, 0.01f}});
        add(s, Tone{.start = at, .length = 0.05f, .hz = 1930 * pitch, .amp = 0.25f, .env = {0.0005f, 90, 0.01f}});
        add(s, Noise{.start = at, .length = 0.03f, .amp = 0.6f, .env = {0.0005f, 150, 0.005f},
                     .filter = Filter::Band, .cutoff = 1500 * pitch, .q = 3});
    }
    return s;
}

Samples soundCoin() {
    Samples s = silence(0.5f);
    add(s, Tone{.length = 0.08f, .hz = noteHz(83), .wave = Wave::Square, .amp = 0.25f, .env = {0.001f, 0, 0.01f}});
    add(s, Tone{.start = 0.075f, .length = 0.42f, .hz = noteHz(88), .wave = Wave::Square, .amp = 0.25f,
                .env = {0.001f, 7, 0.05f}});
    return s;
}

Samples soundCoinCascade() {
    Samples s = silence(1.6f);
    Rng rng(404);
    for (int i = 0; i < 22; ++i) {
        float at = 0.05f * i + rng.range(0, 0.04f);
        float hz = rng.range(2200, 4200);
        float amp = 0.35f * (1 - i / 30.0f);
        add(s, Fm{.start = at, .length = 0.35f, .hz = hz, .ratio = 1.41f, .index = 1.5f, .indexDecay = 20,
                  .amp = amp, .env = {0.001f, 14, 0.05f}});
    }
    add(s, Noise{.length = 1.3f, .amp = 0.15f, .env = {0.05f, 2, 0.3f}, .filter = Filter::High, .cutoff = 5000});
    return s;
}

Samples soundSparkle() {
    Samples s = silence(0.4f);
    const float notes[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i)
        add(s, Tone{.start = 0.045f * i, .length = 0.2f, .hz = noteHz(notes[i]), .amp = 0.3f, .env = {0.001f, 18, 0.03f}});
    return s;
}

}  // namespace content
