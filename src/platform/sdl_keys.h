// The keyboard and the mouse wheel of SDL in the game's terms.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace minamori {

class Game;

class SdlVideo;

// Hands a key press to the game; when the key moved the game's pointer, the
// system's pointer follows. Held keys repeat only for moving and scrolling:
// a click from the keyboard takes a fresh press.
void keyPressed(Game& game, SdlVideo& video, const SDL_KeyboardEvent& e);
void keyReleased(Game& game, const SDL_KeyboardEvent& e);
// F11 and Alt+Enter switch fullscreen; they are no keys of the game.
bool isFullscreenKey(const SDL_KeyboardEvent& key);
// Wheel steps away from the player, whatever the system's scrolling direction.
int32_t wheelSteps(const SDL_MouseWheelEvent& wheel);

}  // namespace minamori
