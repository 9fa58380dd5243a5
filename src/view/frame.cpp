#include "view/frame.h"

#include "core/game.h"
#include "menus/navigation.h"
#include "view/effects.h"
#include "view/log.h"
#include "view/overlay.h"
#include "view/panels.h"
#include "view/picture_files.h"

namespace minamori {

namespace {

bool effectsRunning(const Game& game) {
    for (const EffectSlot& slot : game.effects.slots)
        if (slot.age > 0) return true;
    return false;
}

// Fills cg with the picture, black where the picture does not reach.
void copyWhole(Canvas& cg, const Canvas& picture) {
    if (picture.width() < cg.width() || picture.height() < cg.height()) cg.fill(kBlack);
    cg.copyFrom(picture, 0, 0);
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
    drawLog(game);
    if (effects) drawEffects(game);
    updateMenu(game);  // paints the rows and takes a pending click
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

void rebuildBackground(Game& game) {
    Screen& s = game.screen;
    copyWhole(s.backgroundLayer, s.cgPicture);
    drawWorldPanel(game, s.backgroundLayer);
    game.worldPanelDirty = 0;
}

void loadStartPictures(Game& game) {
    Screen& s = game.screen;
    if (std::optional<Canvas> title = loadPictureFile(game.cgPath("title.bmp"))) {
        s.cg.copyFrom(*title, 0, 0);
        s.cgPicture.copyFrom(*title, 0, 0);
        s.backgroundLayer.copyFrom(*title, 0, 0);
        game.sceneName = "title.bmp";
    } else {
        game.dialogs().showMessage("画像を読み込めませんでした: " +
                                   game.cgPath("title.bmp").string());
    }
    if (std::optional<Canvas> money = loadPictureFile(game.cgPath("money.bmp"))) {
        s.moneyIcon = std::move(*money);
        s.moneyTransparent = s.moneyIcon.at(0, s.moneyIcon.height() - 1);
    } else {
        game.dialogs().showMessage("画像を読み込めませんでした: " +
                                   game.cgPath("money.bmp").string());
    }
}

}  // namespace minamori
