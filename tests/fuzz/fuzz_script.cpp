// Fuzz target: script lines pushed into the interpreter and clicked through.
//
// Input: one byte of options, then the lines, separated by '\n'.
//   bits 0-1  the difficulty
//   bit 2     start in play (the main menu) instead of on the title picture
//   bit 3     answer yes to confirmation boxes
//   bits 4-5  a frame after every 1, 4, 7 or 10 clicks
//   bit 6     every fifth click with the right button
//   bit 7     a seasoned player (level, figures, money and the diet seat)
// Each input plays a fresh game in an emptied folder. The lines are clicked
// through (a battle's first command row is chosen when the battle waits for
// one) until nothing is left to click, the game closes, or the click limit is
// reached; every frame keeps the rules of a frame, and the game at the end saves
// and loads back unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/game.h"
#include "game/interpreter.h"
#include "game/shell.h"
#include "invariants.h"
#include "menus/menu_state.h"
#include "menus/navigation.h"

using namespace minamori;
namespace fs = std::filesystem;

namespace {

constexpr int kMaxClicks = 300;
constexpr int kMaxFrames = 12;

[[noreturn]] void broken(const std::string& why) {
    std::fprintf(stderr, "fuzz-script: %s\n", why.c_str());
    std::abort();
}

// One folder per process, emptied before every input.
const fs::path& folder() {
    static const fs::path path = [] {
        fs::path p =
            fs::temp_directory_path() / ("minamori-fuzz-script-" + std::to_string(::getpid()));
        fs::create_directories(p);
        return p;
    }();
    return path;
}

void emptyFolder() {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder(), ec))
        fs::remove_all(entry.path(), ec);
}

void frame(Game& game, int64_t& now, int& frames) {
    if (game.closing || frames >= kMaxFrames) return;
    ++frames;
    now += game.frameInterval;
    timerTick(game, now);
    for (const std::string& fault : soak::checkFrame(game)) broken(fault);
}

// Chooses the battle's first enabled command row, as a player would.
bool chooseBattleCommand(Game& game) {
    for (const tmenu& row : game.menuTable) {
        if (row.shown != 1 || row.enabled != 1 || row.page != kPageBattle) continue;
        const int x = row.targetX + row.width / 2;
        const int y = row.targetY + (row.height - 1) / 2;
        game.mouseX = x;
        game.mouseY = y;
        onGameClick(game, x, y, false);
        game.clickPending = 0;
        return true;
    }
    return false;
}

void makeSeasoned(Game& game) {
    tmy& m = game.my;
    m.level = 30;
    m.intelligence = m.vitality = m.charisma = 40;
    m.hp = m.maxHp = 60;
    m.money = 50000;
    m.careerLevel = 3;
    m.hasTaxBudget = 1;
    m.year = 5;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t options = data[0];
    emptyFolder();
    Game game(folder(), options);
    formCreate(game);
    game.my.difficulty = options & 3;
    game.recorder().answerYes = (options & 8) != 0;
    if (options & 128) makeSeasoned(game);
    if (options & 4) {
        game.titleStage = 0;
        game.inGame = 1;
        game.my.gameStarted = 1;
        openMenuPage(game, kPageMain);
    }
    const int frameEvery = 1 + 3 * ((options >> 4) & 3);
    const bool rightClicks = (options & 64) != 0;

    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        game.queue.pushLine(text.substr(start, end - start));
        start = end + 1;
    }

    int64_t now = 0;
    int frames = 0;
    for (int click = 1; click <= kMaxClicks && !game.closing; ++click) {
        const bool waiting = !game.queue.empty() || game.battle.battleState >= 2;
        if (waiting)
            onGameClick(game, 0, 0, rightClicks && click % 5 == 0);
        else if (game.battle.battleState != 1 || !chooseBattleCommand(game))
            break;
        if (click % frameEvery == 0) frame(game, now, frames);
    }
    frame(game, now, frames);

    static soak::SaveRoundTrip saveRoundTrip;
    const std::string roundTrip = saveRoundTrip.check(game);
    if (!roundTrip.empty()) broken(roundTrip);
    return 0;
}
