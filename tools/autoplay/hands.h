// The player's hands on the game: they click shown, enabled rows, click the
// queued lines through, fight battles and answer the miracle prompts, all by
// the driver's commands. They read the game to see what is on screen and
// never change it any other way.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "autoplay.h"

namespace minamori {
class Game;
class HeadlessDriver;
}  // namespace minamori

namespace minamori::autoplay {

// How a game ended, read on the morning that ended it.
struct Ending {
    Outcome outcome = Outcome::kLimit;
    int year = 0;
    int danger = 0;
    int level = 0;
};

class Hands {
public:
    // Every command run is appended to record, when given.
    explicit Hands(HeadlessDriver& driver, std::vector<std::string>* record = nullptr);

    const Game& game() const;

    // Runs one driver command; anything but "ok" is an error.
    void run(const std::string& command);

    // The title pictures, then the title menu (page 5).
    void passTitle();

    // Whether the row is on the page on screen and may be chosen.
    bool offered(int row) const;

    // Chooses an offered row, then plays out what follows: queued lines,
    // battles, prompts. A miracle's confirmation is answered yes.
    void choose(int row);

    // Opens a page of the main menu (10, 20, 30, 40 or 50) or the main menu
    // itself (1). False when the page's main-menu row is not offered.
    bool openPage(int page);

    // Right click: back to the page's back page.
    void back();

    // How much a win of the current battle is worth against a defeat's cost of 1.
    void setWinWorth(double worth) { winWorth_ = worth; }

    // Set once a morning ended the game.
    const std::optional<Ending>& ending() const { return ending_; }
    bool closed() const;

    int ticks() const { return ticks_; }
    // How many driver commands of each kind ("row", "click", "tick", ...) were run.
    const std::map<std::string, int>& commandCounts() const { return commands_; }
    // Battles so far: won, lost, run away from.
    int wins() const { return wins_; }
    int losses() const { return losses_; }
    int escapes() const { return escapes_; }

private:
    void settle(int row);
    void resolve();
    void clickLine();
    void fightTurn();

    HeadlessDriver& driver_;
    std::vector<std::string>* record_;
    std::optional<Ending> ending_;
    double winWorth_ = 1;
    int ticks_ = 0;
    int wins_ = 0, losses_ = 0, escapes_ = 0;
    std::map<std::string, int> commands_;
};

}  // namespace minamori::autoplay
