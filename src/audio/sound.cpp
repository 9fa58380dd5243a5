#include "audio/sound.h"

#include "audio/layer.h"

namespace minamori {

void playSound(AudioLayer& game, const std::string& name) {
    SoundState& s = game.sound;
    if (name.empty() || name == s.lastSoundName) return;
    s.lastSoundName = name;
    s.counter = 1;
    auto it = s.loaded.find(name);
    if (it == s.loaded.end())
        it = s.loaded
                 .emplace(name, isPlainFileName(name) &&
                                    game.audio().loadWave(name, game.datPath(name).string()))
                 .first;
    if (it->second) game.audio().playWave(name, game.my.volume);
}

void playMusic(AudioLayer& game, const std::string& name) {
    if (name.empty() || name == "not") {
        game.audio().stopMusic();
        return;
    }
    if (isPlainFileName(name)) game.audio().playMusic(name, game.datPath(name).string());
}

void soundFrameTick(AudioLayer& game) {
    SoundState& s = game.sound;
    if (s.counter >= 1) {
        s.counter -= 1;
        if (s.counter == 0) s.lastSoundName.clear();
    }
}

}  // namespace minamori
