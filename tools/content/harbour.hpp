// The harbour storehouse that 1.jpg and night.jpg look past: a wall of charred
// cedar on the left, where the game writes its status, a white signboard on it
// and a stone quay along the bottom.
#pragma once

#include <cstdint>

#include "effects.hpp"
#include "image.hpp"

namespace content {

// Where the game's status panel lies: the wall must cover it.
constexpr Rect kWall{0, 0, 412, 372};
// The board lies under the growth word of the status panel, which the game
// writes after "経済成長度:" (five and a half ems of its 13-pixel panel font
// from x 2, so from x 73) on the row at y 200 to 215; the rows above and below
// stay on the wall. Its left and bottom edges lie on the JPEG's 8-pixel block
// edges, so that no ringing of the dark wall reaches into the board.
constexpr Rect kSignboard{72, 184, 232, 216};

struct HarbourLight {
    float wall = 0.05f;        // brightness of the cedar boards
    Rgb board{0.995f, 0.99f, 0.965f};
    Rgb quayLit{0.74f, 0.71f, 0.66f}, quayShade{0.34f, 0.34f, 0.36f};
    Rgb rim{0.55f, 0.55f, 0.52f};  // light caught by the corner post
};

// Paints the wall, its eave, the board and the quay over whatever lies there.
void paintHarbour(Image& img, const HarbourLight& light);

}  // namespace content
