// Plays the game without a window: one command in, one answer line out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "platform/gamepad_keys.h"

namespace minamori {

class HeadlessDriver {
public:
    // Starts the game as the desktop program does: the title pictures and the
    // saved game are loaded. Text is measured and drawn with fonts, when given.
    // Preferences are kept in configDir (default dataDir/config), screenshots
    // go to dataDir/screenshots: never the player's own folders.
    HeadlessDriver(const std::filesystem::path& dataDir, uint64_t seed,
                   FontEngine* fonts = nullptr, const std::filesystem::path& configDir = {});
    // Drives a game already started elsewhere (the web page's), whose frames
    // ran on a clock that stands at clockMs; it records what it asks of the
    // machine only if built on the recording services.
    HeadlessDriver(Game& game, int64_t clockMs);

    // Runs one command line and returns its answer: "ok", a JSON line for
    // `state`, or a line beginning with "error:".
    std::string execute(const std::string& line);

    // True after `quit`.
    bool finished() const { return finished_; }
    Game& game() { return game_; }

private:
    std::string click(const std::string& args, bool rightButton);
    std::string clickRow(const std::string& args);
    enum class KeyMove { kPress, kDown, kUp };
    std::string key(const std::string& name, KeyMove move);
    std::string pad(const std::string& name, KeyMove move);
    void playPadKeys(const std::vector<PadKey>& keys);
    std::string tick(const std::string& args);
    std::string state();
    std::string settings();
    std::string shot(const std::string& path);
    std::string chart(const std::string& path);
    std::string boxshot(const std::string& path);

    std::unique_ptr<Game> owned_;
    Game& game_;
    GamepadKeys pad_;
    int64_t clockMs_ = 0;  // frames run on a clock of their own, one interval each
    bool finished_ = false;
};

}  // namespace minamori
