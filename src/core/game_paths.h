// Where a game finds its content and keeps its saves.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

namespace minamori {

struct GamePaths {
    // Everything in one folder: cg/ and dat/ with my.dat under dir, the records in dir.
    GamePaths(const std::filesystem::path& dir = {})  // implicit: a folder stands for its paths
        : content(dir), saveFile(dir / "dat" / "my.dat"), recordsDir(dir) {}
    GamePaths(std::filesystem::path contentDir, std::filesystem::path save,
              std::filesystem::path records)
        : content(std::move(contentDir)),
          saveFile(std::move(save)),
          recordsDir(std::move(records)) {}

    std::filesystem::path content;     // holds cg/ (pictures) and dat/ (sounds, music)
    std::filesystem::path saveFile;    // the save file, my.dat
    std::filesystem::path recordsDir;  // where the clear records are written
    // A save left where the game can no longer write: read while saveFile does
    // not exist yet, so that moving the saves elsewhere loses no game.
    std::filesystem::path earlierSave;
    // The player's preferences (settings.ini); none for a plain folder, whose
    // game keeps the defaults and writes nothing.
    std::filesystem::path settingsFile;
    // Where F12 puts its pictures.
    std::filesystem::path screenshotsDir;
};

// The places of the desktop game whose program lies in exeDir. Content lies
// beside the program (a build folder) or in exeDir/../share/games/minamori
// (an installed game, the program in PREFIX/games). Saves stay beside a build
// folder's content while its dat/ is writable; an installed game saves into
// the per-user data folder ($XDG_DATA_HOME/minamori, else
// $HOME/.local/share/minamori), and so does a build folder whose dat/ is
// read-only, reading the save it holds until the first save of its own. Null
// environment values count as unset.
GamePaths locateGamePaths(const std::filesystem::path& exeDir, const char* xdgDataHome,
                          const char* home);
// locateGamePaths, with the preferences by the XDG rule ($XDG_CONFIG_HOME or
// ~/.config) and the screenshots in the pictures folder; from the environment.
GamePaths desktopGamePaths(const std::filesystem::path& exeDir);

// Whether name is a bare file name (no folders), so a script line cannot reach
// files outside the game's data folders.
bool isPlainFileName(const std::string& name);

}  // namespace minamori
