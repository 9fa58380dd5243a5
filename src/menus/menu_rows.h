// The fixed rows of the menu table as data: one entry per row, holding the
// fields the builder assigns and the condition on the game under which the
// row is offered at all.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <span>

#include "core/records.h"

namespace minamori {

struct MenuLayer;

namespace rowdata {

// A figure of the game read by a visibility condition.
enum class Figure : uint8_t {
    careerLevel,
    ministerEconomy,
    ministerFinance,
    ministerMonetary,
    ministerLand,
    ministerForeign,
    ministerDefence,
    primeMinister,
    gameStarted,
    difficulty,
    year,
    money,
    debt,
    danger,
    chinaBanned,
    usNewsCount,
    clearCount,      // argument: the difficulty
    useCount,        // argument: the row
    opinion,         // argument: the country
    growth,          // argument: the country
    incidentsAmong,  // argument: a set of incident bits; value: how many of them happened this year
};

enum class Compare : uint8_t { eq, ne, lt, le, gt, ge };

// One comparison of a figure with a constant.
struct Term {
    Figure figure = Figure::careerLevel;
    int32_t argument = 0;
    Compare compare = Compare::eq;
    int32_t value = 0;
};

// All terms must hold; a condition without terms always holds.
struct Condition {
    static constexpr int kMaxTerms = 4;
    std::array<Term, kMaxTerms> terms{};
    int32_t count = 0;
};

// A figure as it is written in a row's condition: `careerLevel >= 3` is a Term.
struct Operand {
    Figure figure;
    int32_t argument = 0;
};

constexpr Term operator==(Operand o, int32_t v) {
    return {o.figure, o.argument, Compare::eq, v};
}
constexpr Term operator!=(Operand o, int32_t v) {
    return {o.figure, o.argument, Compare::ne, v};
}
constexpr Term operator<(Operand o, int32_t v) {
    return {o.figure, o.argument, Compare::lt, v};
}
constexpr Term operator<=(Operand o, int32_t v) {
    return {o.figure, o.argument, Compare::le, v};
}
constexpr Term operator>(Operand o, int32_t v) {
    return {o.figure, o.argument, Compare::gt, v};
}
constexpr Term operator>=(Operand o, int32_t v) {
    return {o.figure, o.argument, Compare::ge, v};
}

template <std::same_as<Term>... T>
constexpr Condition when(T... terms) {
    static_assert(sizeof...(T) >= 1 && sizeof...(T) <= Condition::kMaxTerms, "1 to 4 terms");
    return Condition{{terms...}, static_cast<int32_t>(sizeof...(T))};
}
constexpr Condition always{};

constexpr Operand careerLevel{Figure::careerLevel};
constexpr Operand ministerEconomy{Figure::ministerEconomy};
constexpr Operand ministerFinance{Figure::ministerFinance};
constexpr Operand ministerMonetary{Figure::ministerMonetary};
constexpr Operand ministerLand{Figure::ministerLand};
constexpr Operand ministerForeign{Figure::ministerForeign};
constexpr Operand ministerDefence{Figure::ministerDefence};
constexpr Operand primeMinister{Figure::primeMinister};
constexpr Operand gameStarted{Figure::gameStarted};
constexpr Operand difficulty{Figure::difficulty};
constexpr Operand year{Figure::year};
constexpr Operand money{Figure::money};
constexpr Operand debt{Figure::debt};
constexpr Operand danger{Figure::danger};
constexpr Operand chinaBanned{Figure::chinaBanned};
constexpr Operand usNewsCount{Figure::usNewsCount};
constexpr Operand clearCount(int32_t difficultyIndex) {
    return {Figure::clearCount, difficultyIndex};
}
constexpr Operand useCount(int32_t row) {
    return {Figure::useCount, row};
}
constexpr Operand opinion(int32_t country) {
    return {Figure::opinion, country};
}
constexpr Operand growth(int32_t country) {
    return {Figure::growth, country};
}

// The difficulties, as clearCount and difficulty number them.
constexpr int32_t kEasy = 0, kNormal = 1, kHard = 2, kExtreme = 3;

// Sets of island incidents for incidentsAmong.
constexpr int32_t incidentBit(Incident k) {
    return int32_t{1} << k;
}
constexpr int32_t kAllIncidents = (int32_t{1} << kIncidents) - 1;
constexpr Operand incidentsAmong(int32_t incidentBits) {
    return {Figure::incidentsAmong, incidentBits};
}
// How many of the named island incidents happened this year.
template <std::same_as<Incident>... K>
constexpr Operand incidentsOf(K... kinds) {
    static_assert(sizeof...(K) >= 1, "name at least one incident");
    return incidentsAmong((incidentBit(kinds) | ...));
}
// Any island incident of this year other than the aircraft crossing the zone.
constexpr Operand incidentsExceptAircraft =
    incidentsAmong(kAllIncidents & ~incidentBit(kIncidentAircraft));

// A row's caption; for a shop row it names the thing bought, with the kind and
// amount of its effect, and the row's caption becomes "買い物 " followed by it.
struct Caption {
    const char* text = "";
    bool isShopItem = false;
    int32_t effectKind = 0;
    int32_t effectAmount = 0;
    // Implicit, so that most rows name their caption as a plain text.
    constexpr Caption(const char* t) : text(t) {}
};
constexpr Caption shop(const char* itemName, int32_t effectKind, int32_t effectAmount) {
    Caption c(itemName);
    c.isShopItem = true;
    c.effectKind = effectKind;
    c.effectAmount = effectAmount;
    return c;
}

// The fixed fields of one row. A 0 leaves the row's field as it is.
struct FixedRow {
    int32_t row;
    int32_t page;
    int32_t slot;
    Caption caption;
    int32_t dayCost;
    int32_t moneyCost;
    int32_t minLevel;
    int32_t minVitality;
    int32_t minIntelligence;
    int32_t minCharisma;
    int32_t maxUses;
    int32_t prerequisiteRow;
    int32_t requiredItem;
    int32_t minHomeOpinion;
    int32_t homeOpinionBelow;
    int32_t colourClass;
    int32_t parentPage;
    int32_t width;
    int32_t height;
    Condition condition;
};

}  // namespace rowdata

// The rows of each group of pages, each in ascending row number.
std::span<const rowdata::FixedRow> systemRows();     // pages 1 to 7
std::span<const rowdata::FixedRow> activityRows();   // page 10
std::span<const rowdata::FixedRow> policyRows();     // page 20
std::span<const rowdata::FixedRow> diplomacyRows();  // page 30
std::span<const rowdata::FixedRow> militaryRows();   // page 40
std::span<const rowdata::FixedRow> miracleRows();    // page 50
std::span<const rowdata::FixedRow> battleRows();     // page 100

// Every group of rows, in ascending row number, as the builder walks them.
std::span<const std::span<const rowdata::FixedRow>> menuRowTables();

// Whether every term of the condition holds on the game.
bool conditionHolds(const MenuLayer& game, const rowdata::Condition& condition);

}  // namespace minamori
