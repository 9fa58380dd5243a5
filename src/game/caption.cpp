#include "game/caption.h"

#include "game/advance.h"
#include "game/game.h"

namespace minamori {

std::string windowCaption(const Game& game) {
    std::string caption =
        "ミナモリ!!  (↑↓: 選ぶ  Enter: 決定  Backspace: 戻る  PageUp: 履歴  G: 推移  "
        "F1: ヘルプ  F11: 全画面)";
    if (fastForwarding(game))
        caption += "  ▶▶ 早送り";
    else if (game.advance.autoAdvance)
        caption += "  ▶ 自動送り";
    return caption;
}

void updateCaption(Game& game) {
    std::string caption = windowCaption(game);
    if (caption == game.caption) return;
    game.caption = std::move(caption);
    game.window().setCaption(game.caption);
}

}  // namespace minamori
