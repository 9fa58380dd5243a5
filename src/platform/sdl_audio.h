// Sound effects and MIDI music through SDL_mixer, mixed with headroom and a
// limiter so that overlapping sounds never clip. Without an audio device every
// call is a quiet no-op.
#pragma once

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "audio/limiter.h"
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
    void setMusicVolume(int percent) override;

private:
    void addChannels(int count);

    bool open_ = false;
    // One gain a mixer channel, read by the mixing thread; a deque, so that
    // adding channels leaves the earlier ones where the mixer holds them.
    std::deque<std::atomic<float>> gains_;
    std::unique_ptr<PeakLimiter> limiter_;
    std::map<std::string, Mix_Chunk*> waves_;
    Mix_Music* music_ = nullptr;
};

// The mixer volume (0..128) of a volume in hundredths of a decibel.
int mixerVolume(int volume);

}  // namespace minamori
