// Helpers for writing music as text: note names, chord symbols, melodies,
// accompaniment figures and step patterns, all in 4/4 with 480 ticks a beat.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "midi_writer.hpp"

namespace content {

constexpr std::uint32_t kTicksPerBeat = 480;
constexpr std::uint32_t kStep = kTicksPerBeat / 4;  // a sixteenth note
constexpr std::uint32_t kBar = kTicksPerBeat * 4;
constexpr int kDrums = 9;                            // General MIDI percussion channel

inline std::uint32_t bar(int n) { return static_cast<std::uint32_t>(n - 1) * kBar; }  // bars count from 1

// "C4" = 60; accepts sharps (F#3) and flats (Bb2).
int key(std::string_view name);

// Chord tones from the root in the given octave: "Em", "G7", "Dsus4", "Bdim", "Fmaj7", "A5" (power chord).
std::vector<int> chordKeys(std::string_view symbol, int octave);

// The root of a chord symbol: "F#m7" -> "F#".
std::string rootName(std::string_view symbol);

struct ChordSpan {
    std::string symbol;
    std::uint32_t tick, length;
};

// "Em:16 C:16 D:8 G:8" (lengths in sixteenths) laid out from startTick.
std::vector<ChordSpan> progression(std::string_view text, std::uint32_t startTick);

// Plays "E5:4 D5:2 R:2 ..." (lengths in sixteenths, R for a rest) and returns the tick after it.
std::uint32_t melody(MidiTrack& t, int channel, std::uint32_t tick, std::string_view notes, int velocity,
                     float legato = 0.92f, int transpose = 0);

// Cycles through the voicing in the given order ("0123" indexes it) in steps of stepTicks.
void arpeggio(MidiTrack& t, int channel, const ChordSpan& c, const std::vector<int>& voicing, std::string_view order,
              std::uint32_t stepTicks, int velocity, float legato = 0.9f);

// Holds the whole chord for its span.
void block(MidiTrack& t, int channel, const ChordSpan& c, const std::vector<int>& voicing, int velocity);

// One sound per step where the pattern has x (accent X, soft o); '.' is silent.
// The pattern repeats for `bars` bars of sixteenths.
void steps(MidiTrack& t, int channel, std::uint32_t tick, int bars, int key, std::string_view pattern, int velocity,
           std::uint32_t noteTicks = kStep / 2);

// Volume, pan and reverb for a channel, plus its instrument.
void setupChannel(MidiTrack& t, int channel, int program, int volume, int pan, int reverb);

}  // namespace content
