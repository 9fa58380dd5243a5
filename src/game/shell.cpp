#include "game/shell.h"

#include <string>

#include "audio/sound.h"
#include "core/save_file.h"
#include "core/state.h"
#include "game/frame.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "menus/row_keys.h"
#include "view/overlay.h"
#include "view/screen.h"

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

bool formKeyDown(Game& game, Key key) {
    if (overlayTakesKey(game, key)) return false;
    switch (key) {
        case Key::kEscape:
            if (game.titleStage != 0) fullReset(game);
            return false;
        case Key::kUp:
            return pointToAdjacentRow(game, -1);
        case Key::kDown:
            return pointToAdjacentRow(game, 1);
        case Key::kEnter:
        case Key::kSpace:
        case Key::kBackspace:
            // Pressed and released at once, as a click of the mouse is.
            onGameClick(game, game.mouseX, game.mouseY, key == Key::kBackspace);
            game.clickPending = 0;
            return false;
        default:
            return false;
    }
}

void cgMouseDown(Game& game, int32_t x, int32_t y, bool rightButton) {
    if (overlayTakesClick(game)) return;
    onGameClick(game, x, y, rightButton);
}

void cgMouseMove(Game& game, int32_t x, int32_t y) {
    if (overlayTakesPointer(game, x, y)) return;
    game.mouseX = x;
    game.mouseY = y;
}

void cgMouseUp(Game& game) { game.clickPending = 0; }

void cgMouseWheel(Game& game, int32_t steps) { overlayTakesWheel(game, steps); }

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
