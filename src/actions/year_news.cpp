#include <algorithm>
#include <cstdint>

#include "actions/layer.h"
#include "actions/year_steps.h"
#include "core/saturate.h"

namespace minamori::yearstep {

namespace {

// How likely, in percent, a country's news is at the given opinion: the points
// the opinion lies below the threshold, none at or above it.
int64_t newsChance(int32_t threshold, int32_t opinion) {
    return std::max<int64_t>(int64_t{threshold} - opinion, 0);
}

// Moves a news sequence on by one. Returns the event number to queue (1..last),
// or 0 when the sequence has run out (the count stays at last) or the count was
// out of range.
int32_t advanceNews(int32_t& count, int32_t last) {
    count = addSat(count, 1);
    if (count > last) {
        count = last;
        return 0;
    }
    return count >= 1 ? count : 0;
}

// One country's yearly news draw. The draw happens every year, whatever the chance.
template <std::size_t N>
void rollNews(ActionLayer& game, int32_t threshold, Country country, int32_t& count,
              const std::array<yeartext::Event, N>& events) {
    const int64_t chance = newsChance(threshold, game.countries[country].opinion);
    if (game.R(100) >= chance) return;
    const int32_t event = advanceNews(count, static_cast<int32_t>(N));
    if (event >= 1) queueEvent(game, events[static_cast<std::size_t>(event - 1)]);
}

}  // namespace

void queueEvent(ActionLayer& game, const yeartext::Event& event) {
    const bool moodLow = game.countries[kJapan].opinion < 50;
    for (const yeartext::Line& line : event)
        if (!line.whenMoodLow || moodLow) game.queue.pushLine(line.text);
}

int32_t difficultyExtra(ActionLayer& game) {
    int32_t extra = 0;
    for (int32_t threshold = 1; threshold <= 3; ++threshold)
        if (game.my.difficulty >= threshold && game.R(2) == 0) ++extra;
    return extra;
}

void rollUsNews(ActionLayer& game) {
    rollNews(game, 40, kUsa, game.my.usNewsCount, yeartext::kUsNews);
}

void rollChinaNews(ActionLayer& game) {
    rollNews(game, 35, kChina, game.my.chinaNewsCount, yeartext::kChinaNews);
}

void rollTaiwanNews(ActionLayer& game) {
    rollNews(game, 35, kTaiwan, game.my.taiwanNewsCount, yeartext::kTaiwanNews);
}

void rollEconomyNews(ActionLayer& game) {
    const tcountry& home = game.countries[kJapan];
    const int64_t chance = std::max<int64_t>(200 - int64_t{home.gdp}, 0);
    if (game.R(300) >= chance || home.growth >= 0) return;
    const int32_t k = game.R(5);  // 0 brings no news
    if (k >= 1) queueEvent(game, yeartext::kEconomyNews[static_cast<std::size_t>(k - 1)]);
}

void rollMilitaryBalance(ActionLayer& game) {
    const int64_t home = game.countries[kJapan].military;
    const int64_t china = game.countries[kChina].military;
    if (china > 2 * home && game.R(5) == 0) queueEvent(game, yeartext::kBalanceWeak);
    if (2 * china < home && game.R(5) == 0) queueEvent(game, yeartext::kBalanceStrong);
}

void rollOverheating(ActionLayer& game) {
    const int32_t growth = game.countries[kJapan].growth;
    const bool large = game.countries[kJapan].gdp >= 500;
    bool queued = false;
    // Each warning is drawn for even after an earlier line was queued, so the
    // draws a year takes depend only on the figures.
    if (growth > 55 && large && game.R(5) == 0) {
        queueEvent(game, yeartext::kBubble);
        queued = true;
    }
    const struct {
        int32_t above;
        const char* line;
    } warnings[] = {
        {45, yeartext::kInflation}, {50, yeartext::kShortage}, {40, yeartext::kPropertyPrices}};
    for (const auto& warning : warnings) {
        if (growth > warning.above && large && game.R(10) == 0 && !queued) {
            game.queue.pushLine(warning.line);
            queued = true;
        }
    }
}

}  // namespace minamori::yearstep
