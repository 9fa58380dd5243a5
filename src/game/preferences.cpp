#include "game/preferences.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "game/caption.h"
#include "game/game.h"
#include "view/overlay.h"

namespace minamori {

namespace {

enum Line { kMusic, kSound, kAutoSpeed, kFactor, kFullscreen, kDayHint, kClose, kLineCount };

constexpr int32_t kMusicStep = 10;
constexpr int32_t kAutoStep = 100;

std::string onOff(bool on) { return on ? "する" : "しない"; }

std::string seconds(int32_t ms) {
    return std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " 秒";
}

// The sound page's volume as steps of ten, 10 the loudest.
std::string soundLevel(int32_t volume) {
    const int32_t level = std::clamp((volume - kQuietestVolume) / kVolumeStep, 0, 10);
    return std::to_string(level) + " / 10";
}

int factorShown(Game& game) {
    const int largest = std::max(1, game.window().largestWindowFactor());
    const int factor = game.settings.windowFactor == 0 ? game.window().windowFactor()
                                                       : game.settings.windowFactor;
    return std::clamp(factor, 1, largest);
}

void fillLines(Game& game) {
    const Settings& s = game.settings;
    game.overlay.preferences.lines = {
        {"音楽の音量", std::to_string(s.musicVolume) + " %"},
        {"効果音の音量", soundLevel(game.my.volume)},
        {"自動送りの間隔", seconds(s.autoAdvanceMs)},
        {"画面の倍率", std::to_string(factorShown(game)) + " 倍"},
        {"全画面で始める", onOff(s.fullscreen)},
        {"行動の日数を表示", onOff(s.dayHint)},
        {"閉じる", ""},
    };
}

void applyAll(Game& game) {
    game.audio().setMusicVolume(game.settings.musicVolume);
    game.advance.autoAdvanceMs = game.settings.autoAdvanceMs;
}

// Moves the chosen line's value one step; returns whether settings.ini changed.
bool change(Game& game, int line, int step) {
    Settings& s = game.settings;
    switch (line) {
        case kMusic:
            s.musicVolume = std::clamp(s.musicVolume + step * kMusicStep, 0, 100);
            break;
        case kSound:
            game.my.volume = steppedVolume(game.my.volume, step * kVolumeStep);
            playSound(game, "1.wav");  // heard at the new level
            return false;
        case kAutoSpeed:
            s.autoAdvanceMs = std::clamp(s.autoAdvanceMs + step * kAutoStep, kMinAutoAdvanceMs,
                                         kMaxAutoAdvanceMs);
            break;
        case kFactor:
            s.windowFactor = std::clamp(factorShown(game) + step, 1,
                                        std::max(1, game.window().largestWindowFactor()));
            game.window().applyWindow(s.windowFactor, s.fullscreen);
            break;
        case kFullscreen:
            s.fullscreen = !s.fullscreen;
            game.window().applyWindow(factorShown(game), s.fullscreen);
            break;
        case kDayHint:
            s.dayHint = !s.dayHint;
            break;
        default:
            return false;
    }
    applyAll(game);
    return true;
}

}  // namespace

void loadPreferences(Game& game) {
    if (!game.settingsFile().empty()) game.settings = readSettings(game.settingsFile());
    applyAll(game);
    if (game.settings.windowFactor != 0 || game.settings.fullscreen)
        game.window().applyWindow(factorShown(game), game.settings.fullscreen);
}

void openPreferences(Game& game) {
    openOverlay(game, Overlay::kPreferences);
    game.overlay.preferences.chosen = 0;
    fillLines(game);
}

void preferencesKey(Game& game, Key key) {
    int& chosen = game.overlay.preferences.chosen;
    bool changed = false;
    switch (key) {
        case Key::kUp: chosen = (chosen + kLineCount - 1) % kLineCount; break;
        case Key::kDown: chosen = (chosen + 1) % kLineCount; break;
        case Key::kLeft: changed = change(game, chosen, -1); break;
        case Key::kRight: changed = change(game, chosen, 1); break;
        case Key::kEnter:
        case Key::kSpace:
            if (chosen == kClose) {
                closeOverlay(game);
                return;
            }
            // A switch flips; a figure goes one step up.
            changed = change(game, chosen, 1);
            break;
        case Key::kEscape:
        case Key::kBackspace:
        case Key::kP:
            closeOverlay(game);
            return;
        default:
            break;
    }
    if (changed) savePreferences(game);
    fillLines(game);
}

void windowChanged(Game& game, int factor, bool fullscreen) {
    Settings& s = game.settings;
    if (s.windowFactor == factor && s.fullscreen == fullscreen) return;
    s.windowFactor = factor;
    s.fullscreen = fullscreen;
    savePreferences(game);
    if (game.overlay.open == Overlay::kPreferences) fillLines(game);
}

void savePreferences(Game& game) {
    if (game.settingsFile().empty()) return;
    const std::string why = writeSettings(game.settingsFile(), game.settings);
    if (!why.empty()) showNotice(game, "設定を保存できませんでした: " + why);
}

}  // namespace minamori
