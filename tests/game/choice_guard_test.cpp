// A page that comes up under a pointer still clicking takes no choice until
// the player points afresh; the three ways a player lost a year, money or an
// election that way.
#include "game/choice_guard.h"

#include "game/game.h"
#include "game/played_game.h"

namespace {

using minamori::kPageBattle;
using minamori::kPageMain;

class ChoiceGuard : public mtest::PlayedGame {};

// The morning's lines clicked through with the pointer resting on
// ..１年を終える: one click too many must not end the new year.
TEST_F(ChoiceGuard, AClickTooManyAfterTheMorningEndsNoYear) {
    startGame();
    const std::string endYear = rowPoint(9);
    ok("row 9");
    ASSERT_GT(clickThroughAt(endYear), 3);
    ASSERT_EQ(game().menu.currentPage, kPageMain);
    const int32_t year = game().my.year;
    ok("click " + endYear);
    ok("key enter");
    EXPECT_TRUE(game().queue.empty());
    EXPECT_EQ(game().my.year, year);
    // Moving the mouse, however little, is pointing afresh.
    ok("move " + endYear);
    ok("click " + endYear);
    EXPECT_FALSE(game().queue.empty());
}

// A double click on 外交: the second click lands on the diplomacy page's
// first trip, which costs money and a month.
TEST_F(ChoiceGuard, ADoubleClickRunsNoRowOfThePageItOpens) {
    startGame();
    const std::string diplomacy = rowPoint(3);
    ok("row 3");
    ASSERT_EQ(game().menu.currentPage, minamori::kPageDiplomacy);
    const int32_t money = game().my.money, days = game().my.daysUsed;
    ok("click " + diplomacy);
    ok("tick 3");
    ok("click " + diplomacy);
    EXPECT_EQ(game().my.money, money);
    EXPECT_EQ(game().my.daysUsed, days);
    EXPECT_TRUE(game().queue.empty());
    // Half a second after the rows stand still the page takes clicks again.
    ok("tick 12");
    EXPECT_FALSE(minamori::guardHoldsClick(game()));
}

// Clicking through a battle's blows with the pointer where 逃げる comes up.
TEST_F(ChoiceGuard, AClickToGoOnInABattleDoesNotFlee) {
    startGame();
    ok("set hp 9999");
    ok("set maxHp 9999");
    ok("push battle8");
    ok("click 1 1");
    ok("tick 12");
    ASSERT_EQ(game().menu.currentPage, kPageBattle);
    const std::string flee = rowPoint(809);
    ok("row 800");  // 攻撃
    int clicks = 0;
    while (game().battle.battleState >= 2 && clicks++ < 50) ok("click " + flee);
    ASSERT_EQ(game().battle.battleState, 1) << "the battle ended in one blow";
    ok("click " + flee);
    EXPECT_EQ(game().battle.battleState, 1);
    EXPECT_EQ(game().menu.currentPage, kPageBattle);
    // An arrow key choosing a row is pointing afresh too.
    ok("key down");
    EXPECT_FALSE(minamori::guardHoldsClick(game()));
}

}  // namespace
