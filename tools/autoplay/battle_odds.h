// How a fight is likely to go, worked out from the figures a player sees: the
// player's 体力, level, HP and abilities against the opponent's HP and attack.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace minamori {
class Game;
}

namespace minamori::autoplay {

// One side's blow: each possible damage with its chance.
using Blow = std::vector<std::pair<int, double>>;

// The player's side of a fight and the opponent's attack.
struct Fighters {
    int vitality = 0;
    int level = 0;
    bool smash = false;  // the smash-hit ability
    bool guard = false;  // the guard ability
    bool evade = false;  // the evade ability
    int enemyAttack = 1;
};

Blow playerBlow(const Fighters& f);
Blow enemyBlow(const Fighters& f);

// Chances of winning by attacking every turn, from the player's turn, for
// every opponent HP 0..maxEnemyHp and every own HP 0..maxHp.
class WinTable {
public:
    WinTable(const Fighters& f, int maxEnemyHp, int maxHp);
    double at(int enemyHp, int hp) const;

private:
    std::size_t width_;
    std::vector<double> win_;
};

// The chances against the player's HP hp, for every opponent HP 0..maxEnemyHp.
std::vector<double> winChances(const Fighters& f, int maxEnemyHp, int hp);

// The opponent a battle line starts, as startBattle adjusts it for this player.
struct Opponent {
    int level = 0;
    int attack = 1;
    int minHp = 0;
    int maxHp = 0;  // its HP is drawn from minHp..maxHp
};
Opponent opponentFor(const Game& game, int opponentNumber);
Fighters fightersFor(const Game& game, int enemyAttack);

// Chance of winning a battle against opponent n that starts now with the
// player at hp (the current HP when hp is negative).
double battleOdds(const Game& game, int opponentNumber, int hp = -1);

// In a battle, at the player's turn: whether running away is worth more than
// fighting on. winWorth is what a victory is worth against a defeat's cost of 1.
bool shouldFlee(const Game& game, double winWorth);

}  // namespace minamori::autoplay
