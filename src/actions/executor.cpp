#include "actions/executor.h"

#include "actions/action_pages.h"
#include "actions/encounter.h"
#include "actions/layer.h"
#include "audio/sound.h"
#include "battle/battle.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "view/log.h"

namespace minamori {

namespace {

constexpr int32_t kDaysInYear = 365;

// What every chosen row costs and records, whatever its command.
void payAndCount(ActionLayer& game, int32_t row, int32_t moneyCost, int32_t dayCost) {
    tmy& m = game.my;
    if (moneyCost > 0) {
        playSound(game, "katan.wav");
        addLogLine(game, moneyText(moneyCost) + "を払った", "gray");
        m.money = addSat(m.money, -int64_t{moneyCost});
    }
    if (dayCost > 0) {
        m.daysUsed = addSat(m.daysUsed, dayCost);
        if (m.daysUsed > kDaysInYear) m.daysUsed = kDaysInYear;
    }
    if (inRange(row, kMenuRowSlots)) {
        const auto i = static_cast<size_t>(row);
        m.useCount[i] = addSat(m.useCount[i], 1);
        m.usedThisYear[i] = 1;
    }
}

}  // namespace

void executeAction(ActionLayer& game, int32_t row) {
    if (row <= 0 || row >= kMenuRows) return;  // row 0 is never a command
    // Read before the command runs: opening a page rebuilds the table.
    const tmenu& entry = game.menuTable[static_cast<size_t>(row)];
    const int32_t page = entry.page;
    const int32_t slot = entry.slot;
    const int32_t moneyCost = entry.moneyCost;
    const int32_t dayCost = entry.dayCost;

    playSound(game, "1.wav");
    payAndCount(game, row, moneyCost, dayCost);

    switch (page) {
        case kPageMain: runMainMenu(game, slot); break;
        case kPageQuit: runQuitPage(game, slot); break;
        case kPageOption: runOptionPage(game, slot); break;
        case kPageSound: runSoundPage(game, slot); break;
        case kPageTitle: runTitlePage(game, slot); break;
        case kPageResetConfirm: runFirstResetConfirm(game, slot); break;
        case kPageResetConfirm2: runSecondResetConfirm(game, slot); break;
        case kPageActivities:
            runActivity(game, row, slot);
            rollRandomEncounter(game);  // after every activity, whatever its slot
            break;
        case kPageBattle:
            if (slot == 1) playerAttack(game);
            if (slot == 9) attemptEscape(game);
            break;
        case kPagePolicies: runPolicy(game, row, slot); break;
        case kPageDiplomacy: runDiplomacy(game, row, slot); break;
        case kPageMilitary: runMilitary(game, row, slot); break;
        case kPageMiracles: runMiracle(game, row, slot); break;
        default: break;
    }
}

void ActionLayer::runRowCommand(int32_t row) { executeAction(*this, row); }

}  // namespace minamori
