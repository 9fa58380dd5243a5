// The game's sounds through Web Audio: the wave files decoded by the browser,
// the music as the recordings the build made of its MIDI files (music/*.mp3
// beside dat/). Browsers start sound only after the player's first gesture:
// the page unlocks it then, and music asked for before starts at that moment.
#pragma once

#include "core/platform.h"

namespace minamori {

class WebAudio : public AudioDevice {
public:
    WebAudio();
    bool loadWave(const std::string& name, const std::string& path) override;
    void playWave(const std::string& name, int volume) override;
    void playMusic(const std::string& name, const std::string& path) override;
    void stopMusic() override;
    void setMusicVolume(int percent) override;
};

}  // namespace minamori
