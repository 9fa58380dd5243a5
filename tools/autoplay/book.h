// What a player knows of each command: what it gives on average, in the
// game's own units (experience points, 100万円, %, opinion points, 兆円).
#pragma once

namespace minamori::autoplay {

// Kinds of command the strategy treats apart from their plain gains.
enum class Special {
    kNone,
    kWork,        // 働く: the wage depends on the GDP and the career
    kRepayDebt,   // 借金返済
    kElection,    // the three elections and the party leadership
    kMinister,    // a minister title
    kAbility,     // a permanent battle ability
    kMiracle,     // costs ten years of lifespan
    kExpBonus,    // shop: every experience gain is raised by `amount`
    kMaxHp,       // shop: maximum HP + amount
    kStatUp,      // shop: a stat + amount
    kLifeUp,      // shop: lifespan + amount
    kMoneyBonus,  // shop: money per won battle + amount
    kBonds,       // 国債発行: the budget for everything that costs millions
    kItem,        // gives an item that opens further commands
};

struct Effect {
    int row = 0;
    // Experience of the four kinds; each line also gets the shop bonus.
    float exp = 0, vit = 0, intl = 0, toku = 0;
    float money = 0;   // gained, not the row's price
    float danger = 0;  // change; lower is better
    float yoron = 0, china = 0, taiwan = 0, usa = 0;  // opinion changes
    float growth = 0;                                  // home growth change
    bool hpFull = false;
    int battle = 0;  // the opponent its battle line fights
    // What the battle grants only when won.
    float winDanger = 0, winYoron = 0, winChina = 0, winTaiwan = 0, winUsa = 0;
    Special special = Special::kNone;
    int amount = 0;  // for the shop kinds
};

// The command's effect, or nullptr for commands the strategy never uses.
const Effect* effectOf(int row);

}  // namespace minamori::autoplay
