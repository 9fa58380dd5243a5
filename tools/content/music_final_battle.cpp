// 14.mid: the final battle. Driving E minor at 152 bpm: string ostinato,
// chugging guitar and bass, brass stabs, a violin lead and full drums; 32 bars.
#include "music_pieces.hpp"
#include "score.hpp"

namespace content {

namespace {

enum Channel { kLead, kOstinato, kGuitar, kBass, kBrass, kTimpani, kHorns };

const char* const kChords =
    "Em:16 C:16 D:16 B:16 "                                  // 1-4 intro
    "Em:16 C:16 D:16 Em:16 Em:16 C:16 Am:16 B:16 "           // 5-12 A
    "C:16 D:16 Bm:16 Em:16 C:16 D:16 B:16 B:16 "             // 13-20 B
    "Em:16 C:16 D:16 Em:16 Em:16 C:16 Am:16 B:16 "           // 21-28 A again
    "Em:16 C:16 B:16 Em:16";                                 // 29-32 end

const char* const kThemeA =
    "E5:4 B4:2 E5:2 G5:4 F#5:2 E5:2  G5:6 F#5:2 E5:4 C5:4  D5:4 A4:2 D5:2 F#5:4 E5:2 D5:2  E5:12 R:4 "
    "B5:4 A5:2 G5:2 A5:4 G5:2 F#5:2  G5:6 E5:2 C5:4 E5:4  A5:4 G5:2 F#5:2 E5:4 C5:4  D#5:8 F#5:4 B5:4";

const char* const kThemeB =
    "G5:12 E5:4  F#5:12 D5:4  B5:8 A5:4 F#5:4  G5:16  E6:8 D6:4 C6:4  D6:8 A5:4 F#5:4  F#5:8 B5:8  D#6:16";

const char* const kEnding = "E5:4 G5:4 B5:4 E6:4  E6:8 C6:8  B5:8 D#6:8  E6:4 R:12";

bool isB(const ChordSpan& c) { return c.tick >= bar(13) && c.tick < bar(21); }

void rhythm(MidiTrack& ostinato, MidiTrack& guitar, MidiTrack& bass, MidiTrack& brass) {
    for (const ChordSpan& c : progression(kChords, 0)) {
        const std::vector<int> mid = chordKeys(c.symbol, 4), low = chordKeys(c.symbol, 2);
        const bool intro = c.tick < bar(5), last = c.tick >= bar(32);
        if (last) {
            for (int k : {low[0], low[0] + 12}) bass.note(c.tick, kTicksPerBeat, kBass, k, 120);
            for (int k : chordKeys(rootName(c.symbol) + "5", 3)) guitar.note(c.tick, kTicksPerBeat, kGuitar, k, 120);
            block(brass, kBrass, {c.symbol, c.tick, kTicksPerBeat}, mid, 120);
            continue;
        }
        arpeggio(ostinato, kOstinato, c, {mid[0], mid[0] + 12, mid[2], mid[1] + 12}, isB(c) ? "0213" : "0102", kStep,
                 intro ? 70 : 64, 0.7f);
        if (intro) {
            bass.note(c.tick, kBar - 60, kBass, low[0], 100);
            for (int k : chordKeys(rootName(c.symbol) + "5", 3)) guitar.note(c.tick, kTicksPerBeat, kGuitar, k, 110);
            block(brass, kBrass, {c.symbol, c.tick, kTicksPerBeat}, mid, 105);
            continue;
        }
        std::vector<int> power = chordKeys(rootName(c.symbol) + "5", 3);
        arpeggio(bass, kBass, c, {low[0], low[0] + 12}, "00000001", kStep * 2, 96, 0.8f);
        for (std::uint32_t at = 0; at < c.length; at += kStep * 2)
            for (int k : power) guitar.note(c.tick + at, kStep, kGuitar, k, at % kTicksPerBeat == 0 ? 100 : 84);
        if (isB(c)) {
            block(brass, kBrass, {c.symbol, c.tick, kBar / 2}, mid, 88);
        } else {
            block(brass, kBrass, {c.symbol, c.tick, kTicksPerBeat}, mid, 100);
            block(brass, kBrass, {c.symbol, c.tick + kTicksPerBeat + kStep * 2, kStep * 2}, mid, 92);
        }
    }
}

void fill(MidiTrack& t, std::uint32_t at) {
    const int toms[] = {50, 50, 48, 48, 47, 47, 45, 45};
    for (int i = 0; i < 8; ++i) t.note(at + i * kStep, kStep, kDrums, toms[i], 90 + i * 3);
}

MidiTrack drums() {
    MidiTrack t("drums");
    setupChannel(t, kDrums, 0, 110, 64, 30);
    setupChannel(t, kTimpani, 47, 100, 64, 50);
    steps(t, kDrums, bar(1), 4, 36, "x...x...x...x...", 100);
    steps(t, kDrums, bar(3), 1, 38, "x.x.x.x.x.x.x.x.", 70);
    steps(t, kDrums, bar(4), 1, 38, "xxxxxxxxXXXXXXXX", 75);
    for (int section : {5, 13, 21}) {
        const bool b = section == 13;
        steps(t, kDrums, bar(section), 8, 36, b ? "x.....x.x.......": "x.x...x.x.x...x.", 105);
        steps(t, kDrums, bar(section), 8, 38, "....X.......X...", 95);
        steps(t, kDrums, bar(section), 8, b ? 51 : 42, b ? "x...x...x...x..." : "x.x.x.x.x.x.x.x.", 80);
        t.note(bar(section), kBar, kDrums, 49, 115);
        fill(t, bar(section + 7) + kBar / 2);
    }
    steps(t, kDrums, bar(29), 3, 36, "x.x.x.x.x.x.x.x.", 110);
    steps(t, kDrums, bar(29), 3, 38, "....X.......X...", 100);
    t.note(bar(29), kBar, kDrums, 49, 120);
    t.note(bar(32), kBar, kDrums, 49, 127);
    t.note(bar(32), kTicksPerBeat, kDrums, 36, 127);
    for (int b : {1, 5, 13, 21, 29}) t.note(bar(b), kTicksPerBeat, kTimpani, key("E2"), 115);
    for (int i = 0; i < 16; ++i) t.note(bar(20) + i * kStep, kStep, kTimpani, key("B1"), 60 + i * 4);
    t.note(bar(32), kTicksPerBeat * 2, kTimpani, key("E2"), 127);
    return t;
}

}  // namespace

std::vector<MidiTrack> composeFinalBattle() {
    MidiTrack lead("lead"), ostinato("strings"), guitar("guitar"), bass("bass"), brass("brass"), horns("horns");
    setupChannel(lead, kLead, 40, 112, 64, 60);
    setupChannel(ostinato, kOstinato, 48, 84, 40, 50);
    setupChannel(guitar, kGuitar, 29, 80, 88, 30);
    setupChannel(bass, kBass, 38, 100, 64, 20);
    setupChannel(brass, kBrass, 61, 90, 76, 50);
    setupChannel(horns, kHorns, 60, 100, 52, 60);

    rhythm(ostinato, guitar, bass, brass);
    melody(lead, kLead, bar(5), kThemeA, 100, 0.9f);
    melody(lead, kLead, bar(13), kThemeB, 106, 0.95f);
    melody(lead, kLead, bar(21), kThemeA, 108, 0.9f);
    melody(horns, kHorns, bar(21), kThemeA, 90, 0.9f, -12);  // horns double the tune below
    melody(lead, kLead, bar(29), kEnding, 112, 0.92f);
    return {conductor(152), lead, ostinato, guitar, bass, brass, horns, drums()};
}

}  // namespace content
