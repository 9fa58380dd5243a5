#include "hands.h"

#include <stdexcept>

#include "battle_odds.h"
#include "driver.h"
#include "game/game.h"

namespace minamori::autoplay {

namespace {

constexpr int kRowAttack = 800;
constexpr int kRowFlee = 809;
// More clicks than any command's consequences and battle need.
constexpr int kMaxClicksPerChoice = 5000;
constexpr int kMaxSettleTicks = 40;

int mainMenuRowFor(int page) {
    switch (page) {
        case kPageActivities: return 1;  // 活動
        case kPagePolicies: return 2;    // 政策
        case kPageDiplomacy: return 3;   // 外交
        case kPageMilitary: return 4;    // 軍事
        case kPageMiracles: return 5;    // 奇跡
        default: return 0;
    }
}

bool queueHolds(const Game& game, const std::string& line) {
    for (int i = 0; i < MessageQueue::kSlots && !game.queue.slot(i).empty(); ++i)
        if (game.queue.slot(i) == line) return true;
    return false;
}

// Miracles that ask "本当によろしいですか？" first.
bool asksConfirmation(int row) { return (row >= 700 && row <= 704) || row == 750; }

}  // namespace

Hands::Hands(HeadlessDriver& driver, std::vector<std::string>* record)
    : driver_(driver), record_(record) {}

const Game& Hands::game() const { return driver_.game(); }

bool Hands::closed() const { return game().closing; }

void Hands::run(const std::string& command) {
    ++commands_[command.substr(0, command.find(' '))];
    if (record_) record_->push_back(command);
    const std::string answer = driver_.execute(command);
    if (answer != "ok") throw std::runtime_error(command + ": " + answer);
}

void Hands::passTitle() {
    run("click 1 1");  // the first title picture
    run("click 1 1");  // the second, then the title menu
    if (game().menu.currentPage != kPageTitle)
        throw std::runtime_error("the title menu did not open");
}

bool Hands::offered(int row) const {
    const tmenu& r = game().menuTable[static_cast<size_t>(row)];
    if (r.shown != 1 || r.enabled != 1) return false;
    // Rows pushed below the bottom of the picture cannot be clicked.
    if (r.targetY + (r.height - 1) / 2 >= 480) return false;
    // Availability by days and by this year's use is brought up to date by
    // each frame; a row that was laid out a moment ago is judged the same way.
    const tmy& m = game().my;
    if (int64_t{m.daysUsed} + r.dayCost > 365 && row != 9) return false;
    if (r.page >= 10 && r.page <= 99 && m.usedThisYear[static_cast<size_t>(row)] != 0) return false;
    return true;
}

void Hands::settle(int row) {
    const tmenu& r = game().menuTable[static_cast<size_t>(row)];
    for (int i = 0; r.curX != r.targetX || r.curY != r.targetY; ++i) {
        if (i == kMaxSettleTicks)
            throw std::runtime_error("row " + std::to_string(row) + " never settles");
        run("tick");
        ++ticks_;
    }
}

void Hands::choose(int row) {
    if (!offered(row)) throw std::runtime_error("row " + std::to_string(row) + " is not offered");
    if (asksConfirmation(row)) run("answer yes");
    settle(row);
    run("row " + std::to_string(row));
    resolve();
}

bool Hands::openPage(int page) {
    const int current = game().menu.currentPage;
    if (current == page) return true;
    if (current != kPageMain) back();
    if (page == kPageMain) return game().menu.currentPage == kPageMain;
    const int row = mainMenuRowFor(page);
    if (row == 0 || !offered(row)) return false;
    choose(row);
    return game().menu.currentPage == page;
}

void Hands::back() { run("rclick 1 1"); }

void Hands::clickLine() {
    const bool morning = game().queue.headLine() == "sleep_henka";
    const int battle = game().battle.battleState;
    run("click 1 1");
    if (battle == 100) ++wins_;
    if (battle == 200) ++losses_;
    if (!morning || ending_) return;
    const Game& g = game();
    const bool clear = queueHolds(g, "GAMECLEAR");
    if (!clear && !queueHolds(g, "GAMEOVER")) return;
    Ending end;
    const bool treatyGone = queueHolds(g, "....しかも、これはTRUE CLEARです。");
    if (clear)
        end.outcome = treatyGone ? Outcome::kTrueEnd : Outcome::kClear;
    else
        end.outcome = g.my.lifespan <= 0 ? Outcome::kDeath : Outcome::kWar;
    end.year = g.my.year;
    end.danger = g.my.danger;
    end.level = g.my.level;
    ending_ = end;
}

void Hands::fightTurn() {
    const int row = shouldFlee(game(), winWorth_) ? kRowFlee : kRowAttack;
    if (!offered(row)) throw std::runtime_error("the battle commands are not offered");
    settle(row);
    run("row " + std::to_string(row));
    if (game().battle.battleState == 0) ++escapes_;
}

void Hands::resolve() {
    for (int i = 0; i < kMaxClicksPerChoice; ++i) {
        const Game& g = game();
        if (g.closing) return;
        if (!g.queue.empty() || g.battle.battleState >= 2) {
            clickLine();
        } else if (g.battle.battleState == 1) {
            fightTurn();
        } else {
            winWorth_ = 1;
            return;
        }
    }
    throw std::runtime_error("a command's consequences never ended");
}

}  // namespace minamori::autoplay
