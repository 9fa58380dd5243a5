// The Game object: every record of a running game, and the machine services it uses.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "battle/battle_types.h"
#include "core/game_paths.h"
#include "core/platform.h"
#include "core/random.h"
#include "core/records.h"
#include "menus/menu_row.h"
#include "menus/menu_state.h"
#include "script/queue.h"
#include "view/effects.h"
#include "view/fonts.h"
#include "view/frame.h"
#include "view/history.h"
#include "view/message_log.h"
#include "view/overlay.h"
#include "view/panels.h"
#include "view/text.h"

namespace minamori {

// The machine services a game talks to.
struct Services {
    AudioDevice* audio = nullptr;
    Dialogs* dialogs = nullptr;
    WindowHost* window = nullptr;
    FontEngine* fonts = nullptr;
};

class Game {
public:
    // A game whose content and saves lie at paths; a plain folder (holding cg/
    // and dat/ with the save) converts to them. Without services it records what
    // it asks of the machine in recorder() and measures text with fixed metrics.
    explicit Game(std::filesystem::path dataDir = {}, uint64_t seed = 1);
    Game(Services services, GamePaths paths, uint64_t seed);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Saved records.
    tmy my;
    Countries countries;

    // Script engine.
    MessageQueue queue;

    // Presentation.
    MessageLog log;
    MessageHistory history;  // the log's lines for reading back; not saved
    OverlayState overlay;
    Effects effects;
    Screen screen;
    TextPainter text;
    DisplayedValues displayed;
    std::string sceneName;  // the file name of the scene picture on screen

    // Menus and battle.
    MenuTable menuTable;
    MenuState menu;
    BattleRuntime battle;

    // Sound.
    SoundState sound;

    // Shell and input.
    int32_t titleStage = -2;  // -2 first title picture, -1 second, 0 from the title menu on
    int32_t inGame = 0;       // 1 once a game is continued or started
    int32_t worldPanelDirty = 0;
    int32_t mouseX = 0, mouseY = 0;
    int32_t clickPending = 0;
    int32_t animFrame = 0;
    int32_t ticksThisSecond = 0;
    int32_t frameInterval = 90;  // the frame timer's interval in ms
    int64_t nextRateCheck = 0;   // ms on the shell's clock
    bool closing = false;  // the window has begun to close
    // Not empty while saving is refused, saying why: an unreadable save that
    // could not be moved aside must not be overwritten.
    std::string saveRefusal;

    Random rng;
    int32_t R(int64_t n) { return rng.R(n); }

    // Files.
    const std::filesystem::path& dataDir() const { return paths_.content; }
    const std::filesystem::path& savePath() const { return paths_.saveFile; }
    // The save to read: savePath, or while nothing is there an earlier save
    // from a place the game can no longer write.
    std::filesystem::path loadPath() const;
    const std::filesystem::path& recordsDir() const { return paths_.recordsDir; }
    std::filesystem::path datPath(const std::string& name) const {
        return paths_.content / "dat" / name;
    }
    std::filesystem::path cgPath(const std::string& name) const {
        return paths_.content / "cg" / name;
    }

    // Services.
    AudioDevice& audio() { return *services_.audio; }
    Dialogs& dialogs() { return *services_.dialogs; }
    WindowHost& window() { return *services_.window; }
    RecordingPlatform& recorder() { return recorder_; }

private:
    GamePaths paths_;
    RecordingPlatform recorder_;
    BoxFontEngine boxFonts_;
    Services services_;
};

// Whether name is a bare file name (no folders), so a script line cannot reach
// files outside the game's data folders.
bool isPlainFileName(const std::string& name);

}  // namespace minamori
