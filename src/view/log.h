// Adding lines to the game's message log.
#pragma once

#include <string>

namespace minamori {

struct ViewLayer;

// Adds a text in a named colour, wrapped into screen lines: every one after
// the first indented by a full-width space.
void addLogLine(ViewLayer& game, const std::string& text, const std::string& colourName);
void addGreyLine(ViewLayer& game, const std::string& text);
// Empties the log; does nothing once the window has begun to close.
void clearLog(ViewLayer& game);
// Draws the newest eight lines on cg, with the marker while script lines wait.
// moreToRead: a click will advance the script, which the newest line marks.
void drawLog(ViewLayer& game, bool moreToRead);

}  // namespace minamori
