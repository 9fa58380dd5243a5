#include "menus/menu_painter.h"

#include "menus/layer.h"
#include "menus/navigation.h"

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

}  // namespace

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
