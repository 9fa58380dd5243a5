// minamori-soak: plays seeded games of random input through the headless driver
// (left, middle and right clicks anywhere on the picture, held buttons, pointer
// moves, frames, the playing keys and the wheel, Esc, confirmation answers, menu rows, the full
// reset, quitting and starting again from the save) and checks the game's rules after every frame.
// Built with AddressSanitizer and UndefinedBehaviorSanitizer: any report ends the run.
//
// usage: minamori-soak [--seed N] [--games N] [--seconds S] [--steps N]
//                      [--content DIR] [--quiet]
//   --seed N     the first game's seed (default 1); game i plays seed N+i
//   --games N    how many games to play (default: until --seconds, else 1)
//   --seconds S  stop after S seconds (a game then in play ends early)
//   --steps N    inputs per game (default 2500)
//   --content DIR  a folder holding the game's cg/ pictures (the build folder)
// Exit status 0 when every game kept every rule, 1 on the first fault (with the
// seed, the step and the last inputs), 2 on bad arguments.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/save_file.h"
#include "core/state.h"
#include "driver.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "game/shell.h"
#include "invariants.h"

namespace fs = std::filesystem;
using minamori::Countries;
using minamori::Game;
using minamori::HeadlessDriver;
using minamori::tmy;

namespace {

constexpr std::size_t kTitleLine = 6038;  // the save's one line of text

using Clock = std::chrono::steady_clock;

struct Options {
    Clock::time_point deadline = Clock::time_point::max();
    uint64_t seed = 1;
    int64_t games = -1;
    double seconds = 0;
    int steps = 2500;
    fs::path content;
    bool quiet = false;
};

struct Totals {
    int64_t steps = 0, frames = 0, clicks = 0, rows = 0, restarts = 0, battles = 0, years = 0;
    int64_t clears = 0, gameOvers = 0, damagedSaves = 0;
    std::set<int> rowsSeen;
};

// Message boxes that tell of a save or clear record the game failed to read or write.
bool isFileFault(const std::string& box) {
    for (const char* what :
         {"セーブデータを読み込めません", "セーブできません", "クリアの記録を書き込めません"})
        if (box.find(what) != std::string::npos) return true;
    return false;
}

class Player {
public:
    Player(uint64_t seed, const Options& options, Totals& totals)
        : seed_(seed), options_(options), totals_(totals), rng_(seed * 0x9E3779B97F4A7C15ull + 1) {
        folder_ = fs::temp_directory_path() /
                  ("minamori-soak-" + std::to_string(::getpid()) + "-" + std::to_string(seed));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "dat");
        if (!options.content.empty() && fs::exists(options.content / "cg"))
            fs::create_directory_symlink(fs::absolute(options.content / "cg"), folder_ / "cg");
    }
    ~Player() {
        std::error_code ec;
        if (fault_.empty()) fs::remove_all(folder_, ec);
    }

    // Plays the game's steps; false on the first broken rule, which is reported.
    bool play() {
        start();
        if (fault_.empty()) setUpProfile();
        for (step_ = 0; step_ < options_.steps && fault_.empty(); ++step_) {
            if (step_ % 64 == 0 && Clock::now() >= options_.deadline) break;
            if (game().closing) restart();
            checkDamage();
            if (fault_.empty()) randomInput();
            if (fault_.empty()) afterInput();
        }
        if (fault_.empty()) return true;
        report();
        return false;
    }

    int yearChanges() const { return yearChanges_; }
    int restarts() const { return restarts_; }

private:
    Game& game() { return driver_->game(); }

    int pick(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }
    bool chance(int percent) { return pick(100) < percent; }

