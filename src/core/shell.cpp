#include "core/shell.h"

#include <string>

#include "audio/sound.h"
#include "core/game.h"
#include "core/save_file.h"
#include "core/state.h"
#include "view/frame.h"

namespace minamori {

namespace {

void fullReset(Game& game) {
    if (!game.dialogs().askYesNo(
            "全てのデータを初期化します\n"
            "新しくゲームを始める場合は、これではなく、メニューから[初期化]を選択して下さい"))
        return;
    game.my.clearCount.fill(0);
    game.my.trueClearCount.fill(0);
    game.my.totalClearCount = 0;
    newGame(game);
    saveGame(game);
    game.dialogs().showMessage("Done....");
}

// Holds the frame rate at 11 to 12 frames a second; never lowers the interval
// below 70 ms.
void governRate(Game& game, int64_t nowMs) {
    if (nowMs <= game.nextRateCheck) return;
    game.nextRateCheck = nowMs + 1000;
    const int32_t ticks = game.ticksThisSecond;
    if (ticks >= 13) game.frameInterval += ticks - 12;
    if (ticks <= 10 && game.frameInterval - (12 - ticks) >= 70) game.frameInterval -= 12 - ticks;
    game.ticksThisSecond = 0;
}

}  // namespace

void formCreate(Game& game) {
    loadStartPictures(game);
    game.frameInterval = 90;
    game.titleStage = -2;
    game.inGame = 0;
    loadGame(game);
}

void timerTick(Game& game, int64_t nowMs) {
    soundFrameTick(game);
    game.ticksThisSecond += 1;
    game.animFrame += 1;
    if (game.animFrame > 999) game.animFrame = 0;
    drawFrame(game);
    if (game.titleStage >= 0) normaliseState(game);
    governRate(game, nowMs);
}

void formKeyDown(Game& game, Key key) {
    if (key == Key::kEscape && game.titleStage != 0) fullReset(game);
}

bool formClose(Game& game) {
    if (game.closing) return true;
    const std::string error = writeSaveFile(game);
    if (!error.empty() &&
        !game.dialogs().askYesNo("セーブできませんでした。\n" + error +
                                 "\n\nセーブせずに終了しますか？"))
        return false;
    game.closing = true;
    game.window().closeWindow();
    return true;
}

}  // namespace minamori
