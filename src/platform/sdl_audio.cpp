#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace minamori {

namespace {

// Each effect and the music are mixed at an eighth of their level, so that
// eight full-scale sounds at once still fit the mixer's 16-bit sum; the
// limiter after the mix gives the level back and turns down the rest.
constexpr int kHeadroom = 8;

// Scales a channel's samples by its gain before they join the mix.
void scaleChannel(int, void* stream, int length, void* gain) {
    const float g = static_cast<std::atomic<float>*>(gain)->load(std::memory_order_relaxed);
    auto* samples = static_cast<int16_t*>(stream);
    for (int i = 0; i < length / 2; ++i) samples[i] = static_cast<int16_t>(static_cast<float>(samples[i]) * g);
}

void limitMix(void* limiter, Uint8* stream, int length) {
    static_cast<PeakLimiter*>(limiter)->process(reinterpret_cast<int16_t*>(stream),
                                                static_cast<std::size_t>(length) / 2);
}

}  // namespace

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
    // The mixer keeps the 16-bit format asked for (only the rate and the
    // channel count may change), which the gain and the limiter work on.
    int rate = 22050, channels = 2;
    Uint16 format = AUDIO_S16SYS;
    Mix_QuerySpec(&rate, &format, &channels);
    limiter_ = std::make_unique<PeakLimiter>(static_cast<float>(kHeadroom), rate, channels);
    Mix_SetPostMix(limitMix, limiter_.get());
    Mix_VolumeMusic(MIX_MAX_VOLUME / kHeadroom);
    addChannels(16);
    open_ = true;
}

void SdlAudio::addChannels(int count) {
    Mix_AllocateChannels(count);
    while (static_cast<int>(gains_.size()) < count) {
        const int channel = static_cast<int>(gains_.size());
        gains_.emplace_back(0.0f);
        Mix_Volume(channel, MIX_MAX_VOLUME);
    }
}

SdlAudio::~SdlAudio() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_SetPostMix(nullptr, nullptr);
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

void SdlAudio::setMusicVolume(int percent) {
    if (!open_) return;
    Mix_VolumeMusic(MIX_MAX_VOLUME / kHeadroom * std::clamp(percent, 0, 100) / 100);
}

void SdlAudio::playWave(const std::string& name, int volume) {
    auto it = waves_.find(name);
    if (!open_ || it == waves_.end() || !it->second) return;
    // Any number of sounds may overlap: make room when every channel is busy.
    int channel = Mix_GroupAvailable(-1);
    if (channel == -1) {
        channel = Mix_AllocateChannels(-1);
        addChannels(channel * 2);
    }
    gains_[static_cast<std::size_t>(channel)].store(
        static_cast<float>(mixerVolume(volume)) / (MIX_MAX_VOLUME * kHeadroom), std::memory_order_relaxed);
    // The mixer drops a channel's effects when it finishes: register it anew.
    Mix_UnregisterEffect(channel, scaleChannel);
    Mix_RegisterEffect(channel, scaleChannel, nullptr, &gains_[static_cast<std::size_t>(channel)]);
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
