// minamori: the desktop game. Its pictures, sounds and music lie in cg/ and dat/
// beside the program (a build folder) or in ../share/games/minamori (an
// installed game), or in the folder --data-dir names.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/game_paths.h"
#include "platform/command_line.h"
#include "platform/sdl_app.h"

int main(int argc, char** argv) {
    using minamori::CommandLine;
    const CommandLine line = minamori::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::Action::kHelp:
            std::cout << minamori::usageText();
            return 0;
        case CommandLine::Action::kVersion:
            std::cout << minamori::versionText();
            return 0;
        case CommandLine::Action::kWrong:
            std::cerr << "minamori: " << line.wrong << '\n' << minamori::usageText();
            return 2;
        case CommandLine::Action::kPlay:
            break;
    }
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path folder = ec ? std::filesystem::current_path() : self.parent_path();
    minamori::GamePaths paths = minamori::desktopGamePaths(folder);
    if (!line.dataDir.empty()) {
        const minamori::GamePaths plain(line.dataDir);
        paths.content = plain.content;
        paths.saveFile = plain.saveFile;
        paths.recordsDir = plain.recordsDir;
        paths.earlierSave.clear();
    }
    return minamori::runDesktopGame(paths, line.fullscreen);
}
