// Making a new game and keeping the figures in range.
#pragma once

#include <cstdint>

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

// The sound effects' volume, in hundredths of a decibel: the SOUND page's steps.
constexpr int32_t kQuietestVolume = -4000;
constexpr int32_t kLoudestVolume = 0;
constexpr int32_t kVolumeStep = 400;
// volume moved by step, held at the end it moves towards.
int32_t steppedVolume(int32_t volume, int32_t step);

}  // namespace minamori
