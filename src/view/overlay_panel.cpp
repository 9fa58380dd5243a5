#include "view/overlay_panel.h"

#include "view/text.h"

namespace minamori {

void drawPanelFrame(TextPainter& text, Canvas& cg, const std::string& heading,
                    const std::string& hint) {
    // Dim enough that the picture's own texts do not stand out against the panel's.
    for (Pixel& p : cg.pixels()) p = (p >> 3) & 0x1F1F1F;
    cg.penColour = 0x808080;
    cg.penWidth = 1;
    cg.brushClear = true;
    cg.rectangle(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom);
    cg.brushClear = false;
    text.draw(cg, kPanelLeft + 8, kPanelTop + 5, heading, kPanelFont, kPanelHeading);
    text.draw(cg, kPanelLeft + 8, kPanelBottom - 20, hint, kPanelFont, kPanelHint);
}

}  // namespace minamori
