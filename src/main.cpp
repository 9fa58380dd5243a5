// minamori: the desktop game. Its pictures, sounds, music and save file lie in
// cg/ and dat/ beside the program.
#include <filesystem>

#include "platform/sdl_app.h"

int main() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path folder = ec ? std::filesystem::current_path() : self.parent_path();
    return minamori::runDesktopGame(folder);
}
