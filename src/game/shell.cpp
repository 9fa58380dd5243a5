#include "game/shell.h"

#include <string>

#include "audio/sound.h"
#include "core/save_file.h"
#include "core/state.h"
#include "game/advance.h"
#include "game/caption.h"
#include "game/choice_guard.h"
#include "game/frame.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "game/preferences.h"
#include "game/screenshot.h"
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

// A key press, before the overlays and the guard have looked again.
bool keyDown(Game& game, Key key) {
    if (isHoldKey(key)) {
        holdKey(game, key, true);
        return false;
    }
    if (key == Key::kF12) {
        takeScreenshot(game);
        return false;
    }
    if (game.overlay.open == Overlay::kPreferences) {
        preferencesKey(game, key);
        return false;
    }
    if (game.overlay.open == Overlay::kNone && key == Key::kP) {
        openPreferences(game);
        return false;
    }
    if (key == Key::kF1) helpHintSeen(game);
    if (overlayTakesKey(game, key)) return false;
    switch (key) {
        case Key::kEscape:
            if (game.titleStage != 0) fullReset(game);
            return false;
        case Key::kUp:
        case Key::kDown: {
            const bool moved = pointToAdjacentRow(game, key == Key::kUp ? -1 : 1);
            if (moved) pointedAfresh(game);
            return moved;
        }
        case Key::kEnter:
        case Key::kSpace:
        case Key::kBackspace:
            if (key != Key::kBackspace && guardHoldsClick(game)) return false;
            // Pressed and released at once, as a click of the mouse is.
            onGameClick(game, game.mouseX, game.mouseY, key == Key::kBackspace);
            game.clickPending = 0;
            return false;
        case Key::kA:
            toggleAutoAdvance(game);
            return false;
        default:
            return false;
    }
}

}  // namespace

void formCreate(Game& game) {
    loadStartPictures(game);
    game.frameInterval = 90;
    game.titleStage = -2;
    game.inGame = 0;
    loadPreferences(game);
    loadGame(game);
}

void timerTick(Game& game, int64_t nowMs) {
    game.clockMs = nowMs;
    soundFrameTick(game);
    game.ticksThisSecond += 1;
    game.animFrame += 1;
    if (game.animFrame > 999) game.animFrame = 0;
    advanceTick(game, nowMs);
    drawFrame(game);
    if (game.titleStage >= 0) normaliseState(game);
    governRate(game, nowMs);
    watchForNewPage(game);
    guardTick(game, nowMs);
    updateCaption(game);
}

bool formKeyDown(Game& game, Key key) {
    watchForNewPage(game);
    const bool moved = keyDown(game, key);
    watchForNewPage(game);
    updateCaption(game);
    return moved;
}

void formKeyUp(Game& game, Key key) {
    if (isHoldKey(key)) holdKey(game, key, false);
    updateCaption(game);
}

void releaseHeldKeys(Game& game) {
    game.advance.heldKeys = 0;
    updateCaption(game);
}

void cgMouseDown(Game& game, int32_t x, int32_t y, bool rightButton) {
    if (overlayTakesClick(game)) return;
    watchForNewPage(game);
    if (!rightButton && guardHoldsClick(game)) return;
    onGameClick(game, x, y, rightButton);
    watchForNewPage(game);
}

void cgMouseMove(Game& game, int32_t x, int32_t y) {
    if (overlayTakesPointer(game, x, y)) return;
    game.mouseX = x;
    game.mouseY = y;
    watchForNewPage(game);
    pointedAfresh(game);
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
