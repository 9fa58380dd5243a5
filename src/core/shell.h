// The shell around the game: start-up, the frame tick, keys and leaving.
#pragma once

namespace minamori {

class Game;

// Start-up after the window exists: loads the saved game.
void formCreate(Game& game);

// One tick of the frame timer, without the rate governor: the sound repeat guard,
// the frame counters, and the clamp while a game is on.
void frameTick(Game& game);

enum class Key { kEscape, kOther };

// Esc on either title picture offers to erase every record, clear counts included.
void formKeyDown(Game& game, Key key);

// Closes the window the way every exit does: saves the game, then asks the shell
// to close. Runs once; later calls do nothing.
void formClose(Game& game);

}  // namespace minamori
