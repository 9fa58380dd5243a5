// Standard MIDI File (format 1) tracks and their encoding.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "byte_writer.hpp"

namespace content {

class MidiTrack {
public:
    explicit MidiTrack(const std::string& name);

    void tempo(std::uint32_t tick, double bpm);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void program(std::uint32_t tick, int channel, int program);
    void control(std::uint32_t tick, int channel, int controller, int value);
    void pitchBend(std::uint32_t tick, int channel, int value);  // -8192..8191
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

    // The MTrk chunk: events in time order, ending with the end-of-track event.
    Bytes encode() const;

private:
    struct Event {
        std::uint32_t tick;
        int order;  // at the same tick: settings, then note-offs, then note-ons
        Bytes data;
    };
    void push(std::uint32_t tick, int order, Bytes data);
    std::vector<Event> events_;
};

// Writes a format 1 file with the given ticks per quarter note.
void writeMidi(const std::filesystem::path& path, const std::vector<MidiTrack>& tracks, int ticksPerQuarter);

}  // namespace content
