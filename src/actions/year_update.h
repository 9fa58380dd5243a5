// The change of year: the calendar, clear and game over, and the world update.
#pragma once

namespace minamori {

struct ActionLayer;

// The year-end command of the main menu: restores HP, shows the night and
// queues the change of year.
void endYear(ActionLayer& game);

// Advances to the next year and queues its news.
void yearlyUpdate(ActionLayer& game);

}  // namespace minamori