    void start() {
        driver_ = std::make_unique<HeadlessDriver>(folder_,
                                                   seed_ * 1000 + static_cast<uint64_t>(restarts_));
        note("start");
        starts_.push_back(std::to_string(step_) + ": started");
        if (closed_) {
            // The start-up load must give back exactly what the last close saved.
            const std::string difference =
                soak::compareSavedRecords(closedMy_, closedCountries_, game().my, game().countries);
            if (!difference.empty()) fail("started again from the save, " + difference);
            closed_ = false;
        }
        afterInput();
        if (fault_.empty() && chance(20)) {
            // The full reset: Esc on the title picture, confirmed.
            run("answer yes");
            run("key esc");
            run(chance(50) ? "answer yes" : "answer no");
        }
    }

    // Games by seed: one in three begins as a seasoned politician, whose policy,
    // diplomacy, military and miracle pages are open, and one in three near its
    // end, where a year's change may clear the game or end it; the rest from
    // nothing. The profile is saved, so a restart comes back to it.
    void setUpProfile() {
        std::vector<std::string> sets;
        if (seed_ % 3 == 1) {
            sets = {"level 40",
                    "maxHp 80",
                    "hp 80",
                    "vitality 60",
                    "intelligence 60",
                    "charisma 60",
                    "money 200000",
                    "careerLevel 3",
                    "hasTaxBudget 1",
                    "ministerEconomy 1",
                    "ministerFinance 1",
                    "ministerForeign 1",
                    "ministerDefence 1",
                    "primeMinister 1",
                    "countries.0.opinion 90",
                    "year 10"};
        } else if (seed_ % 3 == 2) {
            sets = {"level 20",
                    "maxHp 40",
                    "hp 40",
                    "vitality 30",
                    "intelligence 30",
                    "charisma 30",
                    "money 5000",
                    "danger " + std::to_string(pick(2)),
                    "lifespan " + std::to_string(1 + pick(2)),
                    "year 30",
                    "difficulty " + std::to_string(pick(4))};
        }
        if (sets.empty()) return;
        sets.push_back("gameStarted 1");
        for (const std::string& s : sets) run("set " + s);
        run("save");
    }

    void restart() {
        ++restarts_;
        ++totals_.restarts;
        if (chance(25)) damageSave();
        start();
    }

    // Damages the save before a start: lines set to extreme or random numbers, a
    // line that holds no number, or the file cut short. The game must play on
    // from whatever it read. (Line 1, daysUsed, keeps its value: nothing brings
    // a damaged one back into 0..365.)
    void damageSave() {
        const fs::path path = folder_ / "dat" / "my.dat";
        std::vector<std::string> lines;
        {
            std::ifstream in(path, std::ios::binary);
            for (std::string line; std::getline(in, line);) lines.push_back(line);
        }
        if (lines.size() < 2) return;
        const int kind = pick(3);
        if (kind == 0) {
            static const int32_t kValues[] = {INT32_MIN, INT32_MAX, -1, 1000000, 0};
            // Mostly the single figures, around the per-row and per-item tables.
            static const int kFigureLines[] = {2,    3,    4,    5,    6,    7,    8,    9,
                                               4010, 4011, 4012, 4013, 4014, 4015, 4022, 6023,
                                               6032, 6033, 6035, 6036, 6037, 6039, 6040, 6042,
                                               6045, 6048, 6049, 6050, 6051, 6052, 6055};
            for (int n = 1 + pick(20); n > 0; --n) {
                const int line = chance(70)
                                     ? kFigureLines[pick(static_cast<int>(std::size(kFigureLines)))]
                                     : 2 + pick(static_cast<int>(lines.size()) - 1);
                const std::size_t at = static_cast<std::size_t>(line - 1);
                if (at >= lines.size() || at + 1 == kTitleLine) continue;
                const int32_t value = chance(50) ? kValues[pick(5)] : static_cast<int32_t>(rng_());
                lines[at] = std::to_string(value) + "\r";
            }
        } else if (kind == 1) {
            lines.resize(static_cast<std::size_t>(1 + pick(static_cast<int>(lines.size()))));
        } else {
            lines[1 + static_cast<std::size_t>(pick(static_cast<int>(lines.size()) - 1))] = "x1\r";
        }
        damagedBytes_.clear();
        for (const std::string& line : lines) damagedBytes_ += line + '\n';
        std::ofstream(path, std::ios::binary | std::ios::trunc) << damagedBytes_;
        damagedLoad_ = true;
        const char* const kKinds[] = {"numbers changed", "cut short", "a line of no number"};
        note(std::string("damaged the save: ") + kKinds[kind]);
        starts_.push_back(std::to_string(step_) + ": the save damaged, " + kKinds[kind]);
        closed_ = false;  // the start cannot give back what was saved
        ++totals_.damagedSaves;
    }

