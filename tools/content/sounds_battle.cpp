// Battle sounds: hits, falls, the enemy's arrival, turn cues, the result.
#include "sound_makers.hpp"

namespace content {

Samples soundDamage() {
    Samples s = silence(0.32f);
    add(s, Tone{.length = 0.25f, .hz = 140, .hzEnd = 50, .amp = 0.8f, .env = {0.001f, 14, 0.05f}});
    add(s, Noise{.length = 0.3f, .amp = 0.9f, .env = {0.001f, 16, 0.05f}, .cutoff = 3500, .cutoffEnd = 300});
    return s;
}

Samples soundDamageHeavy() {
    Samples s = silence(0.55f);
    add(s, Tone{.length = 0.5f, .hz = 110, .hzEnd = 32, .amp = 1.0f, .env = {0.001f, 7, 0.08f}});
    add(s, Noise{.length = 0.5f, .amp = 1.2f, .env = {0.001f, 9, 0.08f}, .cutoff = 4500, .cutoffEnd = 200});
    add(s, Noise{.start = 0.04f, .length = 0.3f, .amp = 0.5f, .env = {0.001f, 14, 0.05f}, .filter = Filter::Band,
                 .cutoff = 900, .q = 2, .seed = 7});
    saturate(s, 2.5f);
    return s;
}

Samples soundDeath() {
    Samples s = silence(1.9f);
    add(s, Tone{.length = 1.85f, .hz = 220, .hzEnd = 48, .wave = Wave::Saw, .amp = 0.5f, .env = {0.02f, 1.2f, 0.3f},
                .vibratoHz = 5, .vibratoDepth = 0.5f});
    lowpass(s, 700);
    add(s, Tone{.length = 1.85f, .hz = 110, .hzEnd = 30, .amp = 0.5f, .env = {0.02f, 1.0f, 0.3f}});
    add(s, Noise{.length = 1.8f, .amp = 0.4f, .env = {0.05f, 1.5f, 0.3f}, .cutoff = 600, .cutoffEnd = 80});
    return s;
}

Samples soundEnemy() {
    Samples s = silence(0.7f);
    for (float note : {52.0f, 53.0f, 58.0f})  // a clashing cluster: E, F and B flat
        add(s, Tone{.length = 0.65f, .hz = noteHz(note), .wave = Wave::Saw, .amp = 0.25f, .env = {0.002f, 5, 0.1f},
                    .vibratoHz = 7, .vibratoDepth = 0.15f});
    lowpass(s, 2500);
    add(s, Tone{.length = 0.5f, .hz = noteHz(28), .amp = 0.6f, .env = {0.002f, 6, 0.1f}});
    add(s, Noise{.length = 0.15f, .amp = 0.5f, .env = {0.001f, 25, 0.03f}, .cutoff = 5000, .cutoffEnd = 800});
    return s;
}

Samples soundEscape() {
    Samples s = silence(0.5f);
    add(s, Noise{.length = 0.48f, .amp = 1.0f, .env = {0.12f, 3, 0.25f}, .filter = Filter::Band, .cutoff = 400,
                 .cutoffEnd = 3200, .q = 2.5f});
    add(s, Tone{.length = 0.35f, .hz = 300, .hzEnd = 1400, .wave = Wave::Triangle, .amp = 0.12f, .env = {0.05f, 4, 0.1f}});
    return s;
}

Samples soundTurn() {
    Samples s = silence(0.3f);
    add(s, Tone{.length = 0.09f, .hz = noteHz(76), .wave = Wave::Triangle, .amp = 0.25f, .env = {0.002f, 8, 0.02f}});
    add(s, Tone{.start = 0.09f, .length = 0.2f, .hz = noteHz(81), .wave = Wave::Triangle, .amp = 0.25f,
                .env = {0.002f, 10, 0.04f}});
    return s;
}

Samples soundTurnAlt() {
    Samples s = silence(0.35f);
    add(s, Tone{.length = 0.25f, .hz = 160, .hzEnd = 70, .amp = 0.6f, .env = {0.001f, 14, 0.04f}});
    add(s, Tone{.start = 0.02f, .length = 0.3f, .hz = noteHz(69), .wave = Wave::Saw, .amp = 0.2f, .env = {0.004f, 9, 0.05f}});
    add(s, Tone{.start = 0.02f, .length = 0.3f, .hz = noteHz(64), .wave = Wave::Saw, .amp = 0.2f, .env = {0.004f, 9, 0.05f}});
    return s;
}

Samples soundTaiko() {
    Samples s = silence(0.9f);
    add(s, Tone{.length = 0.85f, .hz = 95, .hzEnd = 55, .amp = 1.0f, .env = {0.002f, 5, 0.1f}});
    add(s, Tone{.length = 0.3f, .hz = 180, .hzEnd = 120, .amp = 0.3f, .env = {0.002f, 14, 0.05f}});
    add(s, Noise{.length = 0.2f, .amp = 0.6f, .env = {0.001f, 25, 0.05f}, .cutoff = 900, .cutoffEnd = 200});
    add(s, Noise{.length = 0.03f, .amp = 0.3f, .env = {0.0005f, 120, 0.01f}, .filter = Filter::Band, .cutoff = 2500,
                 .q = 1.5f, .seed = 3});
    return s;
}

Samples soundVictory() {
    Samples s = silence(1.7f);
    const float run[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        add(s, Tone{.start = 0.1f * i, .length = 0.12f, .hz = noteHz(run[i]), .wave = Wave::Square, .amp = 0.2f,
                    .env = {0.003f, 4, 0.02f}});
    for (float note : {72.0f, 76.0f, 79.0f, 84.0f})
        add(s, Tone{.start = 0.45f, .length = 1.2f, .hz = noteHz(note), .wave = Wave::Square, .amp = 0.12f,
                    .env = {0.005f, 1.6f, 0.3f}, .vibratoHz = 6, .vibratoDepth = 0.12f});
    add(s, Tone{.start = 0.45f, .length = 1.2f, .hz = noteHz(48), .wave = Wave::Triangle, .amp = 0.4f, .env = {0.005f, 2, 0.3f}});
    return s;
}

Samples soundDefeat() {
    Samples s = silence(1.9f);
    const float fall[] = {67, 66, 65, 64};
    for (int i = 0; i < 4; ++i) {
        float length = i == 3 ? 1.0f : 0.32f;
        add(s, Tone{.start = 0.3f * i, .length = length, .hz = noteHz(fall[i]), .hzEnd = noteHz(fall[i] - 0.6f),
                    .wave = Wave::Triangle, .amp = 0.45f, .env = {0.01f, i == 3 ? 2.0f : 3.0f, 0.08f},
                    .vibratoHz = 5, .vibratoDepth = i == 3 ? 0.3f : 0});
    }
    add(s, Tone{.start = 0.9f, .length = 1.0f, .hz = noteHz(40), .amp = 0.3f, .env = {0.05f, 2, 0.3f}});
    return s;
}

}  // namespace content
