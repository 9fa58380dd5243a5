#include "game/game.h"

#include "game/shell.h"

namespace minamori {

Game::Game(std::filesystem::path dataDir, uint64_t seed)
    : Game(Services{}, std::move(dataDir), seed) {}

Game::Game(Services services, GamePaths paths, uint64_t seed)
    : ActionLayer(services, std::move(paths), seed) {}

bool Game::closeGame() { return formClose(*this); }

}  // namespace minamori
