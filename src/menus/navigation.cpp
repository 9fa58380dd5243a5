#include "menus/navigation.h"

#include <string>

#include "audio/sound.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "menus/layer.h"
#include "menus/menu_painter.h"
#include "menus/menu_table.h"
#include "view/log.h"

namespace minamori {

namespace {

constexpr int32_t kDefaultWidth = 220;
constexpr int32_t kDefaultHeight = 25;

int32_t countOf(const std::array<int32_t, kMenuRowSlots>& counts, int32_t row) {
    return inRange(row, kMenuRowSlots) ? counts[static_cast<size_t>(row)] : 0;
}

// The thresholds a row must pass to be offered, in the order they are tested.
bool passesThresholds(const MenuLayer& game, const tmenu& row) {
    const tmy& m = game.my;
    const int32_t opinion = game.countries[kJapan].opinion;
    if (row.homeOpinionBelow != 0 && opinion >= row.homeOpinionBelow) return false;
    if (opinion < row.minHomeOpinion) return false;
    if (m.intelligence < row.minIntelligence || m.vitality < row.minVitality ||
        m.charisma < row.minCharisma)
        return false;
    if (row.maxUses != 0 && countOf(m.useCount, rowIndex(game, row)) >= row.maxUses) return false;
    if (row.prerequisiteRow >= 1) {
        const int32_t p = row.prerequisiteRow;
        const int32_t needed = inRange(p, kMenuRows) ? game.menuTable[static_cast<size_t>(p)].maxUses : 0;
        if (countOf(m.useCount, p) < needed) return false;
    }
    if (row.requiredItem >= 1 &&
        (!inRange(row.requiredItem, kItemSlots) || m.itemCount[static_cast<size_t>(row.requiredItem)] == 0))
        return false;
    return m.level >= row.minLevel;
}

bool affordable(const MenuLayer& game, const tmenu& row) {
    return row.moneyCost < 1 || game.my.money >= row.moneyCost;
}

void layOutMenuRow(MenuLayer& game, tmenu& row) {
    if (!passesThresholds(game, row)) return;
    MenuState& menu = game.menu;
    row.shown = 1;
    row.enabled = 1;
    if (row.width == 0) row.width = kDefaultWidth;
    if (row.height == 0) row.height = kDefaultHeight;
    if (row.moneyCost >= 1) {
        row.caption += " " + moneyText(row.moneyCost);
        if (!affordable(game, row)) row.enabled = 0;
    }
    // Rows share their border line; the title and reset pages grow upward.
    row.curX = 320;
    row.targetX = 630 - row.width;
    const bool upward = row.page == kPageTitle || row.page == kPageResetConfirm ||
                        row.page == kPageResetConfirm2;
    const int64_t offset = int64_t{row.height - 1} * menu.rowsLaidOut;
    row.targetY = row.curY = saturate32(upward ? 445 - offset : 10 + offset);
    if (row.parentPage != 0) menu.backPage = row.parentPage;
    menu.rowsLaidOut += 1;
}

// One easing step: half the way plus one pixel, never past the target.
void ease(int32_t& current, int32_t target) {
    if (current < target) current = saturate32(int64_t{current} + (int64_t{target} - current) / 2 + 1);
    if (current > target) current = saturate32(int64_t{current} - (int64_t{current} - target) / 2 - 1);
}

// Whether a shown row can be chosen now. Tested afresh on every pass, money
// included: a command whose consequences all happen at once (a purchase, a
// repayment) leaves its page up without laying it out again.
bool availableNow(const MenuLayer& game, int32_t index, const tmenu& row) {
    const tmy& m = game.my;
    if (!affordable(game, row)) return false;
    if (int64_t{m.daysUsed} + row.dayCost > 365 && row.caption != "..１年を終える") return false;
    if (row.maxUses != 0 && countOf(m.useCount, index) > row.maxUses) return false;
    return !(countOf(m.usedThisYear, index) != 0 && row.page >= 10 && row.page <= 99);
}

}  // namespace

int32_t rowIndex(const MenuLayer& game, const tmenu& row) {
    return static_cast<int32_t>(&row - game.menuTable.data());
}

bool isHovered(const MenuLayer& game, const tmenu& row) {
    return game.mouseX >= row.curX && int64_t{game.mouseX} <= int64_t{row.curX} + row.width - 1 &&
           game.mouseY >= row.curY && int64_t{game.mouseY} <= int64_t{row.curY} + row.height - 2;
}

void hideAllRows(MenuLayer& game) {
    for (tmenu& row : game.menuTable) row.shown = 0;
}

void openMenuPage(MenuLayer& game, int32_t page) {
    if (page != kPageBattle) playSound(game, "1.wav");
    if (game.battle.battleState >= 1 && page != kPageBattle) return;
    hideAllRows(game);
    game.menu.backPage = kPageMain;
    buildMenuTable(game);
    game.menu.currentPage = page;
    game.menu.rowsLaidOut = 0;
    for (tmenu& row : game.menuTable)
        if (row.page == page && !row.caption.empty()) layOutMenuRow(game, row);
    if (page == kPageMain) addGreyLine(game, "何をしますか？");
    game.worldPanelDirty = 1;
}

void closeMenu(MenuLayer& game) {
    playSound(game, "1.wav");
    hideAllRows(game);
    game.menu.currentPage = kPageNone;
}

void updateMenu(MenuLayer& game) {
    if (!game.queue.empty()) return;
    MenuState& menu = game.menu;
    menu.hoveredRow = 0;
    for (int32_t i = 0; i < kMenuRows; ++i) {
        tmenu& row = game.menuTable[static_cast<size_t>(i)];
        if (row.shown != 1) continue;
        ease(row.curX, row.targetX);
        ease(row.curY, row.targetY);
        if (isHovered(game, row)) menu.hoveredRow = i;
        row.enabled = availableNow(game, i, row) ? 1 : 0;
        paintMenuRow(game, row);
    }
    if (game.clickPending >= 1) {
        game.clickPending = 0;
        if (menu.hoveredRow != 0 &&
            game.menuTable[static_cast<size_t>(menu.hoveredRow)].enabled == 1)
            game.runRowCommand(menu.hoveredRow);
    }
}

}  // namespace minamori
