// F12: the picture as it is on screen, any open panel included, as a PNG in
// the pictures folder. Said in the caption, never in the game's log.
#pragma once

#include <filesystem>

namespace minamori {

class Game;

// Writes the screenshot; returns where, or an empty path when it failed.
std::filesystem::path takeScreenshot(Game& game);

}  // namespace minamori