    void randomInput() {
        const int roll = pick(1000);
        if (roll < 300) {
            frames(1 + pick(4));
        } else if (roll < 600) {
            if (!chooseRow()) click(false);
        } else if (roll < 750) {
            click(false);  // a middle click is a left click to the game
        } else if (roll < 800) {
            click(true);
        } else if (roll < 850) {
            heldClick();
        } else if (roll < 890) {
            run("move " + point());
        } else if (roll < 915) {
            pressKey();
        } else if (roll < 920) {
            run("wheel " + std::to_string(pick(7) - 3));
        } else if (roll < 940) {
            run("key esc");
        } else if (roll < 980) {
            run(chance(50) ? "answer yes" : "answer no");
        } else if (roll < 985) {
            run("save");
        } else if (roll < 988) {
            run("quit");
        } else {
            frames(1);
        }
    }

    // The keys a player without a mouse plays with, and the overlays' keys.
    void pressKey() {
        static const char* const kKeys[] = {"up",        "down",   "enter",    "space",
                                            "backspace", "pageup", "pagedown", "g"};
        run(std::string("key ") + kKeys[pick(static_cast<int>(std::size(kKeys)))]);
    }

    std::string point() { return std::to_string(pick(640)) + " " + std::to_string(pick(480)); }

    void click(bool right) {
        ++totals_.clicks;
        run((right ? "rclick " : "click ") + point());
    }

    // A shown row that has settled, mostly an enabled one, as a player would choose.
    bool chooseRow() {
        if (!game().queue.empty()) return false;
        std::vector<int> enabled, shown;
        for (int i = 0; i < minamori::kMenuRows; ++i) {
            const minamori::tmenu& row = game().menuTable[static_cast<size_t>(i)];
            if (row.shown != 1 || row.curX != row.targetX || row.curY != row.targetY) continue;
            // A long page runs on below the picture, out of the pointer's reach.
            const int64_t x = int64_t{row.curX} + row.width / 2;
            const int64_t y = int64_t{row.curY} + (row.height - 1) / 2;
            if (x < 0 || x >= minamori::kScreenWidth || y < 0 || y >= minamori::kScreenHeight)
                continue;
            shown.push_back(i);
            if (row.enabled == 1) enabled.push_back(i);
        }
        const std::vector<int>& from = !enabled.empty() && chance(90) ? enabled : shown;
        if (from.empty()) return false;
        ++totals_.rows;
        const int row = from[static_cast<size_t>(pick(static_cast<int>(from.size())))];
        totals_.rowsSeen.insert(row);
        run("row " + std::to_string(row));
        return true;
    }

    // The button held down over a few frames, as the frame may act on a pending click.
    void heldClick() {
        const int x = pick(640), y = pick(480);
        note("press " + std::to_string(x) + " " + std::to_string(y));
        ++totals_.clicks;
        Game& g = game();
        g.mouseX = x;
        g.mouseY = y;
        minamori::onGameClick(g, x, y, false);
        for (int n = 1 + pick(3); n > 0 && fault_.empty() && !g.closing; --n) {
            if (chance(30)) run("move " + point());
            frames(1);
        }
        note("release");
        g.clickPending = 0;
    }

