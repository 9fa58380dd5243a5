// Scene pictures from the cg/ folder.
#pragma once

#include <string>

namespace minamori {

struct ViewLayer;

// Shows a new scene picture; a file that cannot be loaded leaves the scene as it was.
void loadScenePicture(ViewLayer& game, const std::string& fileName);

}  // namespace minamori
