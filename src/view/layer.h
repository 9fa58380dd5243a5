// The game as the view sees it: the sound below, and everything on the
// picture: the log and its history, the overlays, the effects, the panels'
// figures, the text engine and the pointer.
#pragma once

#include <cstdint>
#include <string>

#include "audio/layer.h"
#include "view/effects.h"
#include "view/fonts.h"
#include "view/history.h"
#include "view/message_log.h"
#include "view/overlay.h"
#include "view/panels.h"
#include "view/screen.h"
#include "view/text.h"

namespace minamori {

struct ViewLayer : AudioLayer {
private:
    BoxFontEngine boxFonts_;  // before text, which may measure with it

public:
    ViewLayer(Services services, GamePaths paths, uint64_t seed);

    MessageLog log;
    MessageHistory history;  // the log's lines for reading back; not saved
    OverlayState overlay;
    Effects effects;
    Screen screen;
    TextPainter text;
    DisplayedValues displayed;
    std::string sceneName;  // the file name of the scene picture on screen
    int32_t worldPanelDirty = 0;
    int32_t animFrame = 0;
    int32_t mouseX = 0, mouseY = 0;  // the pointer on the picture
};

}  // namespace minamori
