// The lines the change of year queues: the closing lines of a game, the news of
// the United States, China and Taiwan, the economy, the military balance, the
// overheating economy and the island incidents. Only the change of year uses it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/records.h"

namespace minamori::yeartext {

// One queued line. A line marked whenMoodLow is queued only while the home
// country's own mood (its opinion) is below 50.
struct Line {
    const char* text;
    bool whenMoodLow = false;
};

// The lines of one event, queued in this order.
using Event = std::vector<Line>;

// Game clear: the opening lines, the TRUE CLEAR lines, the credits, the thanks,
// the hint shown when it was not a TRUE CLEAR, and the last two lines.
extern const std::array<const char*, 4> kClearOpening;
extern const std::array<const char*, 3> kTrueClear;
extern const char* const kClearTimePrefix;  // followed by the years and "年"
extern const std::array<const char*, 2> kCredits;
extern const char* const kThanks;
extern const std::array<const char*, 3> kTrueEndHint;
extern const std::array<const char*, 2> kGameEnd;

// Lifespan run out.
extern const std::array<const char*, 6> kDeath;

// The living costs.
extern const char* const kLivingCost;
extern const char* const kCannotPay;
extern const char* const kBorrowed;
extern const char* const kCharismaLoss;

// The tax budget line, queued before its money.
extern const char* const kTaxBudget;

// The news of each country, indexed by count - 1.
extern const std::array<Event, 5> kUsNews;
extern const std::array<Event, 5> kChinaNews;
extern const std::array<Event, 1> kTaiwanNews;

// The economy events 1..4, indexed by k - 1.
extern const std::array<Event, 4> kEconomyNews;

// The military balance against China.
extern const Event kBalanceWeak;
extern const Event kBalanceStrong;

// Overheating: the bubble bursting, then the three warnings in the order tried.
extern const Event kBubble;
extern const char* const kInflation;
extern const char* const kShortage;
extern const char* const kPropertyPrices;

// An island incident for draws below `below` (and at or above the previous
// entry's bound); `flag` is the incident's flag in the year's record.
struct IslandIncident {
    int32_t below;
    Event lines;
    Incident flag;
};
extern const std::array<IslandIncident, 8> kIncidents;

// A draw at or above the last bound: the invasion, which ends the game.
extern const Event kWar;

}  // namespace minamori::yeartext
