#include "game/frame.h"

#include "game/choice_guard.h"
#include "game/game.h"
#include "menus/menu_painter.h"
#include "menus/navigation.h"
#include "view/effects.h"
#include "view/log.h"
#include "view/overlay.h"
#include "view/panels.h"
#include "view/screen.h"

namespace minamori {

namespace {

bool effectsRunning(const Game& game) {
    for (const EffectSlot& slot : game.effects.slots)
        if (slot.age > 0) return true;
    return false;
}

// The days of the row under the pointer, while rows can be chosen.
void drawDayHint(Game& game) {
    const int32_t hovered = game.menu.hoveredRow;
    if (hovered <= 0 || !rowsTakeChoice(game) || game.overlay.open != Overlay::kNone) return;
    const tmenu& row = game.menuTable[static_cast<size_t>(hovered)];
    if (row.shown == 1 && row.dayCost > 0) paintDayHint(game, row);
}

void drawTitleStage(Game& game) {
    // The effects layer is black here, so ORing it would change nothing.
    copyWhole(game.screen.cg, game.screen.cgPicture);
}

void drawGameStage(Game& game) {
    Screen& s = game.screen;
    // The effects layer is cleared and ORed only while effects run: a black
    // layer adds nothing.
    const bool effects = effectsRunning(game);
    if (effects) s.bak.fill(kBlack);
    if (game.worldPanelDirty == 1) rebuildBackground(game);
    copyWhole(s.cg, s.backgroundLayer);
    drawPlayerPanel(game);
    drawLog(game, !game.queue.empty());
    if (effects) drawEffects(game);
    updateMenu(game);  // paints the rows and takes a pending click
    if (game.settings.dayHint) drawDayHint(game);
    if (effects) s.cg.orFrom(s.bak);
}

}  // namespace

void drawFrame(Game& game) {
    if (game.titleStage < 0)
        drawTitleStage(game);
    else
        drawGameStage(game);
    drawOverlay(game);
    game.screen.framesDrawn += 1;
}

}  // namespace minamori
