// The desktop shell: one window showing the 640 x 480 picture, its events and
// the frame timer.
#pragma once

#include <optional>

#include "core/game_paths.h"

namespace minamori {

// Runs the game with its content and saves at paths until the window closes;
// returns the process exit code. Prints a one-line error and fails when there
// is no display. A fullscreen given overrides, for this run, whether the
// preferences start the game fullscreen.
int runDesktopGame(const GamePaths& paths, std::optional<bool> fullscreen = std::nullopt);

}  // namespace minamori
