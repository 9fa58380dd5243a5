// The window's caption: the game's name, the keys, and what runs by itself.
#pragma once

#include <string>

namespace minamori {

class Game;

std::string windowCaption(const Game& game);
// Gives the window its caption when it has changed.
void updateCaption(Game& game);

}  // namespace minamori
