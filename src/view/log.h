// Adding lines to the game's message log.
#pragma once

#include <string>

namespace minamori {

class Game;

// Adds a text in a named colour, wrapped into screen lines: every one after
// the first indented by a full-width space.
void addLogLine(Game& game, const std::string& text, const std::string& colourName);
void addGreyLine(Game& game, const std::string& text);
// Empties the log; does nothing once the window has begun to close.
void clearLog(Game& game);
// Draws the newest eight lines on cg, with the marker while script lines wait.
void drawLog(Game& game);

}  // namespace minamori
