// id.mid: the opening of a new game. Calm piano, then a hopeful flute tune,
// then a resolute horn phrase over the full strings; C major, 84 bpm, 18 bars.
#include "music_pieces.hpp"
#include "score.hpp"

namespace content {

namespace {

enum Channel { kPiano, kStrings, kFlute, kHorn, kCello, kTimpani };

const char* const kChords =
    "C:16 Am:16 F:16 G:16 "             // 1-4 intro
    "C:16 G:16 Am:16 Em:16 "            // 5-8 tune
    "F:16 C:16 Dm:16 G:16 "             // 9-12
    "F:16 G:16 Em:8 Am:8 F:8 G:8 "      // 13-16 resolute
    "C:16 C:16";                        // 17-18 close

const char* const kTune =
    "E5:6 F5:2 G5:4 E5:4  D5:6 C5:2 B4:4 G4:4  C5:4 E5:4 A5:6 G5:2  G5:12 R:4 "
    "A5:6 G5:2 F5:4 A5:4  G5:6 E5:2 C5:8  D5:4 F5:4 A5:4 G5:2 F5:2  E5:4 D5:4 B4:4 D5:4";

const char* const kResolve = "C4:6 F4:2 A4:8  D4:6 G4:2 B4:8  B4:4 G4:4 A4:4 C5:4  A4:6 G4:2 F4:4 D4:4  E4:16 C4:16";

void accompany(MidiTrack& piano, MidiTrack& strings, MidiTrack& cello) {
    const auto chords = progression(kChords, 0);
    for (std::size_t i = 0; i < chords.size(); ++i) {
        const ChordSpan& c = chords[i];
        const bool last = i + 1 == chords.size();
        std::vector<int> low = chordKeys(c.symbol, 3);
        std::vector<int> voicing{low[0], low[2], low[0] + 12, low[1] + 12, low[2] + 12};
        if (last) block(piano, kPiano, c, {low[0], low[2], low[0] + 12, low[1] + 12}, 58);
        else arpeggio(piano, kPiano, c, voicing, "01234321", kStep * 2, i < 4 ? 56 : 50);
        if (c.tick >= bar(3)) {
            std::vector<int> pad = chordKeys(c.symbol, 4);
            int velocity = c.tick >= bar(13) ? 70 : c.tick >= bar(5) ? 52 : 40;
            block(strings, kStrings, c, pad, velocity);
        }
        if (c.tick >= bar(5)) {
            int root = low[0] - 12;
            ChordSpan half{c.symbol, c.tick, c.length / 2};
            cello.note(half.tick, half.length - 20, kCello, root, 70);
            cello.note(half.tick + half.length, half.length - 20, kCello, last ? root : root + 7, 62);
        }
    }
}

MidiTrack percussion() {
    MidiTrack t("timpani and cymbal");
    setupChannel(t, kTimpani, 47, 90, 64, 50);
    setupChannel(t, kDrums, 0, 80, 64, 50);
    for (int i = 0; i < 8; ++i) t.note(bar(12) + kBar / 2 + i * kStep, kStep, kTimpani, key("G2"), 50 + i * 8);
    t.note(bar(13), kBar, kTimpani, key("F2"), 105);
    t.note(bar(17), kBar, kTimpani, key("C2"), 110);
    for (int i = 0; i < 12; ++i) t.note(bar(18) + i * kStep, kStep, kTimpani, key("C2"), 40 + i * 5);
    t.note(bar(13), kBar, kDrums, 49, 80);  // crash cymbal
    t.note(bar(17), kBar, kDrums, 49, 90);
    steps(t, kDrums, bar(13), 4, 36, "x.......o.......", 70);  // soft bass drum
    return t;
}

}  // namespace

std::vector<MidiTrack> composeOpening() {
    MidiTrack piano("piano"), strings("strings"), flute("flute"), horn("horn"), cello("cello");
    setupChannel(piano, kPiano, 0, 96, 54, 60);
    setupChannel(strings, kStrings, 48, 84, 74, 80);
    setupChannel(flute, kFlute, 73, 100, 70, 70);
    setupChannel(horn, kHorn, 60, 110, 60, 70);
    setupChannel(cello, kCello, 42, 92, 44, 60);

    accompany(piano, strings, cello);
    melody(flute, kFlute, bar(5), kTune, 84);
    melody(horn, kHorn, bar(13), kResolve, 96);
    melody(flute, kFlute, bar(13), kResolve, 70, 0.92f, 12);  // the flute doubles an octave up
    return {conductor(84), piano, strings, flute, horn, cello, percussion()};
}

}  // namespace content
