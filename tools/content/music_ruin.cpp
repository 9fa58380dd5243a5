// ruin.mid: under the essay on who gained from the dispute. Somber D minor at
// 60 bpm: string chords, a cello line answered by an oboe, sparse piano; 15 bars.
#include "music_pieces.hpp"
#include "score.hpp"

namespace content {

namespace {

enum Channel { kStrings, kCello, kPiano, kBass, kOboe };

const char* const kChords =
    "Dm:16 Bb:16 Gm:16 A:16 Dm:16 F:16 Gm:16 A:16 "
    "Bb:16 Gm:16 Dm:16 A:16 Dm:16 Gm:8 A:8 Dm:16";

const char* const kCelloLine =
    "D4:6 E4:2 F4:8  D4:6 C4:2 Bb3:8  G3:6 A3:2 Bb3:4 D4:4  C#4:12 R:4 "
    "A3:6 D4:2 F4:4 A4:4  G4:6 F4:2 C4:8  Bb3:4 D4:4 G4:6 F4:2  E4:12 R:4";

const char* const kOboeLine = "F5:6 D5:2 Bb4:8  G5:6 F5:2 D5:8  F5:4 E5:4 D5:4 A4:4  C#5:12 R:4";

const char* const kCelloEnd = "D4:6 F4:2 A4:8  G4:8 E4:8  D4:16";

void accompany(MidiTrack& strings, MidiTrack& piano, MidiTrack& bass) {
    for (const ChordSpan& c : progression(kChords, 0)) {
        std::vector<int> mid = chordKeys(c.symbol, 4);
        block(strings, kStrings, c, mid, c.tick >= bar(9) && c.tick < bar(13) ? 62 : 50);
        const int root = chordKeys(c.symbol, 2)[0];
        bass.note(c.tick, c.length - 40, kBass, root, 64);
        piano.note(c.tick, kTicksPerBeat * 2, kPiano, root + 12, 48);
        if (c.length == kBar) {
            std::vector<int> high = chordKeys(c.symbol, 5);
            piano.note(c.tick + kTicksPerBeat, kTicksPerBeat, kPiano, high[0], 36);
            piano.note(c.tick + kTicksPerBeat * 2, kTicksPerBeat, kPiano, high[2], 34);
            piano.note(c.tick + kTicksPerBeat * 3, kTicksPerBeat, kPiano, high[1], 32);
        }
    }
}

}  // namespace

std::vector<MidiTrack> composeRuin() {
    MidiTrack strings("strings"), cello("cello"), piano("piano"), bass("contrabass"), oboe("oboe");
    setupChannel(strings, kStrings, 48, 80, 70, 90);
    setupChannel(cello, kCello, 42, 110, 50, 70);
    setupChannel(piano, kPiano, 0, 84, 64, 80);
    setupChannel(bass, kBass, 43, 84, 60, 70);
    setupChannel(oboe, kOboe, 68, 100, 80, 80);

    accompany(strings, piano, bass);
    melody(cello, kCello, 0, kCelloLine, 82, 0.97f);
    melody(oboe, kOboe, bar(9), kOboeLine, 78, 0.95f);
    melody(cello, kCello, bar(13), kCelloEnd, 84, 0.97f);
    return {conductor(60), strings, cello, piano, bass, oboe};
}

}  // namespace content
