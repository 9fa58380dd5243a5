#include "script/stats.h"

#include <array>
#include <string>

#include "audio/sound.h"
#include "core/name_tables.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "core/state.h"
#include "script/layer.h"
#include "view/effects.h"
#include "view/log.h"

namespace minamori {

namespace {

using std::to_string;

// One of the four countries in play, or null.
tcountry* countryAt(ScriptLayer& game, int32_t c) {
    return inRange(c, kCountriesInPlay) ? &game.countries[static_cast<size_t>(c)] : nullptr;
}

// The log texts and sounds of one kind of country figure.
struct CountryChange {
    const char* risePhrase;  // between the name and the amount
    const char* riseTail;
    const char* riseSound;
    const char* fallTail;
    const char* fallSound;
};

void announceCountryChange(ScriptLayer& game, const tcountry& country, int32_t n,
                           const CountryChange& texts) {
    if (n > 0) {
        addLogLine(game, country.name + texts.risePhrase + to_string(n) + texts.riseTail, "aqua");
        playSound(game, texts.riseSound);
    } else if (n < 0) {
        addLogLine(game, country.name + texts.risePhrase + to_string(absWide(n)) + texts.fallTail,
                   "pink2");
        playSound(game, texts.fallSound);
    }
}

// One of the four kinds of experience and the figure it raises.
struct ExperienceKind {
    int32_t tmy::*exp;
    int32_t tmy::*stat;
    int64_t perPoint;  // threshold = stat * perPoint + perPoint
    const char* gainLabel;
    bool raisesMaxHp;
    const char* upMessage;
    const char* upSound;
    int32_t effectX, effectY;
    std::array<int32_t, 4> effectKinds;  // started in order; 0 ends the list
};

void gainExperience(ScriptLayer& game, int32_t n, const ExperienceKind& kind) {
    if (n <= 0) return;
    tmy& m = game.my;
    const int64_t gain = int64_t{n} + m.expBonus;
    m.*kind.exp = addSat(m.*kind.exp, gain);
    addLogLine(game, std::string(kind.gainLabel) + to_string(gain) + "を入手", "yellow2");
    playSound(game, "exp.wav");
    if (m.*kind.exp >= int64_t{m.*kind.stat} * kind.perPoint + kind.perPoint) {
        m.*kind.exp = 0;
        m.*kind.stat = addSat(m.*kind.stat, 1);
        if (kind.raisesMaxHp) m.maxHp = addSat(m.maxHp, 1);
        addLogLine(game, kind.upMessage, "pink");
        playSound(game, kind.upSound);
        for (int32_t effect : kind.effectKinds)
            if (effect != 0) startEffect(game, kind.effectX, kind.effectY, effect);
    }
    normaliseState(game);
}

}  // namespace

void changeMoney(ScriptLayer& game, int32_t n) {
    if (n == 0) return;
    game.my.money = addSat(game.my.money, n);
    if (n > 0) {
        playSound(game, "coin.wav");
        addLogLine(game, "お金 " + moneyText(n) + "を入手", "yellow2");
    } else {
        addLogLine(game, "お金 " + moneyText(absWide(n)) + "を支払いました", "gray");
    }
    normaliseState(game);
}

void changeLifespan(ScriptLayer& game, int32_t n) {
    if (n == 0) return;
    game.my.lifespan = addSat(game.my.lifespan, n);
    if (n > 0) {
        playSound(game, "coin.wav");
        addLogLine(game, "寿命が " + to_string(n) + "年延びました", "aqua");
    } else {
        addLogLine(game, "寿命が " + to_string(absWide(n)) + "年縮みました", "pink2");
    }
    normaliseState(game);
}

void changeOpinion(ScriptLayer& game, int32_t c, int32_t n) {
    if (tcountry* country = countryAt(game, c)) {
        country->opinion = addSat(country->opinion, n);
        announceCountryChange(game, *country, n,
                              {"の世論が ", "pt.好転しました", "meisei.wav", "pt.悪化しました",
                               "meisei_down.wav"});
    }
    normaliseState(game);
}

void changeGrowth(ScriptLayer& game, int32_t c, int32_t n) {
    if (tcountry* country = countryAt(game, c)) {
        country->growth = addSat(country->growth, n);
        country->gdp = addSat(country->gdp, n);
        announceCountryChange(game, *country, n,
                              {"の成長度が ", "pt.上昇しました", "coin_many_in.wav",
                               "pt.冷え込みました", "battle_lose.wav"});
    }
    normaliseState(game);
}

void changeMilitary(ScriptLayer& game, int32_t c, int32_t n) {
    if (tcountry* country = countryAt(game, c)) {
        country->military = addSat(country->military, n);
        announceCountryChange(game, *country, n,
                              {"の軍事力が ", "万pt.拡大しました", "up.wav", "万pt.縮小しました",
                               "down.wav"});
    }
    normaliseState(game);
}

void changeDanger(ScriptLayer& game, int32_t n) {
    game.my.danger = addSat(game.my.danger, n);
    // A falling danger figure is the good news.
    if (n > 0) {
        playSound(game, "down.wav");
        addLogLine(game, "尖閣危険度が " + to_string(n) + "pt.上昇しました", "pink2");
    } else if (n < 0) {
        playSound(game, "up.wav");
        addLogLine(game, "尖閣危険度が " + to_string(absWide(n)) + "pt.改善されました", "aqua");
    }
    normaliseState(game);
}

void gainExp(ScriptLayer& game, int32_t n) {
    gainExperience(game, n,
                   {&tmy::exp, &tmy::level, 50, "経験値 ", true, "LVUP!!! HP最大値+1", "lvup.wav",
                    32, 38, {252, 253, 159, 168}});
}

void gainIntelligenceExp(ScriptLayer& game, int32_t n) {
    gainExperience(game, n,
                   {&tmy::intelligenceExp, &tmy::intelligence, 10, "知力経験値 ", false,
                    "知力UP!!!!", "lvcap.wav", 45, 97, {254, 255}});
}

void gainVitalityExp(ScriptLayer& game, int32_t n) {
    gainExperience(game, n,
                   {&tmy::vitalityExp, &tmy::vitality, 10, "体力経験値 ", true,
                    "体力UP!! HP最大値+1", "lvcap.wav", 45, 82, {254, 255}});
}

void gainCharismaExp(ScriptLayer& game, int32_t n) {
    gainExperience(game, n,
                   {&tmy::charismaExp, &tmy::charisma, 10, "ｶﾘｽﾏ経験値 ", false, "ｶﾘｽﾏUP!!!!",
                    "lvcap.wav", 45, 112, {254, 255}});
}

void giveItem(ScriptLayer& game, int32_t item) {
    if (!inRange(item, kItemSlots)) return;  // no such item: nothing to hold
    if (itemEntry(item).unique == 1 && game.my.itemCount[static_cast<size_t>(item)] >= 1) return;
    addItems(game, item, 1);
}

void addItems(ScriptLayer& game, int32_t item, int32_t n) {
    if (!inRange(item, kItemSlots)) return;
    int32_t& count = game.my.itemCount[static_cast<size_t>(item)];
    playSound(game, "item_get.wav");
    count = addSat(count, n);
    addLogLine(game,
               "Item【" + itemEntry(item).name + "】を " + to_string(n) + "個入手した(所持:" +
                   to_string(count) + "個)",
               "green");
}

}  // namespace minamori
