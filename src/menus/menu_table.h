// The fixed rows of every menu page.
#pragma once

namespace minamori {

struct MenuLayer;

// Assigns the fixed fields of every row and clears the caption of each row
// whose visibility condition fails on the current game.
void buildMenuTable(MenuLayer& game);

}  // namespace minamori
