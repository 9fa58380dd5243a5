#include <algorithm>

#include "core/layer.h"
#include "core/saturate.h"
#include "core/state.h"

namespace minamori {

namespace {

struct CountryStart {
    int32_t military, gdp, growth, opinion;
};

// clang-format off
constexpr CountryStart kCountryStart[kCountriesInPlay] = {
    // military  gdp   growth  opinion
    {  20,       590,  -10,    50 },  // 日本
    {  40,       820,    7,    40 },  // 中国
    {  15,        46,    3,    80 },  // 台湾
    { 150,      1560,    3,    65 },  // 米国
};
// clang-format on

}  // namespace

void newGame(CoreLayer& game) {
    tmy& m = game.my;
    m.daysUsed = 0;
    m.year = 0;
    m.danger = 50;
    m.chinaBanned = 0;
    m.hp = 3;
    m.maxHp = 3;
    m.expBonus = 0;
    m.titleText.clear();
    m.difficulty = 0;
    m.battleMoneyBonus = 0;
    m.money = 5;
    m.level = 0;
    m.debt = 0;
    m.lifespan = 60;
    m.volume = -400;
    m.intelligence = 0;
    m.vitality = 0;
    m.charisma = 0;
    m.hasTaxBudget = 0;
    m.careerLevel = 0;
    m.gameStarted = 0;
    m.useCount.fill(0);
    m.usedThisYear.fill(0);
    m.itemCount.fill(0);
    m.exp = 0;
    m.intelligenceExp = 0;
    m.vitalityExp = 0;
    m.charismaExp = 0;
    m.ministerEconomy = 0;
    m.ministerFinance = 0;
    m.ministerMonetary = 0;
    m.ministerLand = 0;
    m.ministerForeign = 0;
    m.ministerDefence = 0;
    m.primeMinister = 0;
    m.incidentSeen.fill(0);
    m.usNewsCount = 0;
    m.chinaNewsCount = 0;
    m.taiwanNewsCount = 0;
    for (int c = 0; c < kCountriesInPlay; ++c) {
        tcountry& country = game.countries[static_cast<size_t>(c)];
        country.military = kCountryStart[c].military;
        country.gdp = kCountryStart[c].gdp;
        country.growth = kCountryStart[c].growth;
        country.opinion = kCountryStart[c].opinion;
    }
}

void normaliseState(CoreLayer& game) {
    tmy& m = game.my;
    m.money = std::clamp(m.money, 0, 999999999);
    m.danger = std::clamp(m.danger, 0, 120);
    m.charisma = std::max(m.charisma, 0);
    m.lifespan = std::max(m.lifespan, 0);
    // A negative maximum clamps to 0 first: hp never reads below 0.
    m.hp = std::max(std::min(m.hp, m.maxHp), 0);
    tenemy& enemy = game.battle.enemy;
    enemy.hp = std::max(std::min(enemy.hp, enemy.maxHp), 0);
    for (tcountry& c : game.countries) {
        c.opinion = std::clamp(c.opinion, 0, 100);
        c.gdp = std::max(c.gdp, 0);
        c.military = std::max(c.military, 0);
        c.growth = std::clamp(c.growth, -60, 60);
    }
}

int32_t steppedVolume(int32_t volume, int32_t step) {
    volume = addSat(volume, step);
    if (step < 0 && volume <= kQuietestVolume) volume = kQuietestVolume;
    if (step > 0 && volume >= kLoudestVolume) volume = kLoudestVolume;
    return volume;
}

void normaliseLoadedState(CoreLayer& game) {
    normaliseState(game);
    tmy& m = game.my;
    m.daysUsed = std::clamp(m.daysUsed, 0, 365);
    m.level = std::max(m.level, 0);
    m.vitality = std::max(m.vitality, 0);
    m.intelligence = std::max(m.intelligence, 0);
    m.gameStarted = std::clamp(m.gameStarted, 0, 1);
}

}  // namespace minamori
