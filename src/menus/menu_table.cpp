#include "menus/menu_table.h"

#include "core/game.h"

namespace minamori {

// The rows arrive page by page; until then every page is empty.
void buildMenuTable(Game&) {}

}  // namespace minamori
