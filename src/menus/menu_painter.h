// Painting one menu row: frame, fill with the hover pulse, and its caption.
#pragma once

namespace minamori {

struct MenuLayer;
struct tmenu;

void paintMenuRow(MenuLayer& game, const tmenu& row);

}  // namespace minamori
