// Sound effects and MIDI music through SDL_mixer. Without an audio device every
// call is a quiet no-op.
#pragma once

#include <map>
#include <string>

#include "core/platform.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace minamori {

class SdlAudio : public AudioDevice {
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool isOpen() const { return open_; }

    bool loadWave(const std::string& name, const std::string& path) override;
    void playWave(const std::string& name, int volume) override;
    void playMusic(const std::string& name, const std::string& path) override;
    void stopMusic() override;

private:
    bool open_ = false;
    std::map<std::string, Mix_Chunk*> waves_;
    Mix_Music* music_ = nullptr;
};

// The mixer volume (0..128) of a volume in hundredths of a decibel.
int mixerVolume(int volume);

}  // namespace minamori
