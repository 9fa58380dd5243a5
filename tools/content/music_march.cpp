// 15.mid: the home country regains its own defence forces. A triumphant
// march in C major at 112 bpm: trumpet tune, brass off-beats, tuba, snare; 19 bars.
#include "music_pieces.hpp"
#include "score.hpp"

namespace content {

namespace {

enum Channel { kTrumpet, kBrass, kTuba, kHorns, kTimpani };

const char* const kChords =
    "C:16 C:16 "                                          // 1-2 fanfare
    "C:16 G:16 C:16 F:16 C:16 G:16 Dm:8 G:8 C:16 "        // 3-10 theme
    "Am:16 Em:16 F:16 C:16 Dm:16 G:16 "                   // 11-16 middle
    "C:16 F:8 G:8 C:16";                                  // 17-19 close

const char* const kTune =
    "G4:3 G4:1 C5:4 C5:3 E5:1 G5:4  E5:3 C5:1 G5:4 C6:8 "
    "C5:4 C5:3 D5:1 E5:4 E5:3 F5:1  G5:6 F5:2 E5:4 D5:4  E5:3 F5:1 G5:4 C6:4 G5:4  A5:6 G5:2 F5:4 C5:4 "
    "E5:3 E5:1 G5:4 E5:4 C5:4  D5:6 E5:2 D5:4 B4:4  D5:3 F5:1 A5:4 G5:3 F5:1 D5:4  C5:12 G4:4 "
    "A4:4 C5:4 E5:4 A5:4  G5:6 E5:2 B4:8  C5:4 F5:4 A5:4 C6:4  C6:6 B5:2 G5:8  F5:4 E5:4 D5:4 A5:4 "
    "G5:8 G5:3 G5:1 B5:4  C6:8 G5:4 E5:4  F5:4 A5:4 B5:4 D6:4  C6:12 R:4";

void oomPah(MidiTrack& brass, MidiTrack& tuba, MidiTrack& horns) {
    const auto chords = progression(kChords, 0);
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const ChordSpan& c = chords[i];
        const std::vector<int> low = chordKeys(c.symbol, 2), mid = chordKeys(c.symbol, 4);
        if (i + 1 == chords.size()) {  // the final chord, held by everyone
            block(brass, kBrass, c, mid, 110);
            block(tuba, kTuba, {c.symbol, c.tick, kBar}, {low[0]}, 110);
            block(horns, kHorns, c, {mid[0] - 12, mid[1] - 12, mid[2] - 12}, 100);
            break;
        }
        for (std::uint32_t beat = 0; beat < c.length; beat += kTicksPerBeat) {
            const bool strong = beat % (kTicksPerBeat * 2) == 0;
            if (strong) tuba.note(c.tick + beat, kTicksPerBeat - 60, kTuba, beat == 0 ? low[0] : low[2] - 12, 100);
            else
                for (int k : mid) brass.note(c.tick + beat, kStep * 2, kBrass, k, 84);
        }
        if (c.tick >= bar(3)) block(horns, kHorns, c, {mid[1] - 12, mid[2] - 12}, 70);
    }
}

MidiTrack drums() {
    MidiTrack t("drums");
    setupChannel(t, kDrums, 0, 96, 64, 40);
    setupChannel(t, kTimpani, 47, 100, 64, 50);
    for (int i = 0; i < 32; ++i) t.note(bar(1) + i * kStep, kStep, kDrums, 38, 40 + i * 2);  // opening roll
    steps(t, kDrums, bar(3), 16, 38, "X.xxx.x.X.xxx.x.", 72);
    steps(t, kDrums, bar(3), 16, 36, "x.......x.......", 92);
    for (int b : {3, 11, 17}) t.note(bar(b), kBar, kDrums, 49, 100);
    t.note(bar(19), kBar, kDrums, 49, 115);
    t.note(bar(19), kTicksPerBeat, kDrums, 36, 120);
    for (int b : {1, 3, 11, 17}) t.note(bar(b), kTicksPerBeat, kTimpani, key("C2"), 110);
    for (int i = 0; i < 16; ++i) t.note(bar(16) + i * kStep, kStep, kTimpani, key("G2"), 60 + i * 3);
    t.note(bar(19), kBar, kTimpani, key("C2"), 120);
    return t;
}

}  // namespace

std::vector<MidiTrack> composeMarch() {
    MidiTrack trumpet("trumpet"), brass("brass"), tuba("tuba"), horns("horns");
    setupChannel(trumpet, kTrumpet, 56, 112, 64, 60);
    setupChannel(brass, kBrass, 61, 88, 80, 60);
    setupChannel(tuba, kTuba, 58, 100, 50, 50);
    setupChannel(horns, kHorns, 60, 84, 44, 70);

    oomPah(brass, tuba, horns);
    melody(trumpet, kTrumpet, 0, kTune, 100, 0.85f);
    return {conductor(112), trumpet, brass, tuba, horns, drums()};
}

}  // namespace content
