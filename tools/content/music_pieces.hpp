// The pieces of music, each composed by one function into MIDI tracks
// (the first track carries the tempo).
#pragma once

#include <vector>

#include "midi_writer.hpp"

namespace content {

std::vector<MidiTrack> composeOpening();    // id.mid
std::vector<MidiTrack> composeHistory();    // satori.mid
std::vector<MidiTrack> composeRuin();       // ruin.mid
std::vector<MidiTrack> composeMarch();      // 15.mid
std::vector<MidiTrack> composeFinalBattle();  // 14.mid

// A conductor track with the tempo and 4/4 time.
MidiTrack conductor(double bpm);

}  // namespace content
