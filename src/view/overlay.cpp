#include "view/overlay.h"

#include <algorithm>

#include "core/history_file.h"
#include "view/chart.h"
#include "view/help.h"
#include "view/history.h"
#include "view/layer.h"

namespace minamori {

namespace {

constexpr int kWheelLines = 3;
constexpr int kPageLines = kHistoryRows - 1;
constexpr int32_t kHidden = -1;  // a pointer position off the picture

void scrollHistory(ViewLayer& game, int64_t lines) {
    int& scroll = game.overlay.historyScroll;
    scroll =
        static_cast<int>(std::clamp<int64_t>(scroll + lines, 0, maxHistoryScroll(game.history)));
}

// A key while nothing is open: only the keys that open an overlay are taken.
bool opensOverlay(ViewLayer& game, Key key) {
    if (key == Key::kPageUp) {
        openOverlay(game, Overlay::kHistory);
        return true;
    }
    if (key == Key::kF1) {
        openOverlay(game, Overlay::kHelp);
        return true;
    }
    if (key == Key::kG) {
        // The rows are read once, as the chart opens; no year passes under it.
        game.overlay.chartRows = readHistory(historyPath(game));
        openOverlay(game, Overlay::kChart);
        return true;
    }
    return false;
}

void historyKey(ViewLayer& game, Key key) {
    switch (key) {
        case Key::kUp:
            scrollHistory(game, 1);
            break;
        case Key::kDown:
            scrollHistory(game, -1);
            break;
        case Key::kPageUp:
            scrollHistory(game, kPageLines);
            break;
        case Key::kPageDown:
            scrollHistory(game, -kPageLines);
            break;
        case Key::kEscape:
        case Key::kEnter:
        case Key::kSpace:
        case Key::kBackspace:
            closeOverlay(game);
            break;
        default:
            break;
    }
}

void scrollHelp(ViewLayer& game, int64_t lines) {
    int& scroll = game.overlay.helpScroll;
    scroll = static_cast<int>(std::clamp<int64_t>(scroll + lines, 0, maxHelpScroll(game)));
}

void helpKey(ViewLayer& game, Key key) {
    switch (key) {
        case Key::kUp: scrollHelp(game, -1); break;
        case Key::kDown: scrollHelp(game, 1); break;
        case Key::kPageUp: scrollHelp(game, -kPageLines); break;
        case Key::kPageDown: scrollHelp(game, kPageLines); break;
        case Key::kF1:
        case Key::kEscape:
        case Key::kEnter:
        case Key::kSpace:
        case Key::kBackspace: closeOverlay(game); break;
        default: break;
    }
}

void chartKey(ViewLayer& game, Key key) {
    if (key == Key::kG || key == Key::kEscape || key == Key::kEnter || key == Key::kSpace ||
        key == Key::kBackspace)
        closeOverlay(game);
}

}  // namespace

void openOverlay(ViewLayer& game, Overlay overlay) {
    OverlayState& o = game.overlay;
    if (o.open == Overlay::kNone) {
        o.heldX = game.mouseX;
        o.heldY = game.mouseY;
        game.mouseX = game.mouseY = kHidden;
    }
    o.open = overlay;
    o.historyScroll = 0;
    o.helpScroll = 0;
}

void closeOverlay(ViewLayer& game) {
    OverlayState& o = game.overlay;
    if (o.open == Overlay::kNone) return;
    o.open = Overlay::kNone;
    game.mouseX = o.heldX;
    game.mouseY = o.heldY;
}

bool overlayTakesKey(ViewLayer& game, Key key) {
    switch (game.overlay.open) {
        case Overlay::kNone:
            return opensOverlay(game, key);
        case Overlay::kHistory:
            historyKey(game, key);
            return true;
        case Overlay::kChart:
            chartKey(game, key);
            return true;
        case Overlay::kHelp:
            helpKey(game, key);
            return true;
        case Overlay::kPreferences:
            if (key == Key::kEscape || key == Key::kP) closeOverlay(game);
            return true;
    }
    return true;
}

bool overlayTakesClick(ViewLayer& game) {
    if (game.overlay.open == Overlay::kNone) return false;
    closeOverlay(game);
    return true;
}

bool overlayTakesPointer(ViewLayer& game, int32_t x, int32_t y) {
    if (game.overlay.open == Overlay::kNone) return false;
    game.overlay.heldX = x;
    game.overlay.heldY = y;
    return true;
}

void overlayTakesWheel(ViewLayer& game, int32_t steps) {
    switch (game.overlay.open) {
        case Overlay::kNone:
            if (steps > 0) openOverlay(game, Overlay::kHistory);
            break;
        case Overlay::kHistory:
            scrollHistory(game, int64_t{steps} * kWheelLines);
            break;
        case Overlay::kHelp:
            scrollHelp(game, -int64_t{steps} * kWheelLines);
            break;
        case Overlay::kChart:
        case Overlay::kPreferences:
            break;
    }
}

void drawOverlay(ViewLayer& game) {
    switch (game.overlay.open) {
        case Overlay::kNone:
            break;
        case Overlay::kHistory:
            drawHistory(game, game.overlay.historyScroll);
            break;
        case Overlay::kChart:
            drawChart(game, game.screen.cg, game.overlay.chartRows);
            break;
        case Overlay::kHelp:
            drawHelp(game, game.overlay.helpScroll);
            break;
        case Overlay::kPreferences:
            drawPreferences(game, game.overlay.preferences);
            break;
    }
}

}  // namespace minamori
