// The random encounter after an activity: whom it can draw, in what order, and
// never behind a battle already queued.
#include <limits>
#include <set>

#include "actions/encounter.h"
#include "core/random.h"
#include "executor_fixture.h"

using namespace minamori;

namespace {

class RandomEncounter : public mtest::ActionTest {
protected:
    // The opponents met in many rolls at a level; fights counts the rolls that fought.
    std::set<int32_t> opponentsMet(int32_t level, int rolls, int* fights = nullptr) {
        game.my.level = level;
        std::set<int32_t> met;
        for (int i = 0; i < rolls; ++i) {
            game.queue.clearQueue();
            rollRandomEncounter(game);
            if (game.queue.empty()) continue;
            if (fights) ++*fights;
            met.insert(std::stoi(game.queue.headLine().substr(6)));
        }
        return met;
    }
};

TEST_F(RandomEncounter, MeetsOnlyOrdinaryOpponentsUpToLevelPlusOne) {
    int fights = 0;
    EXPECT_EQ(opponentsMet(3, 2000, &fights), (std::set<int32_t>{1, 2, 3, 4}));
    EXPECT_GT(fights, 300);  // one time in five
    EXPECT_LT(fights, 500);
    EXPECT_EQ(opponentsMet(0, 300), std::set<int32_t>{1});
    std::set<int32_t> ordinary;
    for (int32_t n = 1; n <= 15; ++n) ordinary.insert(n);
    EXPECT_EQ(opponentsMet(60, 3000), ordinary);
    // Levels from a damaged save still end.
    EXPECT_EQ(opponentsMet(-7, 100), std::set<int32_t>{1});
    EXPECT_EQ(opponentsMet(std::numeric_limits<int32_t>::max(), 1000), ordinary);
}

TEST_F(RandomEncounter, DrawsTheOpponentBeforeDecidingToFight) {
    game.my.level = 5;
    for (int i = 0; i < 50; ++i) {
        game.queue.clearQueue();
        Random probe = game.rng;
        int32_t n = 0;
        do {
            n = probe.R(7);
        } while (n == 0);
        const bool fight = probe.R(5) == 0;
        rollRandomEncounter(game);
        EXPECT_EQ(game.queue.headLine(), fight ? "battle" + std::to_string(n) : "");
        EXPECT_EQ(game.rng.R(1000), probe.R(1000));  // nothing more was drawn
    }
}

TEST_F(RandomEncounter, NothingIsDrawnBehindAQueuedBattle) {
    game.battle.stakes.winElection = 2;
    game.queue.pushLine("見事合格しました!!");
    game.queue.pushLine("battle71");
    for (int i = 0; i < 30; ++i) {
        Random probe = game.rng;
        rollRandomEncounter(game);
        EXPECT_EQ(game.rng.R(1000), probe.R(1000));
    }
    EXPECT_EQ(game.queue.size(), 2);
    EXPECT_EQ(game.battle.stakes.winElection, 2);  // the pending battle keeps what it wins
}

TEST_F(RandomEncounter, EveryActivityEndsWithTheRoll) {
    int fights = 0;
    for (int i = 0; i < 200; ++i) {
        game.queue.clearQueue();
        run(322);  // 家の前の掃除: three lines of its own, no draw
        if (game.queue.size() == 4) ++fights;
    }
    EXPECT_GT(fights, 15);
    EXPECT_LT(fights, 70);
}

}  // namespace
