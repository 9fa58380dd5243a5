// The desktop shell: one 640 x 480 window, its events and the frame timer.
#pragma once

#include <filesystem>
#include <string>

namespace minamori {

// Runs the game with its data in dataDir until the window closes; returns the
// process exit code. Prints a one-line error and fails when there is no display.
int runDesktopGame(const std::filesystem::path& dataDir);

}  // namespace minamori
