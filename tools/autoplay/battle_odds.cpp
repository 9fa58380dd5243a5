#include "battle_odds.h"

#include <algorithm>
#include <map>

#include "core/name_tables.h"
#include "game/game.h"

namespace minamori::autoplay {

namespace {

bool owns(const Game& game, int row) { return game.my.useCount[static_cast<size_t>(row)] >= 1; }

// Adds chance p of damage d, merging equal damages.
void add(std::map<int, double>& out, int d, double p) {
    if (p > 0) out[std::max(d, 0)] += p;
}

Blow toBlow(const std::map<int, double>& m) { return {m.begin(), m.end()}; }

// Chance of nothing at all in a blow.
double missChance(const Blow& blow) {
    for (const auto& [d, p] : blow)
        if (d == 0) return p;
    return 0;
}

}  // namespace

Blow playerBlow(const Fighters& f) {
    std::map<int, double> out;
    for (int coin = 0; coin < 2; ++coin) {
        const int d = coin + f.vitality + 1;
        const double each = 0.5 / 20;
        add(out, 0, each);                            // miss
        add(out, coin + 2 * (f.vitality + 1), each);  // critical hit
        add(out, f.level >= 10 ? d / 2 : d, each);    // the opponent may guard
        add(out, f.smash ? d + d / 2 : d, each);      // smash hit
        add(out, d, each * 16);
    }
    return toBlow(out);
}

Blow enemyBlow(const Fighters& f) {
    std::map<int, double> rolled;
    for (int coin = 0; coin < 2; ++coin) {
        int d = coin + f.enemyAttack;
        if (f.level == 0 && d >= 2) d -= 1;
        add(rolled, 0, 0.5 / 20);
        add(rolled, d + d / 2 + 1, 0.5 / 20);
        add(rolled, d, 0.5 * 18 / 20);
    }
    std::map<int, double> out;
    for (const auto& [d, p] : rolled) {
        // Guard halves, then evade cancels; each one time in ten when owned.
        const double guard = f.guard ? 0.1 : 0, evade = f.evade ? 0.1 : 0;
        add(out, 0, p * guard * evade);
        add(out, d / 2, p * guard * (1 - evade));
        add(out, 0, p * (1 - guard) * evade);
        add(out, d, p * (1 - guard) * (1 - evade));
    }
    return toBlow(out);
}

WinTable::WinTable(const Fighters& f, int maxEnemyHp, int maxHp)
    : width_(static_cast<size_t>(std::max(maxHp, 0)) + 1),
      win_((static_cast<size_t>(std::max(maxEnemyHp, 0)) + 1) * width_, 0.0) {
    const Blow mine = playerBlow(f), theirs = enemyBlow(f);
    const double bothMiss = missChance(mine) * missChance(theirs);
    auto cell = [&](int e, int h) -> double& {
        return win_[static_cast<size_t>(e) * width_ + static_cast<size_t>(h)];
    };
    for (int e = 0; e <= maxEnemyHp; ++e) {
        for (int h = 0; h <= maxHp; ++h) {
            if (e == 0) {
                cell(e, h) = 1;
                continue;
            }
            if (h == 0) continue;
            double sum = 0;
            for (const auto& [x, px] : mine) {
                if (x >= e) {
                    sum += px;
                    continue;
                }
                for (const auto& [y, py] : theirs) {
                    if (y >= h) continue;
                    if (x == 0 && y == 0) continue;  // the same turn again, solved below
                    sum += px * py * cell(e - x, h - y);
                }
            }
            cell(e, h) = sum / (1 - bothMiss);
        }
    }
}

double WinTable::at(int enemyHp, int hp) const {
    if (enemyHp <= 0) return 1;
    if (hp <= 0) return 0;
    return win_[static_cast<size_t>(enemyHp) * width_ + static_cast<size_t>(hp)];
}

std::vector<double> winChances(const Fighters& f, int maxEnemyHp, int hp) {
    maxEnemyHp = std::max(maxEnemyHp, 0);
    const WinTable table(f, maxEnemyHp, hp);
    std::vector<double> out(static_cast<size_t>(maxEnemyHp) + 1);
    for (int e = 0; e <= maxEnemyHp; ++e) out[static_cast<size_t>(e)] = table.at(e, hp);
    return out;
}

Opponent opponentFor(const Game& game, int opponentNumber) {
    const int64_t level = game.my.level;
    int64_t e = opponentEntry(opponentNumber).level;
    for (int gap : {4, 6, 8, 10})
        if (level - e >= gap) e += 1;
    const int d = game.my.difficulty;
    if (d >= 1 && level >= 3) e += 1;
    if (d >= 2 && level >= 4) e += 1;
    if (d >= 3 && level >= 5) e += 1;
    Opponent o;
    o.level = static_cast<int>(e);
    o.attack = o.level + 1;
    const int half = game.my.vitality / 2;
    o.minHp = 2 * o.level + 1 + half;
    o.maxHp = o.minHp + 1 + static_cast<int>(level) + half;
    return o;
}

Fighters fightersFor(const Game& game, int enemyAttack) {
    Fighters f;
    f.vitality = game.my.vitality;
    f.level = game.my.level;
    f.smash = owns(game, kRowSmashAbility);
    f.guard = owns(game, kRowGuardAbility);
    f.evade = owns(game, kRowEvadeAbility);
    f.enemyAttack = enemyAttack;
    return f;
}

double battleOdds(const Game& game, int opponentNumber, int hp) {
    const Opponent o = opponentFor(game, opponentNumber);
    if (hp < 0) hp = game.my.hp;
    if (owns(game, kRowRegenAbility)) hp = std::min(hp + game.my.maxHp / 10, game.my.maxHp);
    const std::vector<double> win = winChances(fightersFor(game, o.attack), o.maxHp, hp);
    // HP = coin + minHp + R(level + 1 + 体力/2): a coin and a die summed.
    const int die = o.maxHp - o.minHp;  // faces 0..die-1
    double sum = 0;
    for (int coin = 0; coin < 2; ++coin)
        for (int face = 0; face < die; ++face)
            sum += win[static_cast<size_t>(o.minHp + coin + face)];
    return sum / (2.0 * die);
}

bool shouldFlee(const Game& game, double winWorth) {
    const tenemy& enemy = game.battle.enemy;
    const Fighters f = fightersFor(game, enemy.attack);
    const int hp = game.my.hp, e = enemy.hp;
    // A player who cannot fall before the next blow lands fights on.
    int worst = 0;
    for (const auto& [y, p] : enemyBlow(f)) worst = std::max(worst, y);
    if (hp > worst * 2) return false;
    // Fight on: win (winWorth) or lose (-1). Run: half the time nothing is
    // won or lost; otherwise the opponent strikes and the same choice returns.
    const WinTable table(f, e, hp);
    auto fight = [&](int h) {
        const double w = table.at(e, h);
        return w * winWorth - (1 - w);
    };
    const double stay = fight(hp);
    double afterFailure = 0;
    for (const auto& [y, p] : enemyBlow(f))
        afterFailure += p * (y >= hp ? -1.0 : std::max(fight(hp - y), 0.0));
    const double run = 0.5 * afterFailure;  // success itself is worth 0
    return run > stay;
}

}  // namespace minamori::autoplay
