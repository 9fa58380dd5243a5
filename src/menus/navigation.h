// Opening menu pages and choosing rows.
#pragma once

#include <cstdint>

#include "menus/menu_row.h"

namespace minamori {

struct MenuLayer;

// Shows a menu page; during a battle only the battle page (100) opens.
void openMenuPage(MenuLayer& game, int32_t page);
// Hides every row and closes the menu.
void closeMenu(MenuLayer& game);
// One hover and click pass over the rows on screen: each slides a step, is
// painted, and a pending click chooses the enabled row under the pointer.
void updateMenu(MenuLayer& game);
void hideAllRows(MenuLayer& game);

// The number of a row of the game's menu table.
int32_t rowIndex(const MenuLayer& game, const tmenu& row);
// Whether the pointer is over the row; its bottom line belongs to the next row.
bool isHovered(const MenuLayer& game, const tmenu& row);

}  // namespace minamori
