// F1's panel: a short guide for a newcomer, every key and gamepad button, and
// where reading on by itself stops.
#pragma once

#include <string>
#include <vector>

namespace minamori {

struct ViewLayer;

// The panel's lines as written, before they are wrapped to its width.
const std::vector<std::string>& helpLines();

// How far the help can be scrolled, in screen lines.
int maxHelpScroll(ViewLayer& game);
void drawHelp(ViewLayer& game, int scroll);

}  // namespace minamori
