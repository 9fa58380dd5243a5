#include "menus/menu_table.h"

#include <array>
#include <cstdint>
#include <string>

#include "menus/layer.h"
#include "menus/menu_rows.h"

namespace minamori {

namespace {

using rowdata::Compare;
using rowdata::Condition;
using rowdata::Figure;
using rowdata::FixedRow;
using rowdata::Term;

// The rows 1 to 19 (the main menu) are taller than the default.
constexpr int32_t kMainMenuLastRow = 19;
constexpr int32_t kMainMenuRowHeight = 30;

int64_t figureValue(const MenuLayer& game, Figure figure, int32_t argument) {
    const tmy& m = game.my;
    switch (figure) {
        case Figure::careerLevel:
            return m.careerLevel;
        case Figure::ministerEconomy:
            return m.ministerEconomy;
        case Figure::ministerFinance:
            return m.ministerFinance;
        case Figure::ministerMonetary:
            return m.ministerMonetary;
        case Figure::ministerLand:
            return m.ministerLand;
        case Figure::ministerForeign:
            return m.ministerForeign;
        case Figure::ministerDefence:
            return m.ministerDefence;
        case Figure::primeMinister:
            return m.primeMinister;
        case Figure::gameStarted:
            return m.gameStarted;
        case Figure::difficulty:
            return m.difficulty;
        case Figure::year:
            return m.year;
        case Figure::money:
            return m.money;
        case Figure::debt:
            return m.debt;
        case Figure::danger:
            return m.danger;
        case Figure::chinaBanned:
            return m.chinaBanned;
        case Figure::usNewsCount:
            return m.usNewsCount;
        case Figure::clearCount:
            return inRange(argument, kDifficulties) ? m.clearCount[static_cast<size_t>(argument)]
                                                    : 0;
        case Figure::useCount:
            return inRange(argument, kMenuRowSlots) ? m.useCount[static_cast<size_t>(argument)] : 0;
        case Figure::opinion:
            return inRange(argument, kCountries)
                       ? game.countries[static_cast<size_t>(argument)].opinion
                       : 0;
        case Figure::growth:
            return inRange(argument, kCountries)
                       ? game.countries[static_cast<size_t>(argument)].growth
                       : 0;
        case Figure::incidentsAmong: {
            int64_t seen = 0;
            for (int k = 0; k < kIncidents; ++k)
                if ((argument >> k & 1) != 0 && m.incidentSeen[static_cast<size_t>(k)] != 0) ++seen;
            return seen;
        }
    }
    return 0;
}

bool termHolds(const MenuLayer& game, const Term& term) {
    const int64_t v = figureValue(game, term.figure, term.argument);
    switch (term.compare) {
        case Compare::eq:
            return v == term.value;
        case Compare::ne:
            return v != term.value;
        case Compare::lt:
            return v < term.value;
        case Compare::le:
            return v <= term.value;
        case Compare::gt:
            return v > term.value;
        case Compare::ge:
            return v >= term.value;
    }
    return false;
}

// Fields a row leaves at 0 keep what they hold.
void assignListed(int32_t& field, int32_t value) {
    if (value != 0) field = value;
}

void assignFixedFields(tmenu& row, const FixedRow& fixed) {
    if (fixed.caption.isShopItem) {
        row.itemName = fixed.caption.text;
        row.caption = "買い物 " + row.itemName;
    } else {
        row.caption = fixed.caption.text;
    }
    row.page = fixed.page;
    row.slot = fixed.slot;
    assignListed(row.effectKind, fixed.caption.effectKind);
    assignListed(row.effectAmount, fixed.caption.effectAmount);
    assignListed(row.dayCost, fixed.dayCost);
    assignListed(row.moneyCost, fixed.moneyCost);
    assignListed(row.minLevel, fixed.minLevel);
    assignListed(row.minVitality, fixed.minVitality);
    assignListed(row.minIntelligence, fixed.minIntelligence);
    assignListed(row.minCharisma, fixed.minCharisma);
    assignListed(row.maxUses, fixed.maxUses);
    assignListed(row.prerequisiteRow, fixed.prerequisiteRow);
    assignListed(row.requiredItem, fixed.requiredItem);
    assignListed(row.minHomeOpinion, fixed.minHomeOpinion);
    assignListed(row.homeOpinionBelow, fixed.homeOpinionBelow);
    assignListed(row.colourClass, fixed.colourClass);
    assignListed(row.parentPage, fixed.parentPage);
    assignListed(row.width, fixed.width);
    assignListed(row.height, fixed.height);
}

}  // namespace

std::span<const std::span<const FixedRow>> menuRowTables() {
    static const std::array<std::span<const FixedRow>, 7> tables = {
        systemRows(),   activityRows(), policyRows(), diplomacyRows(),
        militaryRows(), miracleRows(),  battleRows(),
    };
    return tables;
}

bool conditionHolds(const MenuLayer& game, const Condition& condition) {
    const int32_t count =
        condition.count < Condition::kMaxTerms ? condition.count : Condition::kMaxTerms;
    for (int32_t i = 0; i < count; ++i)
        if (!termHolds(game, condition.terms[static_cast<size_t>(i)])) return false;
    return true;
}

// Walks the rows in ascending order; the run-time fields (shown, enabled and
// the positions) belong to the page layout and are left alone.
void buildMenuTable(MenuLayer& game) {
    for (const std::span<const FixedRow> table : menuRowTables()) {
        for (const FixedRow& fixed : table) {
            if (!inRange(fixed.row, kMenuRows)) continue;
            tmenu& row = game.menuTable[static_cast<size_t>(fixed.row)];
            assignFixedFields(row, fixed);
            if (!conditionHolds(game, fixed.condition)) row.caption.clear();
        }
    }
    for (int32_t i = 1; i <= kMainMenuLastRow; ++i)
        game.menuTable[static_cast<size_t>(i)].height = kMainMenuRowHeight;
}

}  // namespace minamori
