// The message history: the last 200 screen lines with their colours, and the
// overlay that shows them while keeping every click and key from the game.
#include <gtest/gtest.h>

#include <string>

#include "core/state.h"
#include "game/game.h"
#include "game/shell.h"
#include "menus/navigation.h"
#include "solid_fonts.h"
#include "view/colours.h"
#include "view/log.h"
#include "view/screen.h"

namespace {

using minamori::Game;
using minamori::Key;
using minamori::Overlay;

TEST(MessageHistory, KeepsTheLast200ScreenLinesWithTheirColours) {
    Game game;
    for (int i = 0; i < 205; ++i)
        minamori::addLogLine(game, "行" + std::to_string(i), i % 2 ? "red" : "yellow2");
    ASSERT_EQ(game.history.size(), 200);
    EXPECT_EQ(game.history.line(0).text, "行5");
    EXPECT_EQ(game.history.line(0).code, minamori::colourCode("red"));
    EXPECT_EQ(game.history.line(199).text, "行204");
    EXPECT_EQ(game.history.line(199).code, minamori::colourCode("yellow2"));
    EXPECT_EQ(game.log.entry(0).text, "行204");  // the log goes on as before

    // A long text: both screen lines, in the order they show.
    std::string longText;
    for (int i = 0; i < 40; ++i) longText += "あ";
    minamori::addLogLine(game, longText, "red");
    minamori::addLogLine(game, "", "red");  // an empty line is not kept
    EXPECT_EQ(game.history.line(198).text, game.log.entry(2).text);
    EXPECT_EQ(game.history.line(199).text, game.log.entry(1).text);
    EXPECT_EQ(game.history.line(199).text.rfind("　", 0), 0u);
}

class HistoryOverlay : public ::testing::Test {
protected:
    mtest::SolidFonts fonts;
    Game game{minamori::Services{nullptr, nullptr, nullptr, &fonts}, {}, 1};

    void SetUp() override {
        minamori::newGame(game);
        game.titleStage = 0;
        game.inGame = 1;
        game.my.gameStarted = 1;
        minamori::openMenuPage(game, minamori::kPageMain);  // logs 何をしますか？
        for (int i = 0; i < 12; ++i) minamori::timerTick(game, i);
    }
    // The middle of a settled row.
    void pointAt(int row) {
        const minamori::tmenu& r = game.menuTable[static_cast<size_t>(row)];
        minamori::cgMouseMove(game, r.curX + r.width / 2, r.curY + 5);
    }
};

TEST_F(HistoryOverlay, WheelOpensItAndTheClosingClickGoesNoFurther) {
    pointAt(1);  // 活動
    minamori::cgMouseWheel(game, 1);
    ASSERT_EQ(game.overlay.open, Overlay::kHistory);
    minamori::timerTick(game, 100);
    EXPECT_EQ(game.menu.hoveredRow, 0);  // the row under the panel does not react
    // The newest line at the bottom of the panel, in its colour.
    const minamori::tmoji_efe& newest = game.history.line(game.history.size() - 1);
    EXPECT_EQ(game.screen.cg.at(19, 419),
              minamori::toPixel(*minamori::lineColour(newest.code, game.animFrame)));

    minamori::cgMouseDown(game, 500, 20, false);
    minamori::cgMouseUp(game);
    EXPECT_EQ(game.overlay.open, Overlay::kNone);
    EXPECT_EQ(game.menu.currentPage, minamori::kPageMain);  // 活動 was not chosen
    minamori::timerTick(game, 200);
    EXPECT_EQ(game.menu.hoveredRow, 1);  // the pointer is back where the mouse is
}

TEST_F(HistoryOverlay, KeysScrollOrCloseItAndNeverReachTheGame) {
    for (int i = 0; i < 60; ++i) minamori::addGreyLine(game, "古い行");
    game.queue.pushLine("続きの行");
    minamori::formKeyDown(game, Key::kPageUp);
    ASSERT_EQ(game.overlay.open, Overlay::kHistory);
    minamori::formKeyDown(game, Key::kPageUp);
    EXPECT_EQ(game.overlay.historyScroll, minamori::kHistoryRows - 1);
    minamori::cgMouseWheel(game, 100);
    EXPECT_EQ(game.overlay.historyScroll, minamori::maxHistoryScroll(game.history));
    minamori::formKeyDown(game, Key::kDown);
    minamori::formKeyDown(game, Key::kBackspace);
    EXPECT_EQ(game.overlay.open, Overlay::kNone);

    minamori::formKeyDown(game, Key::kPageUp);
    minamori::formKeyDown(game, Key::kEnter);  // closes; the waiting line stays
    EXPECT_EQ(game.overlay.open, Overlay::kNone);
    EXPECT_EQ(game.overlay.historyScroll, 0);
    EXPECT_FALSE(game.queue.empty());
    minamori::formKeyDown(game, Key::kEnter);  // now it is a click
    EXPECT_TRUE(game.queue.empty());
}

}  // namespace
