// What a player knows of the menus: which rows a page lays out when it opens,
// where they land, and which of them can be chosen. The rules are read from
// the rows and the game as they stand; nothing is changed.
#pragma once

namespace minamori {
class Game;
}

namespace minamori::autoplay {

// Whether the row's page would lay it out now: its caption survived the last
// build of the table and its thresholds (opinion, stats, uses, prerequisite,
// item, level) are met.
bool rowPasses(const Game& game, int row);

// The y of the row's centre line once its page is laid out, or -1 when the
// page would not lay it out.
int rowCentreY(const Game& game, int row);

// Whether the row would lie inside the picture, where a click can reach it.
bool rowInPicture(const Game& game, int row);

// Whether the row could be chosen now from its page: laid out inside the
// picture, affordable, within the year's days and not yet used this year.
bool rowChoosable(const Game& game, int row);

}  // namespace minamori::autoplay
