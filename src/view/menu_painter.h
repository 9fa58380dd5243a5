// Painting one menu row: frame, fill with the hover pulse, and its caption.
#pragma once

namespace minamori {

class Game;
struct tmenu;

void paintMenuRow(Game& game, const tmenu& row);

}  // namespace minamori
