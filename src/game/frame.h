// The composition of one frame from every part's painter.
#pragma once

namespace minamori {

class Game;

// Composes one frame into cg: the title picture alone before the title menu,
// else the scene, panels, log, menu rows and effects; an open overlay last.
void drawFrame(Game& game);

}  // namespace minamori
