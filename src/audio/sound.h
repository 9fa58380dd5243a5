// Sound effects by file name and MIDI music.
#pragma once

#include <map>
#include <string>

namespace minamori {

struct AudioLayer;

struct SoundState {
    std::string lastSoundName;  // started since the last frame tick
    int counter = 0;
    std::map<std::string, bool> loaded;  // name -> whether it can play; failures stay
};

// Starts a wave from dat/ at the current volume, unless the same name already
// started since the last frame tick.
void playSound(AudioLayer& game, const std::string& name);
// Starts a MIDI piece from dat/; "not" or an empty name stops the music.
void playMusic(AudioLayer& game, const std::string& name);
// The frame tick's repeat guard: forgets the last sound one tick after it started.
void soundFrameTick(AudioLayer& game);

}  // namespace minamori
