// The fixed rows of every menu page.
#pragma once

namespace minamori {

class Game;

// Assigns the fixed fields of every row and clears the caption of each row
// whose visibility condition fails on the current game.
void buildMenuTable(Game& game);

}  // namespace minamori
