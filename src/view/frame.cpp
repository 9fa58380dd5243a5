#include "view/frame.h"

#include "core/game.h"
#include "menus/navigation.h"
#include "view/effects.h"
#include "view/log.h"
#include "view/panels.h"
#include "view/picture_files.h"

namespace minamori {

namespace {

void drawTitleStage(Game& game) {
    Screen& s = game.screen;
    s.cg.fill(kBlack);
    s.bak.fill(kBlack);
    s.cg.copyFrom(s.cgPicture, 0, 0);
    s.cg.orFrom(s.bak);
}

void drawGameStage(Game& game) {
    Screen& s = game.screen;
    s.cg.fill(kBlack);
    s.bak.fill(kBlack);
    if (game.worldPanelDirty == 1) rebuildBackground(game);
    s.cg.copyFrom(s.backgroundLayer, 0, 0);
    drawPlayerPanel(game);
    drawLog(game);
    drawEffects(game);
    updateMenu(game);  // paints the rows and takes a pending click
    s.cg.orFrom(s.bak);
}

}  // namespace

void drawFrame(Game& game) {
    if (game.titleStage < 0)
        drawTitleStage(game);
    else
        drawGameStage(game);
    game.screen.framesDrawn += 1;
}

void rebuildBackground(Game& game) {
    Screen& s = game.screen;
    s.backgroundLayer.fill(kBlack);
    s.backgroundLayer.copyFrom(s.cgPicture, 0, 0);
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
