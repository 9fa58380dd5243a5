// The game as the menus see it: the script engine below, and the menu table
// with the page on screen.
#pragma once

#include <cstdint>

#include "menus/menu_row.h"
#include "menus/menu_state.h"
#include "script/layer.h"

namespace minamori {

struct MenuLayer : ScriptLayer {
    using ScriptLayer::ScriptLayer;
    virtual ~MenuLayer() = default;

    MenuTable menuTable;
    MenuState menu;
    int32_t clickPending = 0;  // a left click waits for the next pass over the rows

    // The seam to what the rows do: the commands live in actions/, above the
    // menus, which only know that a row was chosen.
    virtual void runRowCommand(int32_t row) = 0;
};

}  // namespace minamori
