// The preferences: P's panel, settings.ini, and the window and music they set.
// The sound effects' volume is the game's own figure (the SOUND page's, kept
// in the save); everything else is kept in settings.ini, never in the save.
#pragma once

#include "view/keys.h"

namespace minamori {

class Game;

// At start-up: reads settings.ini and applies it to the music and the window.
void loadPreferences(Game& game);
void openPreferences(Game& game);
// A key while the panel is open.
void preferencesKey(Game& game, Key key);
// The window changed by itself (F11): remembered for the next start.
void windowChanged(Game& game, int factor, bool fullscreen);
// Writes settings.ini; a failure is said in the caption, play goes on.
void savePreferences(Game& game);

}  // namespace minamori
