// The game as the commands see it: everything below them, and the rows'
// commands for the menus to run.
#pragma once

#include <cstdint>

#include "battle/layer.h"

namespace minamori {

struct ActionLayer : BattleLayer {
    using BattleLayer::BattleLayer;

    void runRowCommand(int32_t row) override;

    // The seam to the shell above: closes the window the way every exit does,
    // saving first. Returns whether the window closes.
    virtual bool closeGame() = 0;
};

}  // namespace minamori
