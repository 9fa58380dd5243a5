// What the page's sound needs worked out, kept apart from the browser calls.
#pragma once

#include <string>

namespace minamori {

// The recording that stands for a MIDI file: .../dat/x.mid is .../music/x.mp3.
std::string musicRecordingPath(const std::string& midiPath);

// The gain of a wave played at volume hundredths of a decibel, in the desktop
// mixer's 128 steps (0 is full volume; nothing goes above it).
double waveGain(int volume);

// The music's gain at percent (0..100) of its full level.
double musicGain(int percent);

}  // namespace minamori
