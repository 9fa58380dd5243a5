#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace minamori {

int mixerVolume(int volume) {
    const double gain = std::pow(10.0, std::min(volume, 0) / 2000.0);
    return std::clamp(static_cast<int>(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

SdlAudio::SdlAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    // The sound effects are 22050 Hz; mixing and synthesizing the music at the
    // same rate halves the cost of the music, which runs all through play.
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(16);
    open_ = true;
}

SdlAudio::~SdlAudio() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    if (music_) Mix_FreeMusic(music_);
    for (auto& [name, chunk] : waves_)
        if (chunk) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::loadWave(const std::string& name, const std::string& path) {
    if (!open_) return false;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return false;
    waves_[name] = chunk;
    return true;
}

void SdlAudio::playWave(const std::string& name, int volume) {
    auto it = waves_.find(name);
    if (!open_ || it == waves_.end() || !it->second) return;
    // Any number of sounds may overlap: make room when every channel is busy.
    int channel = Mix_GroupAvailable(-1);
    if (channel == -1) {
        const int channels = Mix_AllocateChannels(-1);
        Mix_AllocateChannels(channels * 2);
        channel = channels;
    }
    Mix_Volume(channel, mixerVolume(volume));
    Mix_PlayChannel(channel, it->second, 0);
}

void SdlAudio::playMusic(const std::string&, const std::string& path) {
    if (!open_) return;
    stopMusic();
    music_ = Mix_LoadMUS(path.c_str());
    if (music_) Mix_PlayMusic(music_, 0);  // once
}

void SdlAudio::stopMusic() {
    if (!open_) return;
    Mix_HaltMusic();
    if (music_) Mix_FreeMusic(music_);
    music_ = nullptr;
}

}  // namespace minamori
