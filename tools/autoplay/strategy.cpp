#include "strategy.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "battle_odds.h"
#include "game/game.h"
#include "hands.h"
#include "menu_rules.h"

namespace minamori::autoplay {

namespace {

constexpr int kRowYearEnd = 9;
constexpr int kBookRows = 1000;
// Commands of this many days or more are planned for the whole year.
constexpr int kLongDays = 150;

// What a victory over the first opponents of a career is worth against a
// defeat: an election is worth standing for even at some risk.
constexpr double kElectionWinWorth = 3;
constexpr double kStoryWinWorth = 1.5;
// The home opinion 財務大臣 waits for: the budget (国債発行) needs 25 the
// year after, when a year's decay has been taken off.
constexpr int kBudgetOpinion = 31;
// The chance of winning an election below which the player waits a year.
constexpr double kStandOdds = 0.75;

// The titles in the order they are sought: the three elections, then the
// ministers that lead to the budget (金融担当, 財務), the ones that answer the
// islands (外務, 防衛, 国土交通), 経済産業 and the party leadership.
constexpr int kGoals[] = {311, 312, 313, 316, 315, 318, 319, 317, 314, 320};

// Rows that restore HP in full, cheapest first.
constexpr int kShrines[] = {327, 328, 362, 363, 337, 338};

constexpr int kItemBambooSpear = 1, kItemFlag = 2, kItemMegaphone = 3, kItemComputer = 4;

int count(const std::array<int32_t, kMenuRowSlots>& counts, int row) {
    return inRange(row, kMenuRowSlots) ? counts[static_cast<size_t>(row)] : 0;
}

// Purchases worth more than a title a year sooner: the budget itself and the
// cheap shop goods that raise every experience gain or the maximum HP.
bool beforeTitles(const Effect& e, int price) {
    return e.special == Special::kBonds ||
           ((e.special == Special::kExpBonus || e.special == Special::kMaxHp) && price <= 20);
}

bool held(const tmy& m, int goal) {
    switch (goal) {
        case 311: return m.careerLevel >= 1;
        case 312: return m.careerLevel >= 2;
        case 313: return m.careerLevel >= 3;
        case 314: return m.ministerEconomy != 0;
        case 315: return m.ministerFinance != 0;
        case 316: return m.ministerMonetary != 0;
        case 317: return m.ministerLand != 0;
        case 318: return m.ministerForeign != 0;
        case 319: return m.ministerDefence != 0;
        default: return m.primeMinister != 0;
    }
}

bool holds(const tmy& m, int item) { return m.itemCount[static_cast<size_t>(item)] != 0; }

}  // namespace

Strategy::Strategy(Hands& hands, std::ostream* trace)
    : hands_(hands), g_(hands.game()), trace_(trace), dependents_(kBookRows) {
    for (int q = 1; q < kBookRows; ++q) {
        const int p = g_.menuTable[static_cast<size_t>(q)].prerequisiteRow;
        if (effectOf(q) && p >= 1 && p < kBookRows)
            dependents_[static_cast<size_t>(p)].push_back(q);
    }
}

int Strategy::shoppingList() const {
    const tmy& m = g_.my;
    int sum = 0;
    const int goal = nextGoal();
    if (goal != 0 && nearly(goal)) sum += g_.menuTable[static_cast<size_t>(goal)].moneyCost;
    for (int row = 1; row < kBookRows; ++row) {
        const Effect* e = effectOf(row);
        const tmenu& r = g_.menuTable[static_cast<size_t>(row)];
        if (!e || !beforeTitles(*e, r.moneyCost) || e->special == Special::kBonds) continue;
        if (r.caption.empty() || count(m.useCount, row) >= 1) continue;
        if (r.minLevel <= m.level + 1) sum += r.moneyCost;
    }
    return std::max(sum, 10);
}

bool Strategy::wantsMore() const {
    for (int row = 1; row < kBookRows; ++row) {
        const Effect* e = effectOf(row);
        const tmenu& r = g_.menuTable[static_cast<size_t>(row)];
        const bool lifeShort = e && e->special == Special::kLifeUp && g_.my.lifespan < 10;
        if (e && r.moneyCost > g_.my.money && (e->danger < 0 || lifeShort) && rowPasses(g_, row))
            return true;
    }
    return false;
}

int Strategy::nextGoal() const {
    for (int goal : kGoals)
        if (!held(g_.my, goal)) return goal;
    return 0;
}

bool Strategy::nearly(int goal) const {
    const tmenu& r = g_.menuTable[static_cast<size_t>(goal)];
    const tmy& m = g_.my;
    return m.level + 1 >= r.minLevel && m.vitality + 1 >= r.minVitality &&
           m.intelligence + 1 >= r.minIntelligence && m.charisma + 1 >= r.minCharisma;
}

int Strategy::reserve() const {
    const int goal = nextGoal();
    if (goal == 0 || !nearly(goal)) return 0;
    return g_.menuTable[static_cast<size_t>(goal)].moneyCost;
}

bool Strategy::available(int row) const {
    return refused_.count(row) == 0 && rowChoosable(g_, row);
}

Weights Strategy::weigh() const {
    const tmy& m = g_.my;
    const tcountry& home = g_.countries[kJapan];
    const int goal = nextGoal();
    const tmenu* target = goal != 0 ? &g_.menuTable[static_cast<size_t>(goal)] : nullptr;
    auto below = [&](int value, int32_t tmenu::*need) { return target && value < target->*need; };

    Weights w;
    if (target) {
        w.level = below(m.level, &tmenu::minLevel) ? 1.0 : 0.6;
        // 体力 is also the strength in every battle.
        w.vit = below(m.vitality, &tmenu::minVitality) ? 1.2 : 0.7;
        w.intl = below(m.intelligence, &tmenu::minIntelligence) ? 1.0 : 0.3;
        w.toku = below(m.charisma, &tmenu::minCharisma) ? 1.0 : 0.3;
        w.danger = m.danger > 70 ? 20 : 10;
    } else {
        // Every title is held: what is left to win is the danger, with the
        // strength for the last battles and the 知力 and ｶﾘｽﾏ of the last policies.
        w.level = 0.2;
        w.vit = 0.4;
        w.intl = m.intelligence < 20 ? 0.5 : 0.1;
        w.toku = m.charisma < 15 ? 0.5 : 0.1;
        w.danger = m.danger <= 10 ? 80 : 30;  // the last points end the game
    }
    // Early money buys the shop's experience bonus and the first elections;
    // later the minister posts; once the budget is in hand it hardly counts.
    w.money = m.money >= 1000000 ? 0.000001 : m.money < shoppingList() ? 3.0 : 1.0;
    // Many policies and defence purchases wait for the people's opinion, and
    // the budget needs 25 of it once 財務大臣 is held.
    w.yoron = home.opinion < 30 ? 8 : home.opinion < 45 ? 5 : home.opinion < 90 ? 3 : 1;
    if ((goal == 315 || goal == 316) && home.opinion < kBudgetOpinion + 5) w.yoron = 12;
    // With every title held: at 55 the teachers' union can be abolished (+10),
    // which opens the history and ethics reforms (+10, +20) and with them the
    // policies that need a high opinion.
    if (!target) w.yoron = home.opinion < 55 ? 12 : home.opinion < 75 ? 8 : w.yoron;
    w.foreign = 0.6;
    w.usa = g_.countries[kUsa].opinion < 45 ? 1.2 : 0.6;
    // A shrinking economy shrinks the wages, the tax budget and the army.
    const int growth = home.growth;
    w.growth = growth < 0 ? 4 + std::min(8, -growth / 4) : growth < 20 ? 2 : 0.5;
    w.hp = 0.6;
    return w;
}

double Strategy::odds(int opponent) {
    const auto known = odds_.find(opponent);
    if (known != odds_.end()) return known->second;
    // A fight won before the opponent's worst blows could use up the HP is
    // not worked out.
    const Opponent o = opponentFor(g_, opponent);
    const Fighters f = fightersFor(g_, o.attack);
    int worst = 0;
    for (const auto& [d, p] : enemyBlow(f)) worst = std::max(worst, d);
    const int hits = (o.maxHp + f.vitality) / (f.vitality + 1);
    const double p = g_.my.hp > worst * (hits + 1) ? 0.99 : battleOdds(g_, opponent);
    odds_[opponent] = p;
    return p;
}

double Strategy::battleWorth(int opponent, const Weights& w, double stakes) {
    const tmy& m = g_.my;
    const double p = odds(opponent);
    const int level = opponentFor(g_, opponent).level;
    const double growth = g_.countries[kJapan].growth;
    const double win = (level + 1 + m.expBonus) * w.level +
                       (level + 1 + m.battleMoneyBonus) * w.money + (growth < 0 ? w.growth : 0) +
                       stakes;
    const double loss = (m.money / 10 + 1) * w.money + w.danger + (growth >= -10 ? w.growth : 0) +
                        5 + (m.maxHp - 1) * w.hp * 0.5;
    return p * win - (1 - p) * loss;
}

double Strategy::encounterWorth(const Weights& w) {
    const int last = std::min(g_.my.level + 1, 15);
    double sum = 0;
    for (int n = 1; n <= last; ++n) sum += battleWorth(n, w, 0);
    return sum / last;
}

double Strategy::hiddenWorth(int page, const Weights& w) {
    const auto known = hidden_.find(page);
    if (known != hidden_.end()) return known->second;
    double best = 0;
    for (int q = 1; q < kBookRows; ++q) {
        if (g_.menuTable[static_cast<size_t>(q)].page != page || !effectOf(q)) continue;
        if (!rowPasses(g_, q) || rowInPicture(g_, q)) continue;
        int days = 0;
        best = std::max(best, value(q, w, days, 1));
    }
    hidden_[page] = best;
    return best;
}

double Strategy::value(int row, const Weights& w, int& days, int depth) {
    const Effect* e = effectOf(row);
    const tmenu& r = g_.menuTable[static_cast<size_t>(row)];
    const tmy& m = g_.my;
    days = r.dayCost;
    if (!e) return 0;

    const int bonus = m.expBonus;
    auto xp = [&](float base, double weight) { return base > 0 ? (base + bonus) * weight : 0.0; };
    double v = xp(e->exp, w.level) + xp(e->vit, w.vit) + xp(e->intl, w.intl) + xp(e->toku, w.toku);
    v += e->money * w.money - e->danger * w.danger + e->yoron * w.yoron +
         (e->china + e->taiwan) * w.foreign + e->usa * w.usa + e->growth * w.growth;
    if (e->hpFull) v += (m.maxHp - m.hp) * w.hp;
    if (e->battle != 0) {
        const double stakes = -e->winDanger * w.danger + e->winYoron * w.yoron +
                              (e->winChina + e->winTaiwan) * w.foreign + e->winUsa * w.usa;
        v += battleWorth(e->battle, w, stakes);
        days += 30;
    }
    if (r.page == kPageActivities) {
        v += 0.2 * encounterWorth(w);
        days += 6;
    }

    switch (e->special) {
        case Special::kWork: {
            const int career = (m.careerLevel >= 1) + (m.careerLevel >= 2) + (m.careerLevel >= 3);
            v += std::max(1, g_.countries[kJapan].gdp / 110 * (1 + career)) * w.money;
            break;
        }
        case Special::kRepayDebt:
        case Special::kElection:
        case Special::kMinister: return 0;
        case Special::kAbility: v += 80; break;
        case Special::kMiracle:
            // Ten years of life for a miracle, only while plenty remain.
            if (m.lifespan - 10 < 30) return 0;
            break;
        case Special::kExpBonus: v += e->amount * 120.0; break;
        case Special::kMaxHp: v += e->amount * 6.0; break;
        case Special::kStatUp: v += e->amount * 30.0; break;
        case Special::kLifeUp: v += e->amount * (m.lifespan < 20 ? 30.0 : 3.0); break;
        case Special::kMoneyBonus: v += e->amount * 8.0; break;
        case Special::kBonds:
            // The budget is wanted when it runs low or a wanted row costs more;
            // its money is not counted twice.
            v -= e->money * w.money;
            if (m.money < 2000000 || wantsMore()) v += 1000;
            break;
        case Special::kItem:
            if (row == 301 && !holds(m, kItemComputer)) v += 5;
            if (row == 321 && !holds(m, kItemBambooSpear)) v += 2;
            if (row == 326 && !holds(m, kItemFlag)) v += 60;
            if (row == 329 && !holds(m, kItemMegaphone)) v += 50;
            break;
        case Special::kNone: break;
    }

    // Rows that open others are worth using up: part of what they open,
    // spread over the uses still needed.
    const int uses = count(m.useCount, row);
    const int needed = r.maxUses != 0 ? r.maxUses : 1;
    if (depth < 2 && uses < needed) {
        double opened = 0;
        for (int q : dependents_[static_cast<size_t>(row)]) {
            int ignored = 0;
            opened += std::max(0.0, value(q, w, ignored, depth + 1));
        }
        v += 0.3 * opened / (needed - uses);
    }

    // A row used for the last time makes room on its page for one hidden below.
    if (depth == 0 && r.maxUses != 0 && r.maxUses - uses == 1) v += 0.5 * hiddenWorth(r.page, w);

    v -= r.moneyCost * w.money;
    return v;
}

Strategy::Choice Strategy::best(const Weights& w) {
    struct Option {
        int row;
        double value;
        int days;
        double score;
    };
    const int keep = reserve();
    std::vector<Option> longOnes, shortOnes;
    for (int row = 1; row < kBookRows; ++row) {
        const Effect* e = effectOf(row);
        if (!e || !available(row)) continue;
        const tmenu& r = g_.menuTable[static_cast<size_t>(row)];
        // Small costs may eat into what is kept back; their worth has been
        // weighed against the money already.
        if (r.moneyCost * 10 > keep && g_.my.money - r.moneyCost < keep &&
            !beforeTitles(*e, r.moneyCost))
            continue;
        int days = 0;
        const double v = value(row, w, days);
        if (v <= 0.5) continue;
        double score = v / (days + 2);
        // Staying on the page on screen saves the walk through the main menu.
        if (r.page == g_.menu.currentPage) score *= 2.0;
        (r.dayCost >= kLongDays ? longOnes : shortOnes).push_back({row, v, days, score});
    }
    std::sort(shortOnes.begin(), shortOnes.end(),
              [](const Option& a, const Option& b) { return a.score > b.score; });

    // What the short commands that still fit in the days left are worth.
    auto fill = [&](int daysLeft) {
        double sum = 0;
        for (const Option& o : shortOnes) {
            if (o.days > daysLeft) continue;
            sum += o.value;
            daysLeft -= o.days;
        }
        return sum;
    };
    // A command that takes most of the year goes first when it and what
    // still fits beside it are worth more than the short ones alone.
    const int left = 365 - g_.my.daysUsed;
    double plan = fill(left);
    Choice choice;
    for (const Option& o : longOnes) {
        const double withIt = o.value + fill(left - o.days);
        if (o.days <= left && withIt > plan) {
            plan = withIt;
            choice = {o.row, o.score};
        }
    }
    if (choice.row == 0 && !shortOnes.empty()) choice = {shortOnes[0].row, shortOnes[0].score};
    if (choice.row == 0 && !longOnes.empty()) choice = {longOnes[0].row, longOnes[0].score};
    return choice;
}

bool Strategy::goalFirst() {
    const tmy& m = g_.my;
    for (int goal : kGoals) {
        if (held(m, goal)) continue;
        if (!available(goal)) {
            // Waiting only for the money: later titles must not spend it.
            const tmenu& r = g_.menuTable[static_cast<size_t>(goal)];
            if (nearly(goal) && m.money < r.moneyCost) return false;
            continue;
        }
        const Effect* e = effectOf(goal);
        // 財務大臣 is worth its year only if the budget can follow: the people
        // must still be behind it after the next year's change.
        if (goal == 315 && g_.countries[kJapan].opinion < kBudgetOpinion) return false;
        if (e->battle == 0) return perform(goal);
        // An election: stand only with a fair chance, and with full HP when a
        // shrine can give it first.
        const int left = 365 - m.daysUsed - g_.menuTable[static_cast<size_t>(goal)].dayCost;
        if (battleOdds(g_, e->battle, m.maxHp) < kStandOdds) continue;
        if (m.hp < m.maxHp) {
            for (int shrine : kShrines) {
                if (available(shrine) &&
                    g_.menuTable[static_cast<size_t>(shrine)].dayCost <= left) {
                    if (perform(shrine)) return true;
                }
            }
        }
        if (battleOdds(g_, e->battle) < kStandOdds) continue;
        return perform(goal, kElectionWinWorth);
    }
    return false;
}

bool Strategy::perform(int row, double winWorth) {
    const tmenu& r = g_.menuTable[static_cast<size_t>(row)];
    if (!hands_.openPage(r.page) || !hands_.offered(row)) return false;
    if (trace_) {
        *trace_ << "  " << g_.my.year << "." << g_.my.daysUsed << " " << row << " "
                << r.caption << "\n";
    }
    const Effect* e = effectOf(row);
    if (winWorth == 1 && e && e->battle != 0) winWorth = kStoryWinWorth;
    hands_.setWinWorth(winWorth);
    hands_.choose(row);
    ++commands_;
    return true;
}

void Strategy::endYear() {
    if (!hands_.openPage(kPageMain)) return;
    hands_.choose(kRowYearEnd);
}

void Strategy::playYear() {
    refused_.clear();
    // More choices than a year of days allows.
    for (int i = 0; i < 400; ++i) {
        if (hands_.ending() || hands_.closed()) return;
        // No danger left: the next morning clears the game, and nothing more
        // this year may raise it again.
        if (g_.my.danger <= 0) break;
        odds_.clear();
        hidden_.clear();
        if (goalFirst()) continue;
        const Choice c = best(weigh());
        if (c.row == 0) break;
        if (!perform(c.row)) refused_.insert(c.row);
    }
    if (hands_.ending() || hands_.closed()) return;
    if (trace_) {
        const tmy& m = g_.my;
        const tcountry& home = g_.countries[kJapan];
        *trace_ << "year " << m.year << ": Lv" << m.level << " 体" << m.vitality << " 知"
                << m.intelligence << " ｶ" << m.charisma << " HP" << m.hp << "/" << m.maxHp
                << " money " << m.money << " career " << m.careerLevel << " danger "
                << m.danger << " GDP " << home.gdp << " growth " << home.growth << " opinion "
                << home.opinion << " cn/tw/us " << g_.countries[kChina].opinion << "/"
                << g_.countries[kTaiwan].opinion << "/" << g_.countries[kUsa].opinion
                << " bonus " << m.expBonus << " life " << m.lifespan << " battles won "
                << hands_.wins() << " lost " << hands_.losses() << " fled " << hands_.escapes()
                << " ticks " << hands_.ticks() << " commands " << commands_ << "\n";
        // The commands against the danger not used up yet; x: their conditions
        // or thresholds fail, v: laid out below the picture.
        *trace_ << "  against the danger:";
        for (int row = 1; row < kBookRows; ++row) {
            const Effect* e = effectOf(row);
            if (!e || (e->danger >= 0 && e->winDanger >= 0)) continue;
            const tmenu& r = g_.menuTable[static_cast<size_t>(row)];
            if (r.maxUses != 0 && count(m.useCount, row) >= r.maxUses) continue;
            if (r.caption.empty()) continue;
            const char* why = !rowPasses(g_, row) ? "x" : !rowInPicture(g_, row) ? "v" : "";
            *trace_ << " " << row << why;
        }
        *trace_ << "\n";
    }
    endYear();
}

}  // namespace minamori::autoplay
