#include "music.hpp"

#include <utility>

#include "music_pieces.hpp"
#include "score.hpp"

namespace content {

MidiTrack conductor(double bpm) {
    MidiTrack t("conductor");
    t.timeSignature(0, 4, 2);
    t.tempo(0, bpm);
    return t;
}

void writeMusic(const std::filesystem::path& dir, bool (*wanted)(const std::string&)) {
    const std::pair<const char*, std::vector<MidiTrack> (*)()> pieces[] = {
        {"id.mid", composeOpening}, {"satori.mid", composeHistory}, {"ruin.mid", composeRuin},
        {"15.mid", composeMarch},   {"14.mid", composeFinalBattle},
    };
    for (const auto& [file, compose] : pieces)
        if (wanted(file)) writeMidi(dir / file, compose(), static_cast<int>(kTicksPerBeat));
}

}  // namespace content
