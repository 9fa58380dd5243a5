#include "core/game_paths.h"

#include <unistd.h>

#include <cstdlib>

#include "core/screenshot_paths.h"
#include "core/settings_file.h"

namespace minamori {

namespace fs = std::filesystem;

namespace {

bool isSet(const char* value) {
    return value && *value;
}

// The XDG rule: a relative XDG_DATA_HOME is ignored.
fs::path userDataFolder(const char* xdgDataHome, const char* home) {
    if (isSet(xdgDataHome) && fs::path(xdgDataHome).is_absolute())
        return fs::path(xdgDataHome) / "minamori";
    const fs::path base = isSet(home) ? fs::path(home) : fs::current_path();
    return base / ".local" / "share" / "minamori";
}

bool hasPictures(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir / "cg", ec);
}

bool isWritableFolder(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

}  // namespace

GamePaths locateGamePaths(const fs::path& exeDir, const char* xdgDataHome, const char* home) {
    // The program in PREFIX/games, its content in PREFIX/share/games/minamori.
    const fs::path installed = exeDir.parent_path() / "share" / "games" / "minamori";
    if (!hasPictures(exeDir) && hasPictures(installed)) {
        const fs::path user = userDataFolder(xdgDataHome, home);
        return GamePaths{installed, user / "my.dat", user};
    }
    GamePaths paths(exeDir);
    if (hasPictures(exeDir) && !isWritableFolder(exeDir / "dat")) {
        const fs::path user = userDataFolder(xdgDataHome, home);
        paths.earlierSave = paths.saveFile;
        paths.saveFile = user / "my.dat";
        paths.recordsDir = user;
    }
    return paths;
}

GamePaths desktopGamePaths(const fs::path& exeDir) {
    const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
    const char* xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    GamePaths paths = locateGamePaths(exeDir, xdgDataHome, home);
    paths.settingsFile = settingsFile(xdgConfigHome, home);
    paths.screenshotsDir = picturesFolder(xdgConfigHome, home, xdgDataHome);
    return paths;
}

bool isPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

}  // namespace minamori
