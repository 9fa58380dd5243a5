#include <array>
#include <string>

#include "actions/action_pages.h"
#include "actions/layer.h"
#include "actions/narrative.h"
#include "actions/year_update.h"
#include "audio/sound.h"
#include "core/history_file.h"
#include "core/saturate.h"
#include "core/save_file.h"
#include "core/state.h"
#include "menus/navigation.h"
#include "view/log.h"
#include "view/pictures.h"

namespace minamori {

namespace {


void showAndOpen(ActionLayer& game, const char* line, int32_t page) {
    addGreyLine(game, line);
    openMenuPage(game, page);
}

// What the player is told about the difficulty being continued.
const char* modeLine(int32_t difficulty) {
    static constexpr std::array<const char*, kDifficulties> kLines = {
        "EASY MODE PLAY", "NOMAL MODE PLAY", "HARD MODE PLAY", "EXTREAM MODE PLAY"};
    return inRange(difficulty, kDifficulties) ? kLines[static_cast<size_t>(difficulty)] : nullptr;
}

void continueGame(ActionLayer& game) {
    playSound(game, "taiiko.wav");
    playSound(game, "dream.wav");
    game.inGame = 1;
    loadScenePicture(game, "1.jpg");
    if (const char* line = modeLine(game.my.difficulty)) addGreyLine(game, line);
    openMenuPage(game, kPageMain);
}

// One queued line per difficulty cleared at least once, with its TRUE END count.
void showClearRecord(ActionLayer& game) {
    static constexpr std::array<const char*, kDifficulties> kLabels = {
        "イージークリア ", "ノーマルクリア ", "ハードクリア ", "ｴｸｽﾄﾘｰﾑクリア "};
    addGreyLine(game, "....あなたが日本です");
    for (size_t d = 0; d < kLabels.size(); ++d) {
        const int32_t clears = game.my.clearCount[d];
        if (clears <= 0) continue;
        std::string line = kLabels[d] + std::to_string(clears) + "回";
        const int32_t trueClears = game.my.trueClearCount[d];
        if (trueClears > 0) line += "　TRUE END " + std::to_string(trueClears) + "回";
        game.queue.pushLine(line);
    }
}

// A difficulty chosen on the title menu begins a new game with its opening.
void startNewGame(ActionLayer& game, int32_t difficulty) {
    if (game.my.gameStarted != 0) return;
    clearLog(game);
    game.my.gameStarted = 1;
    game.my.difficulty = difficulty;
    beginHistory(game);
    addGreyLine(game, "....君のやることは決まっている");
    game.queue.pushLine("midi id.mid");
    for (const char* line : openingNarrative()) game.queue.pushLine(line);
    game.queue.pushLine("start");
}

void tellHistory(ActionLayer& game) {
    closeMenu(game);
    addGreyLine(game, "....歴史....");
    game.queue.pushLine("midi satori.mid");
    for (const char* line : islandHistory()) game.queue.pushLine(line);
    game.queue.pushLine("menu3");
}

void saveOnRequest(ActionLayer& game) {
    playSound(game, "up2.wav");
    // A failed save has already been reported in its own box; claiming
    // success after it would mislead the player.
    if (!saveGame(game)) return;
    addLogLine(game, "セーブしました....", "aqua");
    addGreyLine(game,
                "(※ゲーム終了時にも、自動的にセーブされますが、このコマンドでもセーブすることができます)");
}

void changeVolume(ActionLayer& game, int32_t step) {
    int32_t& volume = game.my.volume;
    volume = steppedVolume(volume, step);
    addGreyLine(game, "音量＝" + std::to_string(volume));
    playSound(game, "1.wav");
}

}  // namespace

void runMainMenu(ActionLayer& game, int32_t slot) {
    switch (slot) {
        case 1: openMenuPage(game, kPageQuit); break;
        case 2: showAndOpen(game, "草莽活動＞どうしますか", kPageActivities); break;
        case 3: openMenuPage(game, kPageOption); break;
        case 4: endYear(game); break;
        case 5: showAndOpen(game, "経済＞どうしますか", kPagePolicies); break;
        case 6: showAndOpen(game, "外交＞どうしますか", kPageDiplomacy); break;
        case 7: showAndOpen(game, "軍事＞どうしますか", kPageMilitary); break;
        case 8: showAndOpen(game, "奇跡＞どうしますか", kPageMiracles); break;
        default: break;
    }
}

void runQuitPage(ActionLayer& game, int32_t slot) {
    // Closing saves the game first, as every way out of the program does.
    if (slot == 1) game.closeGame();
    if (slot == 2) openMenuPage(game, kPageMain);
}

void runOptionPage(ActionLayer& game, int32_t slot) {
    if (slot == 1) openMenuPage(game, kPageSound);
    if (slot == 2) tellHistory(game);
    if (slot == 3) saveOnRequest(game);
}

void runSoundPage(ActionLayer& game, int32_t slot) {
    if (slot == 1) changeVolume(game, -kVolumeStep);
    if (slot == 2) changeVolume(game, kVolumeStep);
}

void runTitlePage(ActionLayer& game, int32_t slot) {
    switch (slot) {
        case 1: continueGame(game); break;
        case 2: showClearRecord(game); break;
        case 3: showAndOpen(game, "....データを初期化してもよろしいですか", kPageResetConfirm); break;
        case 4: case 5: case 6: case 7: startNewGame(game, slot - 4); break;
        default: break;
    }
}

void runFirstResetConfirm(ActionLayer& game, int32_t slot) {
    if (slot == 1) showAndOpen(game, "....本当によろしいですか", kPageResetConfirm2);
    if (slot == 2) openMenuPage(game, kPageTitle);
}

void runSecondResetConfirm(ActionLayer& game, int32_t slot) {
    if (slot == 1) {
        newGame(game);  // the clear counts survive a reset
        playSound(game, "up2.wav");
        addLogLine(game, "....初期化しました", "aqua");
    }
    if (slot == 1 || slot == 2) openMenuPage(game, kPageTitle);
}

}  // namespace minamori
