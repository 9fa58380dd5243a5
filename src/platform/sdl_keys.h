// The keyboard and the mouse wheel of SDL in the game's terms.
#pragma once

#include <SDL.h>

#include "core/shell.h"

namespace minamori {

// The game's key for an SDL key press.
Key keyFromSdl(SDL_Keycode code);
// Whether a key held down repeats: scrolling and moving between rows do; a
// click from the keyboard takes a fresh press.
bool keyRepeats(Key key);
// Wheel steps away from the player, whatever the system's scrolling direction.
int32_t wheelSteps(const SDL_MouseWheelEvent& wheel);
// Puts the system's pointer where a key put the game's pointer.
void followPointer(SDL_Window* window, int32_t x, int32_t y);

}  // namespace minamori
