// minamori: the desktop game. Its pictures, sounds and music lie in cg/ and dat/
// beside the program (a build folder) or in ../share/minamori (an installed game).
#include <filesystem>

#include "core/game_paths.h"
#include "platform/sdl_app.h"

int main() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path folder = ec ? std::filesystem::current_path() : self.parent_path();
    return minamori::runDesktopGame(minamori::desktopGamePaths(folder));
}
