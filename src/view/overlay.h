// Panels drawn over the whole game (the message history, later the chart of
// the world), and the one gate that keeps input from the game under them.
#pragma once

#include <cstdint>

#include "core/shell.h"

namespace minamori {

class Game;

enum class Overlay { kNone, kHistory, kChart };

// View state only: never saved, never read by the rules of play.
struct OverlayState {
    Overlay open = Overlay::kNone;
    int historyScroll = 0;         // lines scrolled back from the newest
    int32_t heldX = 0, heldY = 0;  // the pointer, kept from the game while open
};

// Opening hides the pointer from the game (no row is hovered under the
// panel); closing gives it back where the mouse is now.
void openOverlay(Game& game, Overlay overlay);
void closeOverlay(Game& game);

// Input first offered to the overlays; each returns whether it was taken, in
// which case the game must not see it. Keys and the wheel may also open one.
bool overlayTakesKey(Game& game, Key key);
bool overlayTakesClick(Game& game);
bool overlayTakesPointer(Game& game, int32_t x, int32_t y);
void overlayTakesWheel(Game& game, int32_t steps);

// Draws the open overlay over cg, last in the frame.
void drawOverlay(Game& game);

}  // namespace minamori
