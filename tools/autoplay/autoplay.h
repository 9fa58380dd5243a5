// minamori-autoplay: whole games played by the menus, the way a careful player
// clicks them, to measure how often each difficulty can be cleared.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace minamori {
class HeadlessDriver;
}

namespace minamori::autoplay {

enum class Outcome {
    kClear,    // the danger reached 0 % at a morning
    kTrueEnd,  // the same, after the security treaty was cancelled
    kDeath,    // the lifespan ran out
    kWar,      // an island incident turned into war
    kLimit,    // the year limit came first
};

struct GameResult {
    uint64_t seed = 0;
    int difficulty = 0;
    Outcome outcome = Outcome::kLimit;
    int years = 0;   // the year counter when the game ended
    int danger = 0;  // the danger figure on that morning, in %
    int level = 0;
    int frames = 0;  // frame ticks run to let the menu rows settle before clicks
};

// What the player knows about the game it is asked to play.
struct PlayOptions {
    int difficulty = 0;             // 0 EASY, 1 NORMAL, 2 HARD, 3 EXTREAM
    int yearLimit = 200;            // stop at the morning of this year
    std::ostream* trace = nullptr;  // each command chosen and each year's figures
    // Every driver command the player runs, in order, to replay the game later.
    std::vector<std::string>* record = nullptr;
};

// Plays one game in the driver's data folder, from the title pictures to the
// end: the difficulty is chosen on the title menu (after 初期化 when a game
// was already started there). The driver must be freshly made; the game ends
// closed. Throws std::runtime_error when the difficulty's mode row is not
// offered (HARD needs a NORMAL clear in that folder, EXTREAM a HARD clear) or
// when the game stops answering the way a player expects.
GameResult playGame(HeadlessDriver& driver, uint64_t seed, const PlayOptions& options);

// Whether the title menu of the data folder offers the difficulty's mode row.
bool modeOffered(const std::filesystem::path& dataDir, int difficulty);

// Plays one game with a fresh driver on dataDir.
GameResult playGame(const std::filesystem::path& dataDir, uint64_t seed,
                    const PlayOptions& options);

const char* outcomeName(Outcome outcome);
const char* difficultyName(int difficulty);

// "seed 7 EASY clear years 23 danger 0 level 14"
std::string resultLine(const GameResult& result);
// Counts and rates of a set of games, e.g.
// "games 50 clear 41 (82%) TRUE END 0 (0%) death 9 (18%) war 0 (0%) limit 0 (0%)".
std::string summaryLine(const std::vector<GameResult>& results);

}  // namespace minamori::autoplay
