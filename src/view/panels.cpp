#include "view/panels.h"

#include "core/game.h"

namespace minamori {

// The panels' figures come with the battle and status screens.
void drawPlayerPanel(Game&) {}
void drawWorldPanel(Game&, Canvas&) {}

}  // namespace minamori
