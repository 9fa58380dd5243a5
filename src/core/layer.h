// The ground every part of the game stands on: the records, the random
// generator, the game's files and the machine's services.
//
// The game's state is built in layers, one per folder, each a struct deriving
// from the layer below and adding what its folder owns (audio/layer.h,
// view/layer.h and so on, up to the Game in game/game.h). A function of a
// folder takes its own layer, so it can reach what lies below and nothing
// above; a Game converts to any of them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/battle_records.h"
#include "core/game_paths.h"
#include "core/platform.h"
#include "core/random.h"
#include "core/records.h"

namespace minamori {

// The machine services a game talks to; those left null are recorded instead.
struct Services {
    AudioDevice* audio = nullptr;
    Dialogs* dialogs = nullptr;
    WindowHost* window = nullptr;
    FontEngine* fonts = nullptr;
};

struct CoreLayer {
    CoreLayer(Services services, GamePaths paths, uint64_t seed);
    CoreLayer(const CoreLayer&) = delete;
    CoreLayer& operator=(const CoreLayer&) = delete;

    // Saved records.
    tmy my;
    Countries countries;
    // The battle's record, kept here because the menus and the panels read it.
    BattleRuntime battle;

    int32_t inGame = 0;    // 1 once a game is continued or started
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
    const std::filesystem::path& settingsFile() const { return paths_.settingsFile; }
    const std::filesystem::path& screenshotsDir() const { return paths_.screenshotsDir; }
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
    // The text engine asked for; null measures text with fixed metrics.
    FontEngine* fonts() const { return services_.fonts; }
    RecordingPlatform& recorder() { return recorder_; }
    // Hands the game to other services, those left null to the recorder: a
    // test that takes over the web page records what the page would play.
    void useServices(Services services);

private:
    GamePaths paths_;
    RecordingPlatform recorder_;
    Services services_;
};

}  // namespace minamori
