// The pictures of the screen: what is shown, the scene under it, the effects layer.
#pragma once

#include "view/canvas.h"
#include "view/fonts.h"

namespace minamori {

struct ViewLayer;

struct Screen {
    Canvas cg;               // the picture on screen
    Canvas bak;              // the effects layer, ORed onto cg at the end of a frame
    Canvas cgPicture;        // the current scene picture
    Canvas backgroundLayer;  // the scene with the world panel over it
    Canvas moneyIcon{0, 0};
    Pixel moneyTransparent = kBlack;  // the icon's bottom-left pixel colour
    Pixel cgTextColour = kBlack;      // the last text colour set on cg
    int framesDrawn = 0;
};

// The fonts of the screen.
constexpr FontSpec kFormFont{FontFace::kProportional, 15, true, 72};  // splits log lines
constexpr int kLogBoxWidth = 510;

// Fills cg with the picture, black where the picture does not reach.
void copyWhole(Canvas& cg, const Canvas& picture);

// Redraws the background layer: the scene picture with the world panel over it.
void rebuildBackground(ViewLayer& game);
// Loads title.bmp and money.bmp at start-up; a missing one is reported by name.
void loadStartPictures(ViewLayer& game);

}  // namespace minamori
