// The window's caption: the game's name, the keys, and what runs by itself.
#pragma once

#include <string>

namespace minamori {

class Game;

std::string windowCaption(const Game& game);
// Gives the window its caption when it has changed.
void updateCaption(Game& game);
// The first game's main menu says once, in the caption, that F1 explains the
// game; it is seen when F1 is pressed or the menu left.
void helpHintSeen(Game& game);

// A word to the player in the caption for three seconds, never in the log.
void showNotice(Game& game, const std::string& text);

}  // namespace minamori
