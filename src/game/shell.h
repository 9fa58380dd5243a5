// The shell around the game: start-up, the frame tick, keys and leaving.
#pragma once

#include <cstdint>

#include "view/keys.h"

namespace minamori {

class Game;

// Start-up after the window exists: the title pictures, then the saved game.
void formCreate(Game& game);

// One tick of the frame timer at nowMs on the shell's clock: the sound repeat
// guard, the frame, the clamp while a game is on, and once a second the rate
// governor, which moves frameInterval to hold 11 to 12 frames a second.
void timerTick(Game& game, int64_t nowMs);

// A key press. An open overlay (the message history) takes every key. Else Esc
// on either title picture offers to erase every record, clear counts included;
// Up and Down put the pointer on the previous or next choosable menu row;
// Enter and Space are a left click at the pointer, Backspace a right click;
// Page Up opens the message history; A turns auto-advance on and off; Ctrl
// and Tab fast-forward while held. Returns whether the pointer moved, so
// that the window can move the system's pointer there too.
bool formKeyDown(Game& game, Key key);
// A key let go: only the held keys (fast-forward) care.
void formKeyUp(Game& game, Key key);
// The window lost the keyboard: no key stays held.
void releaseHeldKeys(Game& game);

// The pointer on the picture. While an overlay is open the game does not see
// it: a click closes the overlay and goes no further, moves are held back.
void cgMouseDown(Game& game, int32_t x, int32_t y, bool rightButton);
void cgMouseMove(Game& game, int32_t x, int32_t y);
void cgMouseUp(Game& game);
// The mouse wheel turned by steps (above 0 away from the player): turning it
// up opens the message history, which it then scrolls.
void cgMouseWheel(Game& game, int32_t steps);

// Closes the window the way every exit does: saves the game, then asks the shell
// to close. When the save fails the player may keep the game open instead, so
// that nothing is lost; returns whether the window closes. Runs once.
bool formClose(Game& game);

}  // namespace minamori
