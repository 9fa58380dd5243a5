// Jingles and fanfares: level-ups, items, titles, morning starts, reputation.
#include "sound_makers.hpp"

namespace content {

namespace {

// A bright brass-like note: FM with a ratio of 1 and a quickly settling index.
void brass(Samples& s, float at, float length, float note, float amp) {
    add(s, Fm{.start = at, .length = length, .hz = noteHz(note), .ratio = 1, .index = 2.5f, .indexDecay = 3,
              .amp = amp, .env = {0.015f, 1.2f, 0.06f}});
}

void squareNote(Samples& s, float at, float length, float note, float amp, float decay) {
    add(s, Tone{.start = at, .length = length, .hz = noteHz(note), .wave = Wave::Square, .amp = amp,
                .env = {0.003f, decay, 0.03f}});
}

}  // namespace

Samples soundLevelUp() {
    Samples s = silence(1.5f);
    const float run[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) squareNote(s, 0.08f * i, 0.1f, run[i], 0.18f, 3);
    for (float n : {76.0f, 79.0f, 84.0f}) squareNote(s, 0.36f, 1.1f, n, 0.12f, 1.8f);
    for (int i = 0; i < 8; ++i) squareNote(s, 0.36f + 0.06f * i, 0.06f, i % 2 ? 91.0f : 88.0f, 0.06f, 6);
    add(s, Tone{.start = 0.36f, .length = 1.1f, .hz = noteHz(48), .wave = Wave::Triangle, .amp = 0.35f, .env = {0.005f, 2, 0.2f}});
    return s;
}

Samples soundLevelUpAlt() {
    Samples s = silence(1.5f);
    const float run[] = {65, 69, 72, 77};
    for (int i = 0; i < 4; ++i) brass(s, 0.09f * i, 0.12f, run[i], 0.3f);
    for (float n : {65.0f, 69.0f, 72.0f, 77.0f}) brass(s, 0.4f, 1.05f, n, 0.2f);
    add(s, Tone{.start = 0.4f, .length = 1.05f, .hz = noteHz(41), .wave = Wave::Triangle, .amp = 0.35f, .env = {0.005f, 2, 0.2f}});
    addBell(s, 0.4f, noteHz(89), 0.12f, 4);
    return s;
}

Samples soundStatUp() {
    Samples s = silence(0.8f);
    addBell(s, 0, noteHz(88), 0.35f, 6);
    addBell(s, 0.12f, noteHz(95), 0.35f, 5);
    return s;
}

Samples soundItem() {
    Samples s = silence(1.3f);
    for (int i = 0; i < 3; ++i) squareNote(s, 0.08f * i, 0.07f, 79, 0.18f, 0);
    squareNote(s, 0.24f, 0.9f, 84, 0.18f, 2);
    squareNote(s, 0.24f, 0.9f, 79, 0.1f, 2);
    squareNote(s, 0.24f, 0.9f, 76, 0.1f, 2);
    add(s, Tone{.start = 0.24f, .length = 0.9f, .hz = noteHz(48), .wave = Wave::Triangle, .amp = 0.35f, .env = {0.005f, 2.5f, 0.2f}});
    return s;
}

Samples soundHome() {
    Samples s = silence(1.3f);
    const float chord[] = {53, 57, 60, 65, 69};
    for (int i = 0; i < 5; ++i)
        add(s, Tone{.start = 0.03f * i, .length = 1.2f, .hz = noteHz(chord[i]), .wave = Wave::Triangle, .amp = 0.18f,
                    .env = {0.04f, 1.5f, 0.25f}, .vibratoHz = 5, .vibratoDepth = 0.06f});
    addMallet(s, 0, noteHz(77), 0.2f);
    return s;
}

Samples soundStart() {
    Samples s = silence(1.3f);
    const float motif[] = {72, 74, 76, 79, 81};
    for (int i = 0; i < 5; ++i) addMallet(s, 0.11f * i, noteHz(motif[i]), 0.35f);
    addMallet(s, 0.6f, noteHz(84), 0.4f);
    addMallet(s, 0.6f, noteHz(76), 0.25f);
    add(s, Tone{.start = 0.6f, .length = 0.7f, .hz = noteHz(48), .amp = 0.3f, .env = {0.005f, 3, 0.2f}});
    return s;
}

Samples soundStartAlt() {
    Samples s = silence(1.4f);
    const float motif[] = {79, 76, 81, 84, 86};
    for (int i = 0; i < 5; ++i) addBell(s, 0.13f * i, noteHz(motif[i]), 0.22f, 5);
    addBell(s, 0.7f, noteHz(91), 0.25f, 3);
    add(s, Tone{.start = 0.7f, .length = 0.7f, .hz = noteHz(55), .wave = Wave::Triangle, .amp = 0.3f, .env = {0.01f, 3, 0.2f}});
    return s;
}

Samples soundFameUp() {
    Samples s = silence(0.85f);
    const float up[] = {72, 74, 76, 79, 81, 84};
    for (int i = 0; i < 6; ++i)
        add(s, Tone{.start = 0.07f * i, .length = 0.4f, .hz = noteHz(up[i]), .wave = Wave::Triangle, .amp = 0.3f,
                    .env = {0.002f, 6, 0.05f}});
    addBell(s, 0.42f, noteHz(96), 0.12f, 6);
    return s;
}

Samples soundFameDown() {
    Samples s = silence(0.85f);
    const float down[] = {60, 57, 54, 51};
    for (int i = 0; i < 4; ++i)
        add(s, Tone{.start = 0.13f * i, .length = 0.35f, .hz = noteHz(down[i]), .hzEnd = noteHz(down[i] - 0.5f),
                    .wave = Wave::Triangle, .amp = 0.4f, .env = {0.01f, 5, 0.06f}});
    add(s, Noise{.length = 0.8f, .amp = 0.15f, .env = {0.05f, 3, 0.2f}, .cutoff = 500});
    return s;
}

Samples soundGameOver() {
    Samples s = silence(2.0f);
    const float fall[] = {69, 67, 65, 64, 62, 57};
    for (int i = 0; i < 6; ++i) {
        float length = i == 5 ? 1.0f : 0.26f;
        add(s, Tone{.start = 0.22f * i, .length = length, .hz = noteHz(fall[i]), .wave = Wave::Triangle, .amp = 0.4f,
                    .env = {0.02f, i == 5 ? 1.8f : 2.5f, 0.08f}});
    }
    for (float n : {45.0f, 48.0f, 52.0f})
        add(s, Tone{.length = 1.98f, .hz = noteHz(n), .amp = 0.12f, .env = {0.4f, 0.6f, 0.4f}});
    return s;
}

Samples soundRebirth() {
    Samples s = silence(2.0f);
    for (int k = 0; k < 4; ++k)
        add(s, Tone{.start = 0.05f * k, .length = 1.7f, .hz = noteHz(60 + 7 * k), .hzEnd = noteHz(72 + 7 * k),
                    .amp = 0.15f, .env = {0.3f, 0.8f, 0.4f}, .vibratoHz = 7, .vibratoDepth = 0.1f});
    const float up[] = {72, 76, 79, 84, 88, 91, 96};
    for (int i = 0; i < 7; ++i) addBell(s, 0.6f + 0.1f * i, noteHz(up[i]), 0.12f, 4);
    return s;
}

Samples soundDream() {
    Samples s = silence(2.0f);
    for (float n : {60.0f, 64.0f, 67.0f})
        for (float detune : {-0.08f, 0.08f})
            add(s, Tone{.length = 1.98f, .hz = noteHz(n + detune), .amp = 0.08f, .env = {0.5f, 0.3f, 0.6f}});
    const float arp[] = {84, 88, 91, 95, 98, 95, 91, 88};
    for (int i = 0; i < 8; ++i)
        add(s, Tone{.start = 0.18f * i, .length = 0.6f, .hz = noteHz(arp[i]), .amp = 0.12f, .env = {0.01f, 5, 0.1f}});
    return s;
}

}  // namespace content
