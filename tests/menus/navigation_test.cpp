// Menu navigation: the day budget and the once-a-year rule greying rows, the
// back pages of a right click, clicks on grey rows, costs shown after captions,
// and the pages that grow upward.
#include <gtest/gtest.h>

#include "audio/sound.h"
#include "core/state.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "menus/navigation.h"

namespace {

using minamori::Game;
using minamori::tmenu;

class Navigation : public ::testing::Test {
protected:
    Game game;
    void SetUp() override {
        minamori::newGame(game);
        game.titleStage = 0;
        game.inGame = 1;
        game.my.gameStarted = 1;
        game.my.vitality = game.my.intelligence = game.my.charisma = 3;
    }
    const tmenu& row(int n) const { return game.menuTable[static_cast<size_t>(n)]; }
    // Opens a page and lets its rows slide to their places.
    void open(int page) {
        minamori::openMenuPage(game, page);
        for (int i = 0; i < 12; ++i) minamori::updateMenu(game);
    }
    void clickOn(int n) {
        const tmenu& r = row(n);
        minamori::onGameClick(game, r.curX + 5, r.curY + 5, false);
    }
};

TEST_F(Navigation, DayBudgetGreysLongActivitiesButNotTheYearEnd) {
    game.my.daysUsed = 360;
    open(10);
    EXPECT_EQ(row(321).shown, 1);  // 神社の清掃, 7 days
    EXPECT_EQ(row(321).enabled, 0);
    EXPECT_EQ(row(322).enabled, 1);  // 家の前の掃除, 1 day
    open(1);
    EXPECT_EQ(row(9).caption, "..１年を終える");
    EXPECT_EQ(row(9).enabled, 1);
}

TEST_F(Navigation, AnActivityIsGreyForTheRestOfTheYearButSystemRowsAreNot) {
    game.my.usedThisYear[322] = 1;
    game.my.usedThisYear[10] = 1;
    open(10);
    EXPECT_EQ(row(322).shown, 1);
    EXPECT_EQ(row(322).enabled, 0);
    open(1);
    EXPECT_EQ(row(10).enabled, 1);  // OPTION

    // A click on the grey row is used up; moving onto a row later triggers nothing.
    open(10);
    const int32_t days = game.my.daysUsed;
    clickOn(322);
    EXPECT_EQ(game.my.daysUsed, days);
    EXPECT_EQ(game.clickPending, 0);
    game.mouseX = row(321).curX + 5;
    game.mouseY = row(321).curY + 5;
    minamori::updateMenu(game);
    EXPECT_EQ(game.my.useCount[321], 0);
}

TEST_F(Navigation, RightClickGoesToTheBackPage) {
    open(4);
    EXPECT_EQ(game.menu.backPage, 3);
    minamori::onGameClick(game, 10, 10, true);
    EXPECT_EQ(game.menu.currentPage, 3);
    minamori::onGameClick(game, 10, 10, true);
    EXPECT_EQ(game.menu.currentPage, 1);
    minamori::onGameClick(game, 10, 10, true);  // page 1 is its own back page
    EXPECT_EQ(game.menu.currentPage, 1);
    for (int page : {6, 7}) {
        open(page);
        EXPECT_EQ(game.menu.backPage, 5) << page;
    }
    open(5);
    minamori::onGameClick(game, 10, 10, true);
    EXPECT_EQ(game.menu.currentPage, 5);
    open(4);
    game.battle.battleState = 1;  // not during a battle
    minamori::onGameClick(game, 10, 10, true);
    EXPECT_EQ(game.menu.currentPage, 4);
}

TEST_F(Navigation, UnaffordableRowsAreOfferedGreyWithTheirCost) {
    game.my.money = 0;
    game.my.vitality = 1;
    open(10);
    EXPECT_EQ(row(301).caption, "ボランティア 200万円");
    EXPECT_EQ(row(301).shown, 1);
    EXPECT_EQ(row(301).enabled, 0);
}

// A purchase settles at once and leaves the page up: the rows it can no longer
// pay for go grey on the same page, and money never goes below 0.
TEST_F(Navigation, SpendingOnAPageGreysTheRowsItCanNoLongerPayFor) {
    game.my.money = 3;
    game.my.useCount[328] = 9;  // 日章旗 is sold after nine visits to 靖国神社
    game.my.itemCount[2] = 1;   // and the demonstration needs this item
    open(10);
    ASSERT_EQ(row(326).enabled, 1);
    ASSERT_EQ(row(306).enabled, 1);  // 保守系デモ参加, 3
    clickOn(326);                    // 日章旗を買う, 1
    EXPECT_EQ(game.my.money, 2);
    ASSERT_TRUE(game.queue.empty());
    minamori::updateMenu(game);
    EXPECT_EQ(row(306).enabled, 0);
    clickOn(306);
    EXPECT_EQ(game.my.money, 2);
    EXPECT_EQ(game.my.useCount[306], 0);

    game.my.money = 50;  // money that arrives without a new layout is spendable
    minamori::updateMenu(game);
    EXPECT_EQ(row(306).enabled, 1);
}

TEST_F(Navigation, TitlePagesGrowUpwardOthersDownward) {
    game.my.gameStarted = 0;
    open(5);
    EXPECT_EQ(row(200).targetY, 445);
    EXPECT_EQ(row(201).targetY, 445 - 24);
    open(1);
    EXPECT_EQ(row(1).targetY, 10);
    EXPECT_EQ(row(3).targetY, 10 + 29);
    EXPECT_EQ(row(1).targetX, 630 - 220);
}

TEST_F(Navigation, RowsSlideInWithoutOvershootingAndOpeningPageOneGreets) {
    minamori::openMenuPage(game, 1);
    EXPECT_EQ(game.log.entry(0).text, "何をしますか？");
    EXPECT_EQ(row(1).curX, 320);
    int32_t last = row(1).curX;
    while (row(1).curX != row(1).targetX) {
        minamori::updateMenu(game);
        EXPECT_GT(row(1).curX, last);
        EXPECT_LE(row(1).curX, row(1).targetX);
        last = row(1).curX;
    }
}

TEST_F(Navigation, DuringABattleOnlyTheBattlePageOpens) {
    open(10);
    game.battle.battleState = 1;
    game.recorder().sounds.clear();
    minamori::soundFrameTick(game);  // a new frame: the menu sound may play again
    minamori::openMenuPage(game, 1);
    EXPECT_EQ(game.menu.currentPage, 10);
    EXPECT_EQ(game.recorder().sounds, std::vector<std::string>{"1.wav"});  // still heard
    minamori::openMenuPage(game, 100);
    EXPECT_EQ(game.menu.currentPage, 100);
    EXPECT_EQ(row(800).shown, 1);
}

}  // namespace
