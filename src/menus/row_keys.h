// Choosing menu rows from the keyboard: the pointer jumps from row to row.
#pragma once

namespace minamori {

struct MenuLayer;

// Puts the pointer on the middle of the next (direction 1) or previous (-1)
// enabled row of the page on screen, in screen order from top to bottom. From
// a pointer on no row, the next is the top row and the previous the bottom one;
// past either end it wraps round. Rows are taken at their final places, so this
// works while they slide in. Returns whether the pointer moved: nothing moves
// while script lines wait, as the rows are not on screen then.
bool pointToAdjacentRow(MenuLayer& game, int direction);

}  // namespace minamori
