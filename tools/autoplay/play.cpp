// One whole game: the title menu, the years, the ending; and the report lines.
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "autoplay.h"
#include "driver.h"
#include "game/game.h"
#include "hands.h"
#include "strategy.h"

namespace minamori::autoplay {

namespace {

// Title-menu rows: the four modes (EASY first), continue, and the reset with
// its two confirmations.
constexpr int kModeRows[] = {205, 204, 203, 202};
constexpr int kRowContinue = 206;
constexpr int kRowReset = 200;
constexpr int kRowResetYes = 191;
constexpr int kRowResetYesAgain = 193;

// From the title pictures to the first main menu of a new game.
void startGame(Hands& hands, int difficulty) {
    hands.passTitle();
    if (hands.offered(kRowContinue)) {
        // A game was started in this folder: 初期化 keeps only the clear records.
        hands.choose(kRowReset);
        hands.choose(kRowResetYes);
        hands.choose(kRowResetYesAgain);
    }
    const int mode = kModeRows[difficulty];
    if (!hands.offered(mode))
        throw std::runtime_error(std::string(difficultyName(difficulty)) +
                                 " is not offered on the title menu of this folder");
    hands.choose(mode);  // then the opening lines, up to the main menu
    if (hands.game().menu.currentPage != kPageMain)
        throw std::runtime_error("the game did not reach its main menu");
}

std::string percent(int part, size_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%%", whole == 0 ? 0.0 : 100.0 * part / double(whole));
    return text;
}

}  // namespace

GameResult playGame(HeadlessDriver& driver, uint64_t seed, const PlayOptions& options) {
    if (options.difficulty < 0 || options.difficulty > 3)
        throw std::runtime_error("the difficulty is 0 to 3");
    Hands hands(driver, options.record);
    startGame(hands, options.difficulty);
    Strategy strategy(hands, options.trace);
    const Game& g = driver.game();

    GameResult result;
    result.seed = seed;
    result.difficulty = options.difficulty;
    while (!hands.ending()) {
        if (g.my.year >= options.yearLimit) {
            result.outcome = Outcome::kLimit;
            result.years = g.my.year;
            result.danger = g.my.danger;
            result.level = g.my.level;
            result.frames = hands.ticks();
            return result;
        }
        if (hands.closed()) throw std::runtime_error("the game closed without an ending");
        strategy.playYear();
    }
    const Ending& end = *hands.ending();
    result.outcome = end.outcome;
    result.years = end.year;
    result.danger = std::clamp(end.danger, 0, 120);  // as the next frame's clamp shows it
    result.level = end.level;
    result.frames = hands.ticks();
    return result;
}

bool modeOffered(const std::filesystem::path& dataDir, int difficulty) {
    if (difficulty <= 1) return difficulty >= 0;
    HeadlessDriver driver(dataDir, 1);  // reads the save; writes nothing
    return driver.game().my.clearCount[static_cast<size_t>(difficulty - 1)] > 0;
}

GameResult playGame(const std::filesystem::path& dataDir, uint64_t seed,
                    const PlayOptions& options) {
    HeadlessDriver driver(dataDir, seed);
    return playGame(driver, seed, options);
}

const char* outcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::kClear: return "clear";
        case Outcome::kTrueEnd: return "TRUE END";
        case Outcome::kDeath: return "death";
        case Outcome::kWar: return "war";
        case Outcome::kLimit: return "limit";
    }
    return "?";
}

const char* difficultyName(int difficulty) {
    static const char* const kNames[] = {"EASY", "NORMAL", "HARD", "EXTREAM"};
    return difficulty >= 0 && difficulty <= 3 ? kNames[difficulty] : "?";
}

std::string resultLine(const GameResult& r) {
    return "seed " + std::to_string(r.seed) + " " + difficultyName(r.difficulty) + " " +
           outcomeName(r.outcome) + " years " + std::to_string(r.years) + " danger " +
           std::to_string(r.danger) + " level " + std::to_string(r.level);
}

std::string summaryLine(const std::vector<GameResult>& results) {
    std::string line = "games " + std::to_string(results.size());
    for (Outcome o : {Outcome::kClear, Outcome::kTrueEnd, Outcome::kDeath, Outcome::kWar,
                      Outcome::kLimit}) {
        int n = 0;
        for (const GameResult& r : results) n += r.outcome == o;
        line += std::string(" ") + outcomeName(o) + " " + std::to_string(n) + " (" +
                percent(n, results.size()) + ")";
    }
    return line;
}

}  // namespace minamori::autoplay
