#include "score.hpp"

#include <cctype>
#include <sstream>
#include <stdexcept>

namespace content {

namespace {

std::vector<std::string> tokens(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string tok; in >> tok;) out.push_back(tok);
    return out;
}

// "E5:4" -> {"E5", 4}
std::pair<std::string, std::uint32_t> splitLength(const std::string& tok) {
    const auto colon = tok.find(':');
    if (colon == std::string::npos) throw std::runtime_error("missing length in " + tok);
    return {tok.substr(0, colon), static_cast<std::uint32_t>(std::stoul(tok.substr(colon + 1)))};
}

int pitchClass(std::string_view name, std::size_t& pos) {
    static const int letters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name.at(0))));
    if (letter < 'A' || letter > 'G') throw std::runtime_error("bad note " + std::string(name));
    int pc = letters[letter - 'A'];
    pos = 1;
    if (pos < name.size() && name[pos] == '#') ++pc, ++pos;
    else if (pos < name.size() && name[pos] == 'b') --pc, ++pos;
    return pc;
}

}  // namespace

int key(std::string_view name) {
    std::size_t pos = 0;
    const int pc = pitchClass(name, pos);
    const int octave = std::stoi(std::string(name.substr(pos)));
    return 12 * (octave + 1) + pc;
}

std::vector<int> chordKeys(std::string_view symbol, int octave) {
    std::size_t pos = 0;
    const int root = 12 * (octave + 1) + pitchClass(symbol, pos);
    const std::string_view kind = symbol.substr(pos);
    if (kind == "m") return {root, root + 3, root + 7};
    if (kind == "7") return {root, root + 4, root + 7, root + 10};
    if (kind == "m7") return {root, root + 3, root + 7, root + 10};
    if (kind == "maj7") return {root, root + 4, root + 7, root + 11};
    if (kind == "sus4") return {root, root + 5, root + 7};
    if (kind == "dim") return {root, root + 3, root + 6};
    if (kind == "5") return {root, root + 7, root + 12};
    if (kind.empty()) return {root, root + 4, root + 7};
    throw std::runtime_error("unknown chord " + std::string(symbol));
}

std::string rootName(std::string_view symbol) {
    const bool accidental = symbol.size() > 1 && (symbol[1] == '#' || symbol[1] == 'b');
    return std::string(symbol.substr(0, accidental ? 2 : 1));
}

std::vector<ChordSpan> progression(std::string_view text, std::uint32_t startTick) {
    std::vector<ChordSpan> out;
    std::uint32_t tick = startTick;
    for (const std::string& tok : tokens(text)) {
        auto [symbol, sixteenths] = splitLength(tok);
        out.push_back({symbol, tick, sixteenths * kStep});
        tick += sixteenths * kStep;
    }
    return out;
}

std::uint32_t melody(MidiTrack& t, int channel, std::uint32_t tick, std::string_view notes, int velocity,
                     float legato, int transpose) {
    for (const std::string& tok : tokens(notes)) {
        auto [name, sixteenths] = splitLength(tok);
        const std::uint32_t length = sixteenths * kStep;
        if (name != "R") {
            const auto held = static_cast<std::uint32_t>(static_cast<float>(length) * legato);
            t.note(tick, held, channel, key(name) + transpose, velocity);
        }
        tick += length;
    }
    return tick;
}

void arpeggio(MidiTrack& t, int channel, const ChordSpan& c, const std::vector<int>& voicing, std::string_view order,
              std::uint32_t stepTicks, int velocity, float legato) {
    const auto held = static_cast<std::uint32_t>(static_cast<float>(stepTicks) * legato);
    std::size_t i = 0;
    for (std::uint32_t at = 0; at < c.length; at += stepTicks, ++i) {
        const std::size_t index = static_cast<std::size_t>(order[i % order.size()] - '0');
        const int accent = at % kTicksPerBeat == 0 ? 8 : 0;
        t.note(c.tick + at, held, channel, voicing.at(index), velocity + accent);
    }
}

void block(MidiTrack& t, int channel, const ChordSpan& c, const std::vector<int>& voicing, int velocity) {
    for (int k : voicing) t.note(c.tick, c.length - kStep / 4, channel, k, velocity);
}

void steps(MidiTrack& t, int channel, std::uint32_t tick, int bars, int key, std::string_view pattern, int velocity,
           std::uint32_t noteTicks) {
    const std::size_t count = static_cast<std::size_t>(bars) * 16;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = pattern[i % pattern.size()];
        if (c == '.') continue;
        const int v = c == 'X' ? velocity + 25 : c == 'o' ? velocity - 30 : velocity;
        t.note(tick + static_cast<std::uint32_t>(i) * kStep, noteTicks, channel, key, v);
    }
}

void setupChannel(MidiTrack& t, int channel, int program, int volume, int pan, int reverb) {
    if (channel != kDrums) t.program(0, channel, program);
    t.control(0, channel, 7, volume);
    t.control(0, channel, 10, pan);
    t.control(0, channel, 91, reverb);
}

}  // namespace content
