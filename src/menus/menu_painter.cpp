#include "menus/menu_painter.h"

#include <string>

#include "menus/layer.h"
#include "menus/navigation.h"
#include "view/screen.h"

namespace minamori {

namespace {

// The fill of the row under the pointer pulses over eight frames.
Pixel hoverFill(int32_t animFrame) {
    static const Pixel kPulse[8] = {0x555555, 0x444444, 0x333333, 0x222222,
                                    0x000000, 0x222222, 0x333333, 0x444444};
    return kPulse[animFrame % 8];
}

Pixel captionColour(const tmenu& row) {
    static const Pixel kClassColours[5] = {0xFFFFFF, 0xCCBBFF, 0xFFBBCC, 0x778899, 0x997777};
    if (row.enabled == 0) return row.colourClass == 1 ? 0x555566 : 0x808080;
    return inRange(row.colourClass, 5) ? kClassColours[row.colourClass] : 0xFFFFFF;
}

constexpr FontSpec kHintFont{FontFace::kProportional, 9, true};
constexpr Pixel kHintText = 0xE0E0A0;
constexpr Pixel kHintFrame = 0x606060;
// The log's lines stand below this and left of kLogBoxWidth.
constexpr int kLogTop = 318;

}  // namespace

void paintDayHint(MenuLayer& game, const tmenu& row) {
    const std::string hint = std::to_string(row.dayCost) + "日";
    const int width = game.text.textWidth(hint, kHintFont) + 6;
    const int height = game.text.lineHeight(kHintFont) + 2;
    const int y = row.curY + (row.height - height) / 2;
    int x = row.curX - width - 4;
    if (x < 0 || (y + height > kLogTop && x < kLogBoxWidth + 2)) x = row.curX + 3;
    Canvas& cg = game.screen.cg;
    cg.penColour = kHintFrame;
    cg.penWidth = 1;
    cg.brushColour = kBlack;
    cg.brushClear = false;
    cg.rectangle(x, y, x + width, y + height);
    game.text.draw(cg, x + 3, y + 1, hint, kHintFont, kHintText);
}

void paintMenuRow(MenuLayer& game, const tmenu& row) {
    Canvas& cg = game.screen.cg;
    const Pixel fill = isHovered(game, row) ? hoverFill(game.animFrame) : kBlack;
    cg.penColour = 0x808080;
    cg.penWidth = 1;
    cg.brushColour = fill;
    cg.brushClear = false;
    cg.rectangle(row.curX, row.curY, row.curX + row.width, row.curY + row.height);

    // The caption shrinks from size 12 down to 8 until it fits the row.
    FontSpec font{FontFace::kProportional, 12, true};
    int width = game.text.textWidth(row.caption, font);
    while (font.size > 8 && width >= row.width - 5) {
        font.size -= 1;
        width = game.text.textWidth(row.caption, font);
    }
    const int height = game.text.lineHeight(font);
    const Pixel colour = captionColour(row);
    game.screen.cgTextColour = colour;
    game.text.draw(cg, row.curX + row.width - width - 8, row.curY + (row.height - height) / 2,
                   row.caption, font, colour, fill);
}

}  // namespace minamori
