// Fast-forward and auto-advance read on as clicks would, and stop wherever
// the player must decide.
#include "game/advance.h"

#include "core/save_file.h"
#include "game/game.h"
#include "game/played_game.h"

namespace {

using minamori::Game;

class Advance : public mtest::PlayedGame {
protected:
    // Frames while Ctrl is held, until no line waits or the limit.
    int fastForward(int limit = 200) {
        ok("keydown ctrl");
        int frames = 0;
        while (frames < limit && minamori::clickOnlyReadsOn(game())) {
            ok("tick");
            ++frames;
        }
        ok("keyup ctrl");
        return frames;
    }
    void holdCtrlFor(int frames) {
        ok("keydown ctrl");
        ok("tick " + std::to_string(frames));
        ok("keyup ctrl");
    }
};

std::vector<std::string> logTexts(const Game& game) {
    std::vector<std::string> lines;
    for (int i = 0; i < minamori::MessageLog::kEntries; ++i) lines.push_back(game.log.entry(i).text);
    return lines;
}

// Ten mornings, read once by Ctrl and once by clicks on the same seed.
TEST_F(Advance, CtrlPlaysMorningsFastAndLeavesTheGameAsClicksWould) {
    mtest::TempFolder otherFolder;
    minamori::HeadlessDriver clicked(otherFolder.path(), 3);
    for (const char* command : {"click 1 1", "click 1 1", "tick 12", "row 205"}) clicked.execute(command);
    while (!clicked.game().queue.empty()) clicked.execute("click 1 1");
    startGame();
    int lines = 0, frames = 0;
    for (int year = 0; year < 10; ++year) {
        clicked.execute("tick 12");
        clicked.execute("row 9");  // ..１年を終える
        for (; !clicked.game().queue.empty() && lines < 4000; ++lines) clicked.execute("click 1 1");
        ok("tick 12");
        ok("row 9");
        frames += fastForward();
        ASSERT_EQ(game().menu.currentPage, minamori::kPageMain) << "year " << year;
    }
    EXPECT_LT(frames * 3, lines) << frames << " frames for " << lines << " lines";
    EXPECT_EQ(minamori::encodeSave(game()), minamori::encodeSave(clicked.game()));
    EXPECT_EQ(logTexts(game()), logTexts(clicked.game()));
    EXPECT_EQ(game().history.size(), clicked.game().history.size());
    EXPECT_EQ(game().rng.fingerprint(), clicked.game().rng.fingerprint());
    // The page came up under a held key: it waits for the player, Ctrl or not.
    holdCtrlFor(20);
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMain);
    EXPECT_TRUE(game().queue.empty());
}

TEST_F(Advance, FastForwardWaitsForTheBattlesChoiceAndPlaysItsBlows) {
    startGame();
    ok("set hp 9999");
    ok("set maxHp 9999");
    ok("push battle8");
    ok("keydown ctrl");
    ok("tick 30");
    EXPECT_NE(game().caption.find("早送り"), std::string::npos);
    ok("keyup ctrl");
    EXPECT_EQ(game().caption.find("早送り"), std::string::npos);
    ASSERT_EQ(game().menu.currentPage, minamori::kPageBattle);
    EXPECT_EQ(game().battle.battleState, 1);  // 攻撃 or 逃げる: the player's to say
    ok("row 800");
    ASSERT_GE(game().battle.battleState, 2);
    holdCtrlFor(10);
    EXPECT_LE(game().battle.battleState, 1);
}

TEST_F(Advance, TheEndLinesAndTheMiraclesBoxAreLeftToThePlayer) {
    startGame();
    for (const char* line : {"push 一行目", "push 二行目", "push GAMEOVER", "push 後"}) ok(line);
    holdCtrlFor(20);
    ASSERT_FALSE(game().queue.empty());
    EXPECT_EQ(game().queue.headLine(), "GAMEOVER");
    ok("click 1 1");
    ok("click 1 1");
    EXPECT_TRUE(game().queue.empty());
    ok("push GAMECLEAR");
    holdCtrlFor(5);
    EXPECT_EQ(game().queue.headLine(), "GAMECLEAR");
    ok("click 1 1");

    ok("tick 12");
    ok("row 5");  // 奇跡
    ASSERT_EQ(game().menu.currentPage, minamori::kPageMiracles);
    game().recorder().messageBoxes.clear();
    holdCtrlFor(30);
    EXPECT_TRUE(game().recorder().messageBoxes.empty());
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMiracles);
}

TEST_F(Advance, AutoAdvanceReadsALineEachIntervalAndWaitsAtAChoice) {
    startGame();
    game().advance.autoAdvanceMs = 400;
    ok("key a");
    EXPECT_TRUE(game().advance.autoAdvance);
    for (int i = 0; i < 12; ++i) ok("push 行" + std::to_string(i));
    ok("tick");  // the first wait begins
    const int64_t frameMs = game().frameInterval;
    ok("tick " + std::to_string(4000 / frameMs));  // a little under four seconds
    int left = 0;
    for (int i = 0; i < minamori::MessageQueue::kSlots && !game().queue.slot(i).empty(); ++i) ++left;
    EXPECT_EQ(12 - left, 4000 / frameMs * frameMs / 400);
    ok("tick 40");
    EXPECT_TRUE(game().queue.empty());
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMain);
    // Still on at the choice; lines queued later are read by themselves.
    ok("push また一行");
    ok("tick 6");
    EXPECT_TRUE(game().queue.empty());
    ok("key a");
    ok("push 最後");
    ok("tick 20");
    EXPECT_FALSE(game().queue.empty());
}

}  // namespace
