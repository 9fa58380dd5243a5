#include "actions/year_update.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "actions/layer.h"
#include "actions/year_steps.h"
#include "actions/year_texts.h"
#include "audio/sound.h"
#include "core/saturate.h"
#include "core/state.h"
#include "menus/navigation.h"
#include "view/log.h"
#include "view/pictures.h"

namespace minamori {

namespace {

using yearstep::difficultyExtra;
using yearstep::queueEvent;

template <std::size_t N>
void queueLines(ActionLayer& game, const std::array<const char*, N>& lines) {
    for (const char* line : lines) game.queue.pushLine(line);
}

// Danger at 0: the islands are safe and the game is won. Having cancelled the
// security treaty first makes it a TRUE CLEAR.
void queueClear(ActionLayer& game) {
    tmy& m = game.my;
    queueLines(game, yeartext::kClearOpening);
    const bool trueClear = m.useCount[kRowTreatyCancelled] >= 1;
    if (trueClear) {
        queueLines(game, yeartext::kTrueClear);
        // Counted now; "GAMECLEAR" counts the clear itself. A difficulty out of
        // range has no count of its own, as with the clear count.
        if (inRange(m.difficulty, kDifficulties)) {
            int32_t& count = m.trueClearCount[static_cast<std::size_t>(m.difficulty)];
            count = addSat(count, 1);
        }
    }
    game.queue.pushLine("GAMECLEAR");
    game.queue.pushLine(yeartext::kClearTimePrefix + std::to_string(m.year) + "年");
    queueLines(game, yeartext::kCredits);
    game.queue.pushLine(yeartext::kThanks);
    if (!trueClear) queueLines(game, yeartext::kTrueEndHint);
    queueLines(game, yeartext::kGameEnd);
    game.worldPanelDirty = 1;
}

void queueDeath(ActionLayer& game) {
    queueLines(game, yeartext::kDeath);
    game.worldPanelDirty = 1;
}

// How much foreign opinion pulls the home growth down this year. Each of China,
// Taiwan and the US adds (70 - opinion) / 20, China and the US one more each;
// the sum is held to -3..3 before the finance title and the difficulty add to it.
int64_t foreignPressure(ActionLayer& game) {
    const auto part = [&](Country c) { return (70 - int64_t{game.countries[c].opinion}) / 20; };
    int64_t p = (part(kChina) + 1) + part(kTaiwan) + (part(kUsa) + 1);
    p = std::clamp<int64_t>(p, -3, 3);
    if (game.my.ministerFinance >= 1) p += 1;
    p += difficultyExtra(game);
    return p;
}

// The home economy after its GDP has grown: the foreign pressure sets next
// year's growth, which is announced, and the tax budget is queued.
void updateHomeEconomy(ActionLayer& game) {
    tcountry& home = game.countries[kJapan];
    home.growth = addSat(home.growth, -foreignPressure(game));
    // The line tells the growth that will apply next year, so it shows the
    // figure held to its range: a growth of 60 pushed to 61 still grows by 60.
    const std::string growth = std::to_string(std::clamp(home.growth, -60, 60));
    if (home.growth >= 1) {
        playSound(game, "up2.wav");
        addLogLine(game, "GDPが " + growth + "兆円↑", "yellow2");
    } else if (home.growth <= -1) {
        playSound(game, "down2.wav");
        addLogLine(game, "GDPが " + growth + "兆円↓", "pink2");
    }
    if (game.my.hasTaxBudget == 1) {
        game.queue.pushLine(yeartext::kTaxBudget);
        game.queue.pushLine("gold" + std::to_string(saturate32(int64_t{home.gdp} / 10 + 10)));
    }
}

// Every country in play: opinion of the home country decays, the military grows
// with the GDP, the GDP with the growth.
void updateCountries(ActionLayer& game) {
    for (std::size_t i = 0; i < game.countries.size(); ++i) {
        tcountry& c = game.countries[i];
        if (c.name.empty()) continue;
        c.opinion = addSat(c.opinion, -1 - int64_t{difficultyExtra(game)});
        c.military = addSat(c.military, game.R(int64_t{c.gdp} / 50 + 1));
        c.gdp = addSat(c.gdp, c.growth);
        // The home country goes first, so the pressure reads the foreign
        // opinions before their decay.
        if (i == kJapan) updateHomeEconomy(game);
    }
}

// Two (200万円) a year; a player who cannot pay borrows it and loses growth
// and, if there is any, one point of charisma.
void queueLivingCosts(ActionLayer& game) {
    if (game.my.money >= 2) {
        game.queue.pushLine(yeartext::kLivingCost);
        return;
    }
    game.queue.pushLine(yeartext::kCannotPay);
    game.queue.pushLine(yeartext::kBorrowed);
    if (game.my.charisma >= 1) game.queue.pushLine(yeartext::kCharismaLoss);
}

}  // namespace

void endYear(ActionLayer& game) {
    closeMenu(game);
    addGreyLine(game, "1年が終わりました HP完全回復");
    game.my.hp = game.my.maxHp;
    loadScenePicture(game, "night.jpg");
    playSound(game, "night.wav");
    game.queue.pushLine("年が変わります....");
    game.queue.pushLine("sleep_henka");
}

void yearlyUpdate(ActionLayer& game) {
    tmy& m = game.my;
    m.year = addSat(m.year, 1);
    m.daysUsed = 0;
    playSound(game, "bird.wav");
    loadScenePicture(game, "1.jpg");
    addGreyLine(game, std::to_string(m.year) + "年目の朝です");
    m.lifespan = addSat(m.lifespan, -1);
    m.incidentSeen.fill(0);

    // A clear wins over a lifespan running out on the same morning.
    if (m.danger <= 0) {
        queueClear(game);
        return;
    }
    if (m.lifespan <= 0) {
        queueDeath(game);
        return;
    }

    m.usedThisYear.fill(0);
    updateCountries(game);
    normaliseState(game);
    queueLivingCosts(game);
    yearstep::rollUsNews(game);
    yearstep::rollChinaNews(game);
    yearstep::rollTaiwanNews(game);
    yearstep::rollEconomyNews(game);
    yearstep::rollMilitaryBalance(game);
    yearstep::rollOverheating(game);
    yearstep::rollIslandIncident(game);
    // The higher difficulties raise the danger quietly each year.
    m.danger = addSat(m.danger, difficultyExtra(game));
    if (m.chinaBanned >= 1 && game.R(15) == 0) m.chinaBanned = 0;
    game.worldPanelDirty = 1;
    game.queue.pushLine("sleep_end");
}

}  // namespace minamori
