// The click entry of the game: plays the battle, consumes the next script line,
// or hands the click to the menus and the title pictures.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// A click on the game picture at (x, y); rightButton for the right mouse button.
void onGameClick(Game& game, int32_t x, int32_t y, bool rightButton);

}  // namespace minamori
