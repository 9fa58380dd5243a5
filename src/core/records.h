// The two saved records of a game: the player's record and the countries.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace minamori {

constexpr int kMenuRowSlots = 2000;  // per-row bookkeeping, indexed by menu row
constexpr int kItemSlots = 2000;     // items held, indexed by item id
constexpr int kDifficulties = 4;     // EASY, NORMAL, HARD, EXTREAM
constexpr int kIncidents = 8;
constexpr int kCountries = 10;       // 0..3 in play, 4..9 nameless
constexpr int kCountriesInPlay = 4;

// The island incidents of a year, in saved order.
enum Incident : int {
    kIncidentDrilling,       // resource drilling in the economic zone
    kIncidentBoatsNear,      // fishing boats near the territorial waters
    kIncidentNavyNear,       // navy ships approaching
    kIncidentBoatsInside,    // fishing boats inside the territorial waters
    kIncidentNavyInside,     // navy ships inside
    kIncidentAircraft,       // military aircraft crossing the air defence zone
    kIncidentFishermenLand,  // fishermen landing on the islands
    kIncidentArmyLand,       // the army landing on the islands
};

// Menu rows whose use count other parts read as a flag.
constexpr int kRowGuardAbility = 368;
constexpr int kRowEvadeAbility = 369;
constexpr int kRowSmashAbility = 370;
constexpr int kRowRegenAbility = 371;
constexpr int kRowTreatyCancelled = 457;  // makes a clear a TRUE END

// The game record: the player, the career, the calendar, the menu bookkeeping,
// the clear records and the sound volume.
struct tmy {
    std::string titleText;
    std::array<int32_t, kDifficulties> trueClearCount{};
    std::array<int32_t, kDifficulties> clearCount{};
    int32_t difficulty = 0;
    int32_t totalClearCount = 0;
    int32_t battleMoneyBonus = 0;
    int32_t expBonus = 0;
    int32_t volume = 0;
    int32_t exp = 0;
    int32_t intelligenceExp = 0;
    int32_t vitalityExp = 0;
    int32_t charismaExp = 0;
    int32_t lifespan = 0;
    int32_t money = 0;
    int32_t debt = 0;
    int32_t level = 0;
    std::array<int32_t, kItemSlots> itemCount{};
    int32_t danger = 0;
    int32_t vitality = 0;
    int32_t intelligence = 0;
    int32_t charisma = 0;
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t year = 0;
    int32_t daysUsed = 0;
    std::array<int32_t, kMenuRowSlots> useCount{};
    std::array<int32_t, kMenuRowSlots> usedThisYear{};
    int32_t hasTaxBudget = 0;
    int32_t gameStarted = 0;
    int32_t careerLevel = 0;
    int32_t ministerEconomy = 0;
    int32_t ministerFinance = 0;
    int32_t ministerMonetary = 0;
    int32_t ministerLand = 0;
    int32_t ministerForeign = 0;
    int32_t ministerDefence = 0;
    int32_t primeMinister = 0;
    int32_t chinaBanned = 0;
    std::array<int32_t, kIncidents> incidentSeen{};
    int32_t usNewsCount = 0;
    int32_t chinaNewsCount = 0;
    int32_t taiwanNewsCount = 0;

    bool operator==(const tmy&) const = default;
};

// One country's figures. Only the first four are in play; a nameless record is absent.
struct tcountry {
    std::string name;
    int32_t military = 0;  // shown with 万pt
    int32_t gdp = 0;       // 兆円
    int32_t growth = 0;    // -60..60
    int32_t opinion = 0;   // 0..100, that country's opinion of the home country

    bool operator==(const tcountry&) const = default;
};

using Countries = std::array<tcountry, kCountries>;

enum Country : int { kJapan = 0, kChina = 1, kTaiwan = 2, kUsa = 3 };

// Whether i indexes an array of n entries.
inline bool inRange(int64_t i, int64_t n) { return i >= 0 && i < n; }

}  // namespace minamori
