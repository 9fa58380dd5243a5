#include "view/pictures.h"

#include <fstream>

#include "core/game.h"

namespace minamori {

// Decoding and drawing come with the frame; for now a readable file becomes the scene.
void loadScenePicture(Game& game, const std::string& fileName) {
    game.callLog.push_back("loadScenePicture " + fileName);
    if (!isPlainFileName(fileName)) return;
    std::ifstream file(game.cgPath(fileName), std::ios::binary);
    if (file) game.sceneName = fileName;
}

}  // namespace minamori
