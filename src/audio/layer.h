// The game as the sound sees it: the ground, and what is playing.
#pragma once

#include "audio/sound.h"
#include "core/layer.h"

namespace minamori {

struct AudioLayer : CoreLayer {
    using CoreLayer::CoreLayer;

    SoundState sound;
};

}  // namespace minamori
