// The game as the script engine sees it: the view below, and the queue of
// lines waiting for the player's clicks.
#pragma once

#include "script/queue.h"
#include "view/layer.h"

namespace minamori {

struct ScriptLayer : ViewLayer {
    using ViewLayer::ViewLayer;

    MessageQueue queue;
};

}  // namespace minamori
