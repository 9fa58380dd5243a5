// Choosing menu rows with the keys: Up and Down put the pointer on enabled rows
// in screen order, and Enter chooses through the click of the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/state.h"
#include "game/game.h"
#include "game/shell.h"
#include "menus/navigation.h"

namespace {

using minamori::Game;
using minamori::Key;
using minamori::tmenu;

class RowKeys : public ::testing::Test {
protected:
    Game game;
    void SetUp() override {
        minamori::newGame(game);
        game.titleStage = 0;
        game.inGame = 1;
        game.my.gameStarted = 1;
    }
    // Opens a page; one frame greys what the day budget forbids, and the rows
    // are still sliding in.
    void open(int page) {
        minamori::openMenuPage(game, page);
        minamori::updateMenu(game);
    }
    // The enabled rows of the page, top to bottom.
    std::vector<int> enabledRows() const {
        std::vector<int> rows;
        for (int i = 0; i < minamori::kMenuRows; ++i) {
            const tmenu& r = game.menuTable[static_cast<size_t>(i)];
            if (r.shown == 1 && r.enabled == 1) rows.push_back(i);
        }
        std::stable_sort(rows.begin(), rows.end(), [this](int a, int b) {
            return game.menuTable[static_cast<size_t>(a)].targetY <
                   game.menuTable[static_cast<size_t>(b)].targetY;
        });
        return rows;
    }
    // The row the frame finds under the pointer.
    int hovered() {
        minamori::updateMenu(game);
        return game.menu.hoveredRow;
    }
    void press(Key key) { minamori::formKeyDown(game, key); }
};

// Found by the soak: a long page runs on below the picture, where the mouse
// cannot go; the keys must not take the pointer there either.
TEST_F(RowKeys, RowsBelowThePictureAreNotVisited) {
    open(10);
    std::vector<int> rows = enabledRows();
    ASSERT_GE(rows.size(), 3u);
    tmenu& below = game.menuTable[static_cast<size_t>(rows.back())];
    below.targetY = minamori::kScreenHeight + 4;
    game.mouseX = game.mouseY = -1;
    press(Key::kUp);  // from nowhere, Up takes the lowest row on the picture
    EXPECT_EQ(game.mouseY, game.menuTable[static_cast<size_t>(rows[rows.size() - 2])].targetY +
                               (below.height - 1) / 2);
    EXPECT_LT(game.mouseY, minamori::kScreenHeight);
    press(Key::kDown);  // and Down wraps round to the top
    EXPECT_LT(game.mouseY, minamori::kScreenHeight);
}

TEST_F(RowKeys, DownAndUpVisitEnabledRowsInScreenOrderAndWrapRound) {
    game.my.daysUsed = 300;  // 働く, 290 days, turns grey
    open(10);
    ASSERT_EQ(game.menuTable[300].enabled, 0);
    const std::vector<int> rows = enabledRows();
    ASSERT_GE(rows.size(), 2u);
    ASSERT_EQ(std::find(rows.begin(), rows.end(), 300), rows.end());

    for (int expected : rows) {
        EXPECT_TRUE(minamori::formKeyDown(game, Key::kDown));
        EXPECT_EQ(hovered(), expected);  // hit even while the rows slide in
    }
    press(Key::kDown);
    EXPECT_EQ(hovered(), rows.front());  // past the bottom: back to the top
    press(Key::kUp);
    EXPECT_EQ(hovered(), rows.back());
    press(Key::kUp);
    EXPECT_EQ(hovered(), rows[rows.size() - 2]);
}

TEST_F(RowKeys, FromNoRowDownTakesTheTopAndUpTheBottomButNotWhileLinesWait) {
    open(minamori::kPageTitle);  // rows stacked upward from the bottom
    const std::vector<int> rows = enabledRows();
    ASSERT_FALSE(rows.empty());
    game.mouseX = game.mouseY = 0;
    press(Key::kDown);
    EXPECT_EQ(hovered(), rows.front());
    game.mouseX = game.mouseY = 0;
    press(Key::kUp);
    EXPECT_EQ(hovered(), rows.back());

    game.queue.pushLine("待っている行");  // the rows are not on screen
    game.mouseX = game.mouseY = 7;
    EXPECT_FALSE(minamori::formKeyDown(game, Key::kDown));
    EXPECT_EQ(game.mouseX, 7);
}

TEST_F(RowKeys, EnterChoosesTheRowAndBackspaceGoesBack) {
    open(minamori::kPageMain);
    for (int i = 0; i < 12; ++i) minamori::updateMenu(game);
    press(Key::kDown);  // 活動, the top row
    ASSERT_EQ(hovered(), 1);
    press(Key::kEnter);
    EXPECT_EQ(game.menu.currentPage, minamori::kPageActivities);
    EXPECT_EQ(game.clickPending, 0);  // released, as after a mouse click
    press(Key::kBackspace);
    EXPECT_EQ(game.menu.currentPage, minamori::kPageMain);
}

}  // namespace
