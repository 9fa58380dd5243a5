// A year played with the gamepad alone, through the driver's pad commands:
// the title, a new game, 活動 and 働く, back, ..１年を終える, the morning under
// the right trigger; Start and Back open their panels.
#include "game/game.h"
#include "game/played_game.h"

namespace {

class PadPlay : public mtest::PlayedGame {
protected:
    void press(const std::string& button, int times = 1) {
        for (int i = 0; i < times; ++i) {
            ok("pad " + button);
            ok("tick 2");
        }
    }
    void readThrough() {
        for (int i = 0; i < 100 && !game().queue.empty(); ++i) press("a");
        ok("tick 12");
    }
};

TEST_F(PadPlay, AWholeYearWithThePadAlone) {
    press("a", 2);  // the two title pictures
    ok("tick 12");
    press("down");  // <イージーMODE>, the top row
    press("a");
    readThrough();
    ASSERT_EQ(game().menu.currentPage, minamori::kPageMain);
    press("down");  // 活動
    press("a");
    ok("tick 12");
    press("down");
    press("up");  // 働く, the top row, under where 活動 was
    ASSERT_EQ(game().menu.hoveredRow, 300);
    press("a");
    EXPECT_GT(game().my.daysUsed, 0);
    readThrough();
    press("b");  // back to the main menu
    ok("tick 12");
    ok("paddown down");  // held: the pointer runs down the rows
    ok("tick 10");
    ok("padup down");
    ok("tick 1");
    ASSERT_EQ(game().menu.hoveredRow, 11);  // ×ゲーム終了, the last row
    press("up", 2);  // up to ..１年を終える
    ASSERT_EQ(game().menu.hoveredRow, 9);
    press("a");
    ok("paddown righttrigger");
    EXPECT_TRUE(game().advance.heldKeys != 0);
    ok("tick 40");
    ok("padup righttrigger");
    EXPECT_EQ(game().my.year, 1);
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMain);
    EXPECT_EQ(game().advance.heldKeys, 0u);
}

TEST_F(PadPlay, StartAndBackOpenThePreferencesAndTheHelp) {
    startGame();
    press("start");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kPreferences);
    press("b");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kNone);
    press("back");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kHelp);
    press("a");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kNone);
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMain);
}

}  // namespace
