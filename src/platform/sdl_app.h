// The desktop shell: one window showing the 640 x 480 picture, its events and
// the frame timer.
#pragma once

#include "core/game_paths.h"

namespace minamori {

// Runs the game with its content and saves at paths until the window closes;
// returns the process exit code. Prints a one-line error and fails when there
// is no display.
int runDesktopGame(const GamePaths& paths);

}  // namespace minamori
