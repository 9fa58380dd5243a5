// Panels drawn over the whole game (the message history, the chart of the
// world over the years), and the one gate that keeps input from the game under them.
#pragma once

#include <cstdint>
#include <vector>

#include "core/history_file.h"
#include "view/keys.h"
#include "view/preferences_panel.h"

namespace minamori {

struct ViewLayer;

enum class Overlay { kNone, kHistory, kChart, kHelp, kPreferences };

// View state only: never saved, never read by the rules of play.
struct OverlayState {
    Overlay open = Overlay::kNone;
    int historyScroll = 0;         // lines scrolled back from the newest
    int32_t heldX = 0, heldY = 0;  // the pointer, kept from the game while open
    std::vector<YearFigures> chartRows;  // the history the chart shows
    int helpScroll = 0;
    PreferencesPanel preferences;  // filled by the shell, which owns the preferences
};

// Opening hides the pointer from the game (no row is hovered under the
// panel); closing gives it back where the mouse is now.
void openOverlay(ViewLayer& game, Overlay overlay);
void closeOverlay(ViewLayer& game);

// Input first offered to the overlays; each returns whether it was taken, in
// which case the game must not see it. Keys and the wheel may also open one.
// The preferences take their keys from the shell; here they only close.
bool overlayTakesKey(ViewLayer& game, Key key);
bool overlayTakesClick(ViewLayer& game);
bool overlayTakesPointer(ViewLayer& game, int32_t x, int32_t y);
void overlayTakesWheel(ViewLayer& game, int32_t steps);

// Draws the open overlay over cg, last in the frame.
void drawOverlay(ViewLayer& game);

}  // namespace minamori
