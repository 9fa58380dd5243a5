// minamori-bench: what the game costs per frame, per click, per year and per
// save, with the real fonts when they are installed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "actions/year_update.h"
#include "core/name_tables.h"
#include "core/save_file.h"
#include "core/state.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "game/shell.h"
#include "menus/navigation.h"
#include "platform/ttf_fonts.h"
#include "platform/window_scale.h"
#include "script/stats.h"
#include "view/log.h"
#include "view/screen.h"

namespace {

using minamori::Game;
using minamori::kScreenHeight;
using minamori::kScreenWidth;

minamori::FontEngine* fonts() {
    static std::unique_ptr<minamori::TtfFontEngine> engine = [] {
        std::string error;
        return minamori::TtfFontEngine::create(error);
    }();
    return engine.get();
}

std::filesystem::path dataFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// A game in its second year on the activity page, with a full log.
std::unique_ptr<Game> busyGame() {
    auto game = std::make_unique<Game>(minamori::Services{nullptr, nullptr, nullptr, fonts()},
                                       dataFolder(), 1);
    minamori::formCreate(*game);
    minamori::newGame(*game);
    minamori::fillNameTables(*game);
    game->titleStage = 0;
    game->inGame = 1;
    game->my.gameStarted = 1;
    game->my.vitality = game->my.intelligence = game->my.charisma = 5;
    game->my.level = 3;
    for (int i = 0; i < 8; ++i)
        minamori::addLogLine(*game, "尖閣諸島の周辺で漁船が確認されました。" + std::to_string(i), "red");
    minamori::openMenuPage(*game, 10);
    return game;
}

void BM_BusyFrame(benchmark::State& state) {
    auto game = busyGame();
    int frame = 0;
    for (auto _ : state) {
        if (frame % 22 == 0) {  // a level-up's effects, and the page sliding in again
            game->my.exp = game->my.level * 50 + 49;
            minamori::gainExp(*game, 1);
            minamori::openMenuPage(*game, 10);
        }
        game->worldPanelDirty = 1;
        minamori::timerTick(*game, ++frame * 90);
    }
}
BENCHMARK(BM_BusyFrame);

void BM_ClickRunsACommand(benchmark::State& state) {
    auto game = busyGame();
    for (int i = 0; i < 12; ++i) minamori::updateMenu(*game);
    const minamori::tmenu& row = game->menuTable[322];  // 家の前の掃除
    for (auto _ : state) {
        game->my.usedThisYear.fill(0);
        game->my.daysUsed = 0;
        game->queue.clearQueue();
        minamori::openMenuPage(*game, 10);
        for (int i = 0; i < 12; ++i) minamori::updateMenu(*game);
        minamori::onGameClick(*game, row.curX + 5, row.curY + 5, false);
    }
}
BENCHMARK(BM_ClickRunsACommand);

void BM_YearlyUpdate(benchmark::State& state) {
    auto game = busyGame();
    for (auto _ : state) {
        game->queue.clearQueue();
        game->my.lifespan = 50;
        game->my.danger = 50;
        minamori::yearlyUpdate(*game);
    }
}
BENCHMARK(BM_YearlyUpdate);

// A game saved into a folder of its own, removed when done.
struct SavedGame {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("minamori-bench-" + std::to_string(::getpid()));
    Game game{folder, 1};
    SavedGame() {
        minamori::newGame(game);
        minamori::saveGame(game);
    }
    ~SavedGame() { std::filesystem::remove_all(folder); }
};

// Writing waits for the disk (the file and its folder are synced): the wall
// clock is the figure that matters.
void BM_Save(benchmark::State& state) {
    SavedGame saved;
    for (auto _ : state) minamori::saveGame(saved.game);
}
BENCHMARK(BM_Save)->UseRealTime();

void BM_Load(benchmark::State& state) {
    SavedGame saved;
    for (auto _ : state) {
        std::string error;
        minamori::readSaveFile(saved.game, error);
    }
}
BENCHMARK(BM_Load);

// The picture enlarged into the window's memory at 2x, 3x (1280 x 960, 1920 x
// 1440) and fullscreen on a 1920 x 1080 desktop, border included.
void BM_ScaledPicture(benchmark::State& state) {
    const std::vector<uint32_t> picture(static_cast<size_t>(kScreenWidth) * kScreenHeight,
                                        0x336699);
    const bool full = state.range(0) == 0;
    const int w = full ? 1920 : kScreenWidth * static_cast<int>(state.range(0));
    const int h = full ? 1080 : kScreenHeight * static_cast<int>(state.range(0));
    std::vector<uint32_t> window(static_cast<size_t>(w) * h);
    const minamori::Viewport view = minamori::fitViewport(w, h);
    for (auto _ : state) {
        minamori::drawScaled(picture.data(), minamori::PixelRows{window.data(), w, h, w}, view);
        benchmark::DoNotOptimize(window.data());
    }
}
BENCHMARK(BM_ScaledPicture)->Arg(2)->Arg(3)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
