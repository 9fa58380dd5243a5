// The choices of a careful player: what to do next in the year, and when to
// end it.
#pragma once

#include <iosfwd>
#include <map>
#include <set>
#include <vector>

#include "book.h"

namespace minamori {
class Game;
}

namespace minamori::autoplay {

class Hands;

// How much the player cares for each kind of gain at this moment, in points
// of value per unit.
struct Weights {
    double level = 0, vit = 0, intl = 0, toku = 0;  // per experience point
    double money = 0;                               // per 100万円
    double danger = 0;                              // per % taken off
    double yoron = 0, foreign = 0, usa = 0;         // per opinion point
    double growth = 0;                              // per 兆円 of growth
    double hp = 0;                                  // per HP restored
};

class Strategy {
public:
    Strategy(Hands& hands, std::ostream* trace);

    // Plays the year on screen, from the morning's main menu, and ends it.
    void playYear();

private:
    struct Choice {
        int row = 0;
        double score = 0;
    };

    Weights weigh() const;
    // The next title to win: an election or a minister post; 0 when all are held.
    int nextGoal() const;
    // Whether the title's thresholds are all met or one short.
    bool nearly(int goal) const;
    // Money kept back for the next title once it is within reach.
    int reserve() const;
    // Whether the row would be offered and could be chosen now, judged from
    // the rules of the menus.
    bool available(int row) const;
    // What choosing the row is worth now; days is set to the days it is
    // expected to take. depth 0 is a row on offer; rows it opens or brings up
    // on its page are valued at depth 1 and 2.
    double value(int row, const Weights& w, int& days, int depth = 0);
    // The money wanted soon: the next title once within reach and the cheap
    // shop goods the level allows or nearly allows.
    int shoppingList() const;
    // Whether a row against the danger, or for lifespan, costs more than the money held.
    bool wantsMore() const;
    // The best of the rows laid out below the picture on the page.
    double hiddenWorth(int page, const Weights& w);
    double battleWorth(int opponent, const Weights& w, double stakes);
    double encounterWorth(const Weights& w);
    double odds(int opponent);
    Choice best(const Weights& w);
    bool goalFirst();
    bool perform(int row, double winWorth = 1);
    void endYear();

    Hands& hands_;
    const Game& g_;
    std::ostream* trace_;
    std::set<int> refused_;                     // rows found not offered this year
    std::map<int, double> odds_;                // battle odds for the current state
    std::map<int, double> hidden_;              // hiddenWorth for the current state
    std::vector<std::vector<int>> dependents_;  // by row: the rows it opens
    int commands_ = 0;                          // rows chosen so far, page rows aside
};

}  // namespace minamori::autoplay
