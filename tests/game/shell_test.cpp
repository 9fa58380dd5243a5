// The shell around the game: the frame rate governor, the full reset on the
// title pictures, and closing when the save cannot be written.
#include <gtest/gtest.h>

#include "core/temp_folder.h"
#include "game/game.h"
#include "game/shell.h"

namespace {

using minamori::Game;

// Runs seconds of a given frame rate: the last frame of each second is the
// first past the governor's next check.
void runSeconds(Game& game, int framesPerSecond, int seconds) {
    if (game.nextRateCheck == 0) minamori::timerTick(game, 1);
    for (int s = 0; s < seconds; ++s) {
        for (int f = 1; f < framesPerSecond; ++f)
            minamori::timerTick(game, game.nextRateCheck - framesPerSecond + f);
        minamori::timerTick(game, game.nextRateCheck + 1);
    }
}

TEST(RateGovernor, FirstTickLowersTheIntervalFrom90To79ThenElevenToTwelveFramesHoldIt) {
    Game first;
    minamori::timerTick(first, 1);
    EXPECT_TRUE(first.frameInterval == 79 && first.ticksThisSecond == 0);
    for (int rate : {11, 12}) {
        Game game;
        runSeconds(game, rate, 5);
        EXPECT_EQ(game.frameInterval, 79) << rate << " frames a second";
    }
    Game fast;
    runSeconds(fast, 20, 2);
    EXPECT_EQ(fast.frameInterval, 79 + 8 + 8);
}

TEST(RateGovernor, SlowMachineStopsAbove70) {
    Game game;
    runSeconds(game, 4, 20);
    // 90 - 11 (first tick), then steps of 12 - 4 = 8 while they keep it at 70 or more.
    EXPECT_EQ(game.frameInterval, 71);
}

TEST(FullReset, EscapeOnATitlePictureAsksFirst) {
    mtest::TempFolder folder;
    Game game(folder.path());
    game.my.totalClearCount = 3;
    game.my.clearCount = {1, 1, 1, 0};
    game.my.money = 900;

    game.titleStage = 0;  // the title menu: Esc does nothing
    minamori::formKeyDown(game, minamori::Key::kEscape);
    EXPECT_TRUE(game.recorder().messageBoxes.empty());

    game.titleStage = -1;
    minamori::formKeyDown(game, minamori::Key::kEscape);  // answered no
    EXPECT_EQ(game.my.money, 900);
    ASSERT_EQ(game.recorder().messageBoxes.size(), 1u);
    EXPECT_EQ(game.recorder().messageBoxes[0],
              "全てのデータを初期化します\n"
              "新しくゲームを始める場合は、これではなく、メニューから[初期化]を選択して下さい");

    game.recorder().answerYes = true;
    minamori::formKeyDown(game, minamori::Key::kOther);
    EXPECT_EQ(game.recorder().messageBoxes.size(), 1u);
    minamori::formKeyDown(game, minamori::Key::kEscape);
    EXPECT_EQ(game.my.money, 5);
    EXPECT_EQ(game.my.totalClearCount, 0);
    EXPECT_EQ(game.my.clearCount, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(game.recorder().messageBoxes.back(), "Done....");
    EXPECT_TRUE(std::filesystem::exists(game.savePath()));
}

TEST(Closing, AFailedSaveLetsThePlayerKeepTheGameOpen) {
    mtest::TempFolder folder;
    mtest::writeBytes(folder.path() / "dat", "a file where the save folder belongs");
    Game game(folder.path());

    EXPECT_FALSE(minamori::formClose(game));  // answered no: stay
    EXPECT_FALSE(game.recorder().closed);
    EXPECT_FALSE(game.closing);
    ASSERT_EQ(game.recorder().messageBoxes.size(), 1u);

    game.recorder().answerYes = true;
    EXPECT_TRUE(minamori::formClose(game));
    EXPECT_TRUE(game.recorder().closed);
}

}  // namespace
