#include "menus/navigation.h"

#include <string>

#include "audio/sound.h"
#include "core/game.h"
#include "view/log.h"

namespace minamori {

// The page's rows are laid out once the menu table exists; until then a page
// is only its number and its back page.
void openMenuPage(Game& game, int32_t page) {
    game.callLog.push_back("openMenuPage " + std::to_string(page));
    if (page != kPageBattle) playSound(game, "1.wav");
    if (game.battle.battleState >= 1 && page != kPageBattle) return;
    game.menu.backPage = kPageMain;
    game.menu.currentPage = page;
    game.menu.rowsLaidOut = 0;
    if (page == kPageMain) addGreyLine(game, "何をしますか？");
    game.worldPanelDirty = 1;
}

void closeMenu(Game& game) {
    game.callLog.push_back("closeMenu");
    playSound(game, "1.wav");
    game.menu.currentPage = kPageNone;
}

void updateMenu(Game& game) {
    if (!game.queue.empty()) return;
    game.callLog.push_back("updateMenu");
    game.menu.hoveredRow = 0;
    // With no rows on screen a pending click is used up without effect.
    game.clickPending = 0;
}

}  // namespace minamori
