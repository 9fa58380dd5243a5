// The rules a running game keeps after every frame, checked by the soak player
// and the fuzz targets.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/records.h"

namespace minamori {
class Game;
}

namespace soak {

// What the game breaks after a frame, one text per broken rule; empty when it
// keeps them all: the clamped figures in range once the title menu is reached,
// daysUsed 0..365, the queue without gaps, the log's 21 entries in known
// colours, every shown row a command of the current page.
std::vector<std::string> checkFrame(const minamori::Game& game);

// The part of checkFrame that the frame's clamp guarantees whatever the save
// held: the clamped figures in their ranges.
std::vector<std::string> checkClampedFigures(const minamori::Game& game);

// Saves a game and reads the save back: empty when the records read back equal
// the game's and save the same bytes again, else what differs (or why the save
// did not load). A title the file cannot hold as it is (a line break, a
// character CP932 lacks) is expected back as the file holds it. The records are
// read into a game of its own, kept from check to check (a new game costs more
// than a save), whose records are first set to values no load leaves behind.
class SaveRoundTrip {
public:
    SaveRoundTrip();
    ~SaveRoundTrip();
    std::string check(minamori::Game& game);

private:
    std::unique_ptr<minamori::Game> loaded_;
    minamori::tmy expected_;
};

// What differs between two sets of saved records (the country names are not
// saved); empty when nothing does.
std::string compareSavedRecords(minamori::tmy& expected, minamori::Countries& expectedCountries,
                                minamori::tmy& actual, minamori::Countries& actualCountries);

}  // namespace soak
