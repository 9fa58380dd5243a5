// The commands of the menu pages the executor hands a chosen row to.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// Pages 1 to 4: the main menu, the quit confirmation, OPTION and SOUND.
void runMainMenu(Game& game, int32_t slot);
void runQuitPage(Game& game, int32_t slot);
void runOptionPage(Game& game, int32_t slot);
void runSoundPage(Game& game, int32_t slot);

// Pages 5 to 7: the title menu and the two reset confirmations.
void runTitlePage(Game& game, int32_t slot);
void runFirstResetConfirm(Game& game, int32_t slot);
void runSecondResetConfirm(Game& game, int32_t slot);

// Page 10: one grassroots activity; row is the menu row that was chosen.
void runActivity(Game& game, int32_t row, int32_t slot);

// Page 20: one policy.
void runPolicy(Game& game, int32_t row, int32_t slot);
// Pages 30 and 40: diplomacy and the military.
void runDiplomacy(Game& game, int32_t row, int32_t slot);
void runMilitary(Game& game, int32_t row, int32_t slot);
// Page 50: a miracle, or a purchase from the shop.
void runMiracle(Game& game, int32_t row, int32_t slot);

}  // namespace minamori
