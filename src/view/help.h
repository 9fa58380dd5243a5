// F1's panel: a short guide for a newcomer, every key and gamepad button, and
// where reading on by itself stops.
#pragma once

namespace minamori {

struct ViewLayer;

// How far the help can be scrolled, in screen lines.
int maxHelpScroll(ViewLayer& game);
void drawHelp(ViewLayer& game, int scroll);

}  // namespace minamori
