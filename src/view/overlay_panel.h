// The frame every full-picture panel stands in (the history, the help, the
// preferences): the picture dimmed to an eighth behind a grey frame, a heading
// at the top and a hint at the bottom saying how the panel is used and closed.
#pragma once

#include <string>

#include "view/canvas.h"
#include "view/fonts.h"

namespace minamori {

class TextPainter;

constexpr FontSpec kPanelFont{FontFace::kFixed, 10, true};
constexpr int kPanelLeft = 10, kPanelTop = 10, kPanelRight = 630, kPanelBottom = 470;
constexpr int kPanelLinePitch = 16;
constexpr int kPanelFirstLineY = 34;  // the top of the first line under the heading
constexpr Pixel kPanelHeading = 0xFFFFFF;
constexpr Pixel kPanelHint = 0xA0A0A0;
constexpr Pixel kPanelText = 0xC0C0C0;

void drawPanelFrame(TextPainter& text, Canvas& cg, const std::string& heading,
                    const std::string& hint);

}  // namespace minamori
