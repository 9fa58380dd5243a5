#include "view/screen.h"

#include "view/layer.h"
#include "view/panels.h"
#include "view/picture_files.h"

namespace minamori {

void copyWhole(Canvas& cg, const Canvas& picture) {
    if (picture.width() < cg.width() || picture.height() < cg.height()) cg.fill(kBlack);
    cg.copyFrom(picture, 0, 0);
}

void rebuildBackground(ViewLayer& game) {
    Screen& s = game.screen;
    copyWhole(s.backgroundLayer, s.cgPicture);
    drawWorldPanel(game, s.backgroundLayer);
    game.worldPanelDirty = 0;
}

void loadStartPictures(ViewLayer& game) {
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
