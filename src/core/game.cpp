#include "core/game.h"

#include "core/file_io.h"

namespace minamori {

Game::Game(std::filesystem::path dataDir, uint64_t seed)
    : Game(Services{}, std::move(dataDir), seed) {}

Game::Game(Services services, GamePaths paths, uint64_t seed)
    : text(services.fonts ? *services.fonts : boxFonts_),
      rng(seed),
      paths_(std::move(paths)),
      services_(services) {
    if (!services_.audio) services_.audio = &recorder_;
    if (!services_.dialogs) services_.dialogs = &recorder_;
    if (!services_.window) services_.window = &recorder_;
    if (!services_.fonts) services_.fonts = &boxFonts_;
}

std::filesystem::path Game::loadPath() const {
    if (paths_.earlierSave.empty() || somethingAt(paths_.saveFile)) return paths_.saveFile;
    return paths_.earlierSave;
}

bool isPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

}  // namespace minamori
