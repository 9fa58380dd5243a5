// The status panels: the player, the enemy in battle, and the world.
#pragma once

namespace minamori {

class Canvas;
class Game;

// The player panel and, in battle, the enemy panel, on cg.
void drawPlayerPanel(Game& game);
// The world panel on the given picture.
void drawWorldPanel(Game& game, Canvas& picture);

}  // namespace minamori