    void frames(int n) {
        for (int i = 0; i < n && fault_.empty() && !game().closing; ++i) {
            run("tick");
            ++totals_.frames;
            for (const std::string& broken : soak::checkFrame(game())) fail(broken);
            if (fault_.empty()) checkSave();
        }
    }

    // The save of the game loads back unchanged. A save is a function of the
    // records alone, so records already checked need no new check.
    void checkSave() {
        Game& g = game();
        if (saveChecked_ && g.my == checkedMy_ && g.countries == checkedCountries_) return;
        const std::string roundTrip = roundTrip_.check(g);
        if (!roundTrip.empty()) return fail(roundTrip);
        saveChecked_ = true;
        checkedMy_ = g.my;
        checkedCountries_ = g.countries;
    }

    void run(const std::string& command) {
        note(command);
        const std::string answer = driver_->execute(command);
        if (answer != "ok") fail("`" + command + "` answered: " + answer);
    }

    // What every input is followed by: file faults, the counts, and the records a
    // closing game saved.
    void afterInput() {
        ++totals_.steps;
        Game& g = game();
        minamori::RecordingPlatform& rec = g.recorder();
        for (const std::string& box : rec.messageBoxes)
            if (isFileFault(box) &&
                !(box.find("セーブデータ") != std::string::npos && damagedLoad_))
                fail("message box: " + box);
        rec.messageBoxes.clear();
        rec.sounds.clear();
        rec.music.clear();

        if (g.battle.battleState != 0 && !inBattle_) ++totals_.battles;
        inBattle_ = g.battle.battleState != 0;
        if (int64_t{g.my.year} == int64_t{lastYear_} + 1) {
            ++yearChanges_;
            ++totals_.years;
        }
        lastYear_ = g.my.year;
        if (g.my.totalClearCount > clears_) ++totals_.clears;
        clears_ = g.my.totalClearCount;
        if (g.sceneName == "gameover.jpg" && lastScene_ != g.sceneName) ++totals_.gameOvers;
        lastScene_ = g.sceneName;

        if (g.closing && !closed_) {
            closed_ = true;
            // The next start-up gives it back as a load does: in range (a
            // close between a click and the frame's clamp may save -1 years).
            Game loaded;
            loaded.my = g.my;
            loaded.countries = g.countries;
            minamori::normaliseLoadedState(loaded);
            closedMy_ = loaded.my;
            closedCountries_ = loaded.countries;
        }
    }

