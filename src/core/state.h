// Making a new game and keeping the figures in range.
#pragma once

namespace minamori {

struct CoreLayer;

// Sets every figure of the player and of the four countries to its new-game value;
// the clear records, the country names and countries 4..9 stay as they are.
void newGame(CoreLayer& game);

// Holds money, danger, charisma, lifespan, hit points and the country figures in range.
void normaliseState(CoreLayer& game);

// normaliseState, and the figures that play never takes out of range but a
// hand-edited save can: the day of the year, level, 体力 and 知力, and the
// started mark, on which the title menu's rows depend.
void normaliseLoadedState(CoreLayer& game);

}  // namespace minamori
