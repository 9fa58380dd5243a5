// Painting one menu row: frame, fill with the hover pulse, and its caption;
// and the hint of its days.
#pragma once

namespace minamori {

struct MenuLayer;
struct tmenu;

void paintMenuRow(MenuLayer& game, const tmenu& row);
// The days the hovered row takes, small, beside it: left of the row, or
// inside its left end where the left would cover the log.
void paintDayHint(MenuLayer& game, const tmenu& row);

}  // namespace minamori