    // Whether the save file still holds the damage of damageSave, which a load
    // may report: until the game saves again.
    void checkDamage() {
        damagedLoad_ = false;
        if (damagedBytes_.empty()) return;
        std::ifstream in(folder_ / "dat" / "my.dat", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        damagedLoad_ = bytes == damagedBytes_;
        if (!damagedLoad_) damagedBytes_.clear();
    }

    void note(const std::string& input) {
        recent_.push_back(std::to_string(step_) + ": " + input);
        if (recent_.size() > 40) recent_.pop_front();
    }

    void fail(const std::string& why) {
        if (fault_.empty()) fault_ = why;
    }

    void report() {
        std::cerr << "FAULT in game " << seed_ << " at step " << step_ << " (after " << restarts_
                  << " restarts): " << fault_ << "\nstarts:\n";
        for (const std::string& start : starts_) std::cerr << "  " << start << "\n";
        std::cerr << "last inputs:\n";
        for (const std::string& input : recent_) std::cerr << "  " << input << "\n";
        std::cerr << "the game's folder is kept: " << folder_.string() << "\n"
                  << "replay: minamori-soak --seed " << seed_ << " --games 1 --steps "
                  << options_.steps << (options_.content.empty() ? "" : " --content DIR") << "\n";
    }

    uint64_t seed_;
    const Options& options_;
    Totals& totals_;
    std::mt19937_64 rng_;
    fs::path folder_;
    std::unique_ptr<HeadlessDriver> driver_;
    int step_ = 0;
    int restarts_ = 0;
    std::deque<std::string> recent_;
    std::vector<std::string> starts_;  // the starts and damaged saves of the game
    std::string fault_;

    soak::SaveRoundTrip roundTrip_;
    bool saveChecked_ = false;  // the records last found to save and load back
    tmy checkedMy_;
    Countries checkedCountries_;

    std::string damagedBytes_;  // the save as damageSave left it
    bool damagedLoad_ = false;  // the save may be read as damaged in this step
    bool closed_ = false;       // the game closed; its saved records follow
    tmy closedMy_;
    Countries closedCountries_;

    bool inBattle_ = false;
    int32_t lastYear_ = 0;
    int yearChanges_ = 0;
    int clears_ = 0;
    std::string lastScene_;
};

int usage() {
    std::cerr << "usage: minamori-soak [--seed N] [--games N] [--seconds S] [--steps N] "
                 "[--content DIR] [--quiet]\n";
    return 2;
}

bool parseArgs(int argc, char** argv, Options& o) {
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const bool hasValue = i + 1 < argc;
            if (arg == "--quiet") {
                o.quiet = true;
            } else if (arg == "--seed" && hasValue) {
                o.seed = std::stoull(argv[++i]);
            } else if (arg == "--games" && hasValue) {
                o.games = std::stoll(argv[++i]);
            } else if (arg == "--seconds" && hasValue) {
                o.seconds = std::stod(argv[++i]);
            } else if (arg == "--steps" && hasValue) {
                o.steps = std::stoi(argv[++i]);
            } else if (arg == "--content" && hasValue) {
                o.content = argv[++i];
            } else {
                return false;
            }
        }
    } catch (const std::exception&) {
        return false;
    }
    if (o.games < 0 && o.seconds <= 0) o.games = 1;
    return o.steps > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseArgs(argc, argv, options)) return usage();

    const Clock::time_point began = Clock::now();
    if (options.seconds > 0)
        options.deadline = began + std::chrono::duration_cast<Clock::duration>(
                                       std::chrono::duration<double>(options.seconds));
    auto elapsed = [&began] { return std::chrono::duration<double>(Clock::now() - began).count(); };

    Totals totals;
    int64_t played = 0;
    while (options.games < 0 || played < options.games) {
        if (options.seconds > 0 && elapsed() >= options.seconds) break;
        const uint64_t seed = options.seed + static_cast<uint64_t>(played);
        const Totals before = totals;
        Player player(seed, options, totals);
        const bool kept = player.play();
        ++played;
        if (!options.quiet || !kept)
            std::printf(
                "game %llu: %lld steps, %lld frames, %d restarts, %lld battles, %d years ended%s\n",
                static_cast<unsigned long long>(seed),
                static_cast<long long>(totals.steps - before.steps),
                static_cast<long long>(totals.frames - before.frames), player.restarts(),
                static_cast<long long>(totals.battles - before.battles), player.yearChanges(),
                kept ? "" : ": FAULT");
        std::fflush(stdout);
        if (!kept) return 1;
    }
    std::printf(
        "%lld games kept every rule in %.1f s: %lld steps, %lld frames checked, %lld clicks, "
        "%lld rows chosen (%zu different), %lld restarts from the save (%lld of them damaged), "
        "%lld battles, %lld years ended, %lld clears, %lld game overs\n",
        static_cast<long long>(played), elapsed(), static_cast<long long>(totals.steps),
        static_cast<long long>(totals.frames), static_cast<long long>(totals.clicks),
        static_cast<long long>(totals.rows), totals.rowsSeen.size(),
        static_cast<long long>(totals.restarts), static_cast<long long>(totals.damagedSaves),
        static_cast<long long>(totals.battles), static_cast<long long>(totals.years),
        static_cast<long long>(totals.clears), static_cast<long long>(totals.gameOvers));
    return 0;
}
