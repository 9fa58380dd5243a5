#include "platform/web/audio_levels.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace minamori {

namespace {
constexpr int kMixerSteps = 128;  // SDL_mixer's MIX_MAX_VOLUME
}

std::string musicRecordingPath(const std::string& midiPath) {
    std::filesystem::path path(midiPath);
    const std::filesystem::path name = path.filename().replace_extension(".mp3");
    return (path.parent_path().parent_path() / "music" / name).string();
}

double waveGain(int volume) {
    const double gain = std::pow(10.0, std::min(volume, 0) / 2000.0);
    const long steps = std::clamp(std::lround(gain * kMixerSteps), 0L, long{kMixerSteps});
    return static_cast<double>(steps) / kMixerSteps;
}

double musicGain(int percent) { return std::clamp(percent, 0, 100) / 100.0; }

}  // namespace minamori
