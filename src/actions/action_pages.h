// The commands of the menu pages the executor hands a chosen row to.
#pragma once

#include <cstdint>

namespace minamori {

struct ActionLayer;

// Pages 1 to 4: the main menu, the quit confirmation, OPTION and SOUND.
void runMainMenu(ActionLayer& game, int32_t slot);
void runQuitPage(ActionLayer& game, int32_t slot);
void runOptionPage(ActionLayer& game, int32_t slot);
void runSoundPage(ActionLayer& game, int32_t slot);

// Pages 5 to 7: the title menu and the two reset confirmations.
void runTitlePage(ActionLayer& game, int32_t slot);
void runFirstResetConfirm(ActionLayer& game, int32_t slot);
void runSecondResetConfirm(ActionLayer& game, int32_t slot);

// Page 10: one grassroots activity; row is the menu row that was chosen.
void runActivity(ActionLayer& game, int32_t row, int32_t slot);

// Page 20: one policy.
void runPolicy(ActionLayer& game, int32_t row, int32_t slot);
// Pages 30 and 40: diplomacy and the military.
void runDiplomacy(ActionLayer& game, int32_t row, int32_t slot);
void runMilitary(ActionLayer& game, int32_t row, int32_t slot);
// Page 50: a miracle, or a purchase from the shop.
void runMiracle(ActionLayer& game, int32_t row, int32_t slot);

}  // namespace minamori
