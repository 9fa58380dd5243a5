#include "midi_writer.hpp"

#include <algorithm>
#include <cmath>

namespace content {

namespace {

void putVarLen(Bytes& out, std::uint32_t v) {
    std::uint8_t buf[5];
    int n = 0;
    buf[n++] = static_cast<std::uint8_t>(v & 0x7F);
    while ((v >>= 7) > 0) buf[n++] = static_cast<std::uint8_t>((v & 0x7F) | 0x80);
    while (n > 0) out.push_back(buf[--n]);
}

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 127)); }

std::uint8_t status(int kind, int channel) { return static_cast<std::uint8_t>(kind | (channel & 0x0F)); }

}  // namespace

MidiTrack::MidiTrack(const std::string& name) {
    Bytes meta{0xFF, 0x03};
    putVarLen(meta, static_cast<std::uint32_t>(name.size()));
    putText(meta, name);
    push(0, 0, meta);
}

void MidiTrack::push(std::uint32_t tick, int order, Bytes data) { events_.push_back({tick, order, std::move(data)}); }

void MidiTrack::tempo(std::uint32_t tick, double bpm) {
    const auto micros = static_cast<std::uint32_t>(std::lround(60000000.0 / bpm));
    push(tick, 0, {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
                   static_cast<std::uint8_t>(micros)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    push(tick, 0, {0xFF, 0x58, 0x04, byte(numerator), byte(denominatorPower), 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    push(tick, 0, {status(0xC0, channel), byte(program)});
}

void MidiTrack::control(std::uint32_t tick, int channel, int controller, int value) {
    push(tick, 0, {status(0xB0, channel), byte(controller), byte(value)});
}

void MidiTrack::pitchBend(std::uint32_t tick, int channel, int value) {
    const int v = std::clamp(value, -8192, 8191) + 8192;
    push(tick, 0, {status(0xE0, channel), static_cast<std::uint8_t>(v & 0x7F), static_cast<std::uint8_t>(v >> 7)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    push(tick, 2, {status(0x90, channel), byte(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
    push(tick + std::max<std::uint32_t>(length, 1), 1, {status(0x80, channel), byte(key), 64});
}

Bytes MidiTrack::encode() const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    Bytes body;
    std::uint32_t now = 0;
    for (const Event& e : sorted) {
        putVarLen(body, e.tick - now);
        now = e.tick;
        body.insert(body.end(), e.data.begin(), e.data.end());
    }
    putVarLen(body, 0);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    Bytes chunk;
    putText(chunk, "MTrk");
    putBe32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

void writeMidi(const std::filesystem::path& path, const std::vector<MidiTrack>& tracks, int ticksPerQuarter) {
    Bytes out;
    putText(out, "MThd");
    putBe32(out, 6);
    putBe16(out, 1);
    putBe16(out, static_cast<std::uint32_t>(tracks.size()));
    putBe16(out, static_cast<std::uint32_t>(ticksPerQuarter));
    for (const MidiTrack& t : tracks) {
        Bytes chunk = t.encode();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    writeFile(path, out);
}

}  // namespace content
