// A new game's figures and the range every figure is held to.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/state.h"
#include "game/game.h"

using namespace minamori;

TEST(NewGame, SetsStartingFiguresAndKeepsClearRecordsAndNames) {
    Game game;
    game.my.money = 777;
    game.my.level = 9;
    game.my.useCount[12] = 3;
    game.my.itemCount[2] = 1;
    game.my.titleText = "総理";
    game.my.clearCount = {1, 2, 3, 4};
    game.my.trueClearCount = {5, 6, 7, 8};
    game.my.totalClearCount = 10;
    game.countries[0].name = "日本";
    game.countries[5] = tcountry{"x", 1, 2, 3, 4};
    newGame(game);

    const tmy& m = game.my;
    EXPECT_EQ(m.daysUsed, 0);
    EXPECT_EQ(m.year, 0);
    EXPECT_EQ(m.danger, 50);
    EXPECT_EQ(m.hp, 3);
    EXPECT_EQ(m.maxHp, 3);
    EXPECT_EQ(m.money, 5);
    EXPECT_EQ(m.lifespan, 60);
    EXPECT_EQ(m.volume, -400);
    EXPECT_EQ(m.level, 0);
    EXPECT_EQ(m.useCount[12], 0);
    EXPECT_EQ(m.itemCount[2], 0);
    EXPECT_TRUE(m.titleText.empty());

    EXPECT_EQ(m.clearCount, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(m.trueClearCount, (std::array<int32_t, 4>{5, 6, 7, 8}));
    EXPECT_EQ(m.totalClearCount, 10);
    EXPECT_EQ(game.countries[0].name, "日本");
    EXPECT_EQ(game.countries[5], (tcountry{"x", 1, 2, 3, 4}));

    const int32_t start[4][4] = {{20, 590, -10, 50}, {40, 820, 7, 40}, {15, 46, 3, 80}, {150, 1560, 3, 65}};
    for (size_t c = 0; c < 4; ++c) {
        const tcountry& k = game.countries[c];
        EXPECT_EQ(k.military, start[c][0]) << c;
        EXPECT_EQ(k.gdp, start[c][1]) << c;
        EXPECT_EQ(k.growth, start[c][2]) << c;
        EXPECT_EQ(k.opinion, start[c][3]) << c;
    }
}

struct RangeCase {
    const char* what;
    int32_t* (*field)(Game&);
    int32_t set;
    int32_t expected;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.what; }

class Normalise : public ::testing::TestWithParam<RangeCase> {};

TEST_P(Normalise, HoldsFigureInRange) {
    Game game;
    newGame(game);
    const RangeCase& c = GetParam();
    *c.field(game) = c.set;
    normaliseState(game);
    EXPECT_EQ(*c.field(game), c.expected) << c.what;
    // Negative money is never turned into debt.
    EXPECT_TRUE(c.field(game) == &game.my.debt || game.my.debt == 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Normalise,
    ::testing::Values(
        RangeCase{"money high", [](Game& g) { return &g.my.money; }, 1000000000, 999999999},
        RangeCase{"money low", [](Game& g) { return &g.my.money; }, -7, 0},
        RangeCase{"hp negative", [](Game& g) { return &g.my.hp; }, -2, 0},
        RangeCase{"danger high", [](Game& g) { return &g.my.danger; }, 130, 120},
        RangeCase{"danger low", [](Game& g) { return &g.my.danger; }, -1, 0},
        RangeCase{"growth high", [](Game& g) { return &g.countries[1].growth; }, 75, 60},
        RangeCase{"growth low", [](Game& g) { return &g.countries[2].growth; }, -75, -60},
        RangeCase{"opinion low", [](Game& g) { return &g.countries[3].opinion; }, -5, 0},
        RangeCase{"opinion high", [](Game& g) { return &g.countries[0].opinion; }, 101, 100},
        RangeCase{"charisma", [](Game& g) { return &g.my.charisma; }, -3, 0},
        RangeCase{"lifespan", [](Game& g) { return &g.my.lifespan; }, -1, 0},
        RangeCase{"gdp", [](Game& g) { return &g.countries[0].gdp; }, -9, 0},
        RangeCase{"military", [](Game& g) { return &g.countries[1].military; }, -9, 0},
        RangeCase{"level free", [](Game& g) { return &g.my.level; }, -4, -4},
        RangeCase{"debt free", [](Game& g) { return &g.my.debt; }, 2000000000, 2000000000},
        RangeCase{"maxHp free", [](Game& g) { return &g.my.maxHp; }, 123456, 123456},
        RangeCase{"hp above maxHp", [](Game& g) { return &g.my.hp; }, 10, 3}));
