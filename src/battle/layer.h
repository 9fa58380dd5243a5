// The game as the battle sees it: the menus below, whose battle page it opens
// and leaves. The battle's record lies in core/, where the menus and the
// panels read it; the battle adds nothing of its own.
#pragma once

#include "menus/layer.h"

namespace minamori {

struct BattleLayer : MenuLayer {
    using MenuLayer::MenuLayer;
};

}  // namespace minamori
