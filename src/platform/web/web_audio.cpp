#include "platform/web/web_audio.h"

#include <emscripten.h>

#include "platform/web/audio_levels.h"

namespace minamori {

namespace {

EM_JS(void, jsAudioInit, (), { Module.minamoriAudio.init(); });
EM_JS(int, jsLoadWave, (const char* name, const char* path),
      { return Module.minamoriAudio.loadWave(UTF8ToString(name), UTF8ToString(path)) ? 1 : 0; });
EM_JS(void, jsPlayWave, (const char* name, double gain),
      { Module.minamoriAudio.playWave(UTF8ToString(name), gain); });
EM_JS(void, jsPlayMusic, (const char* path), { Module.minamoriAudio.playMusic(UTF8ToString(path)); });
EM_JS(void, jsStopMusic, (), { Module.minamoriAudio.stopMusic(); });
EM_JS(void, jsMusicGain, (double gain), { Module.minamoriAudio.setMusicGain(gain); });

}  // namespace

WebAudio::WebAudio() { jsAudioInit(); }

bool WebAudio::loadWave(const std::string& name, const std::string& path) {
    return jsLoadWave(name.c_str(), path.c_str()) != 0;
}

void WebAudio::playWave(const std::string& name, int volume) {
    jsPlayWave(name.c_str(), waveGain(volume));
}

void WebAudio::playMusic(const std::string&, const std::string& path) {
    jsPlayMusic(musicRecordingPath(path).c_str());
}

void WebAudio::stopMusic() { jsStopMusic(); }

void WebAudio::setMusicVolume(int percent) { jsMusicGain(musicGain(percent)); }

}  // namespace minamori
