// Opening menu pages and choosing rows.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// Shows a menu page; during a battle only the battle page (100) opens.
void openMenuPage(Game& game, int32_t page);
// Hides every row and closes the menu.
void closeMenu(Game& game);
// One hover and click pass over the rows on screen.
void updateMenu(Game& game);

}  // namespace minamori
