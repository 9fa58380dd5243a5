// The shell around the game: start-up, the frame tick, keys and leaving.
#pragma once

#include <cstdint>

namespace minamori {

class Game;

// Start-up after the window exists: the title pictures, then the saved game.
void formCreate(Game& game);

// One tick of the frame timer at nowMs on the shell's clock: the sound repeat
// guard, the frame, the clamp while a game is on, and once a second the rate
// governor, which moves frameInterval to hold 11 to 12 frames a second.
void timerTick(Game& game, int64_t nowMs);

enum class Key { kEscape, kOther };

// Esc on either title picture offers to erase every record, clear counts included.
void formKeyDown(Game& game, Key key);

// Closes the window the way every exit does: saves the game, then asks the shell
// to close. When the save fails the player may keep the game open instead, so
// that nothing is lost; returns whether the window closes. Runs once.
bool formClose(Game& game);

}  // namespace minamori
