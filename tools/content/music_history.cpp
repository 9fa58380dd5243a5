// satori.mid: under the history narration. Koto figures and a slow shakuhachi
// line in the in scale on D (D Eb G A Bb), over a low string drone; 66 bpm.
#include "music_pieces.hpp"
#include "score.hpp"

namespace content {

namespace {

enum Channel { kKoto, kShakuhachi, kDrone, kTaiko };

// One koto figure per bar (sixteenths).
const char* const kFigureHome = "D4:2 A4:2 D5:2 Eb5:2 D5:2 A4:2 G4:2 A4:2";
const char* const kFigureFourth = "G3:2 D4:2 G4:2 A4:2 Bb4:2 A4:2 G4:2 D4:2";
const char* const kFigureFlat = "Bb3:2 Eb4:2 G4:2 Bb4:2 A4:2 G4:2 Eb4:2 D4:2";
const char* const kFigureRise = "D4:1 Eb4:1 G4:1 A4:1 Bb4:1 D5:1 Eb5:1 G5:1 A5:8";
const char* const kFigureCalm = "D4:4 A4:4 D5:8";

const char* const kKotoBars[] = {
    kFigureHome, kFigureHome, kFigureFourth, kFigureHome,    // 1-4
    kFigureHome, kFigureFlat, kFigureHome, kFigureFourth,    // 5-8
    kFigureFourth, kFigureHome, kFigureFlat, kFigureHome,    // 9-12
    kFigureRise, kFigureHome, kFigureFourth, kFigureHome,    // 13-16
    kFigureCalm,                                             // 17
};

const char* const kFlute =
    "A5:12 Bb5:4  A5:6 G5:2 Eb5:8  D5:12 R:4  G5:6 A5:2 Bb5:4 D6:4 "
    "Eb6:8 D6:4 Bb5:4  A5:16  G5:6 A5:2 G5:4 Eb5:4  D5:16 "
    "R:8 A4:4 D5:4  Eb5:8 D5:4 A4:4  G4:6 A4:2 Bb4:4 A4:4  D5:16";

// Drone roots per bar from bar 3 on: D with A, or G, or Bb.
const char* const kDroneRoots = "D:16 D:16 D:16 D:16 D:16 G:32 D:16 Bb:16 D:16 D:16 D:16 G:16 D:16 D:16";

void droneBar(MidiTrack& t, const ChordSpan& c) {
    const int root = key(c.symbol + "2");
    t.note(c.tick, c.length - 30, kDrone, root, 52);
    t.note(c.tick, c.length - 30, kDrone, root + 7, 44);
}

}  // namespace

std::vector<MidiTrack> composeHistory() {
    MidiTrack koto("koto"), flute("shakuhachi"), drone("drone"), taiko("taiko");
    setupChannel(koto, kKoto, 107, 100, 50, 70);
    setupChannel(flute, kShakuhachi, 77, 104, 76, 90);
    setupChannel(drone, kDrone, 49, 70, 64, 90);
    setupChannel(taiko, kTaiko, 116, 96, 64, 60);

    std::uint32_t tick = 0;
    int barNumber = 0;
    for (const char* figure : kKotoBars) {
        int velocity = 58 + (barNumber % 4 == 0 ? 10 : 0);
        tick = melody(koto, kKoto, tick, figure, velocity, 0.98f);  // let each string ring to the next
        ++barNumber;
    }
    melody(flute, kShakuhachi, bar(5), kFlute, 80, 0.97f);
    for (const ChordSpan& c : progression(kDroneRoots, bar(3))) droneBar(drone, c);

    for (int b : {1, 5, 9, 13, 17}) taiko.note(bar(b), kTicksPerBeat, kTaiko, key("D2"), b == 17 ? 70 : 92);
    taiko.note(bar(9) + kTicksPerBeat * 2 + kStep * 2, kTicksPerBeat, kTaiko, key("D2"), 64);
    taiko.note(bar(13) + kTicksPerBeat * 3, kTicksPerBeat, kTaiko, key("A2"), 60);
    return {conductor(66), koto, flute, drone, taiko};
}

}  // namespace content
