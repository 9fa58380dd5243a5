// The frame every chosen row shares, and the system and title pages.
#include <limits>

#include "actions/narrative.h"
#include "executor_fixture.h"
#include "game/interpreter.h"
#include "menus/navigation.h"

using namespace minamori;

namespace {

class ExecutorPages : public mtest::ActionTest {};

TEST_F(ExecutorPages, PaysMoneyAndDaysAndCountsTheUse) {
    game.my.money = 10;
    run(301);  // ボランティア: 90 days, 200万円
    EXPECT_EQ(game.my.money, 8);
    EXPECT_EQ(game.my.daysUsed, 90);
    EXPECT_TRUE(logged("200万円を払った", kGray));
    const auto& sounds = game.recorder().sounds;
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds[0], "1.wav");
    EXPECT_EQ(sounds[1], "katan.wav");
    run(301);
    EXPECT_EQ(game.my.useCount[301], 2);
    EXPECT_EQ(game.my.usedThisYear[301], 1);

    game.my.daysUsed = 100;
    run(300);  // 働く: 290 days, no money
    EXPECT_EQ(game.my.daysUsed, 365);
}

TEST_F(ExecutorPages, ExtremeFiguresNeitherOverflowNorIndexOutside) {
    tmenu& odd = game.menuTable[2500];  // beyond the per-row counts: paid, not counted
    odd.page = 20;
    odd.dayCost = odd.moneyCost = std::numeric_limits<int32_t>::max();
    game.my.money = std::numeric_limits<int32_t>::min() + 5;
    run(2500);
    EXPECT_EQ(game.my.money, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(game.my.daysUsed, 365);
    EXPECT_TRUE(game.queue.empty());

    const tmy before = game.my;
    run(0);
    run(-1);
    run(3000);
    EXPECT_EQ(game.my, before);
}

TEST_F(ExecutorPages, AClickedActivityRunsOnceAYear) {
    game.my.money = 10;
    game.my.vitality = 1;  // ボランティア asks for 体力 1
    openMenuPage(game, 10);
    ASSERT_EQ(game.menuTable[301].shown, 1);
    onGameClick(game, 450, game.menuTable[301].curY + 5, false);
    EXPECT_EQ(game.my.useCount[301], 1);
    for (int i = 0; i < 20 && !game.queue.empty(); ++i) onGameClick(game, 0, 0, false);
    EXPECT_EQ(game.menu.currentPage, 10);
    updateMenu(game);
    EXPECT_EQ(game.menuTable[301].enabled, 0);
}

TEST_F(ExecutorPages, MainMenuAndQuit) {
    run(1);  // 活動
    EXPECT_EQ(game.menu.currentPage, 10);
    EXPECT_TRUE(logged("草莽活動＞どうしますか", kSilver));
    run(5);  // 奇跡
    EXPECT_EQ(game.menu.currentPage, 50);
    run(11);  // ×ゲーム終了
    EXPECT_EQ(game.menu.currentPage, 2);
    run(51);  // いいえ
    EXPECT_EQ(game.menu.currentPage, 1);
    EXPECT_FALSE(game.recorder().closed);
    game.my.money = 77;
    run(50);  // はい: saved, then closed
    EXPECT_TRUE(game.recorder().closed);
    const auto lines = mtest::splitCrLf(mtest::readBytes(game.savePath()));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[3], "77");
}

TEST_F(ExecutorPages, SaveReportsSuccessOnlyWhenTheFileIsWritten) {
    run(61);
    EXPECT_TRUE(std::filesystem::exists(game.savePath()));
    EXPECT_TRUE(logged("セーブしました....", kAqua));

    mtest::writeBytes(folder.path() / "blocked", "x");  // a plain file cannot hold dat/
    Game blocked(folder.path() / "blocked", 1);
    buildMenuTable(blocked);
    executeAction(blocked, 61);
    EXPECT_EQ(blocked.recorder().messageBoxes.size(), 1u);
    EXPECT_NE(blocked.log.entry(0).text, "セーブしました....");
}

TEST_F(ExecutorPages, HistoryTakesTheScreenAndReturnsToOption) {
    run(62);
    EXPECT_EQ(game.menu.currentPage, 0);
    EXPECT_TRUE(logged("....歴史....", kSilver));
    const auto lines = queued();
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines.front(), "midi satori.mid");
    EXPECT_EQ(lines[15], islandHistory().back());
    EXPECT_EQ(lines.back(), "menu3");
}

TEST_F(ExecutorPages, VolumeMovesInStepsBetweenQuietestAndFull) {
    game.my.volume = -3800;
    run(100);
    run(100);
    EXPECT_EQ(game.my.volume, -4000);
    EXPECT_EQ(game.log.entry(0).text, "音量＝-4000");
    run(101);
    EXPECT_EQ(game.my.volume, -3600);
    game.my.volume = -400;
    run(101);
    run(101);
    EXPECT_EQ(game.my.volume, 0);
    EXPECT_EQ(game.log.entry(0).text, "音量＝0");
}

TEST_F(ExecutorPages, ADifficultyStartsTheOpeningOnlyOnce) {
    game.log.add({"old line"}, 0);
    run(203);  // <ハードMODE>
    EXPECT_EQ(game.my.difficulty, 2);
    EXPECT_EQ(game.my.gameStarted, 1);
    EXPECT_EQ(game.log.entry(0).text, "....君のやることは決まっている");
    EXPECT_TRUE(game.log.entry(1).text.empty());
    const auto lines = queued();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines.front(), "midi id.mid");
    EXPECT_EQ(lines[7], openingNarrative().back());
    EXPECT_EQ(lines.back(), "start");

    game.queue.clearQueue();
    run(205);  // <イージーMODE> once started: only counted
    EXPECT_TRUE(game.queue.empty());
    EXPECT_EQ(game.my.difficulty, 2);
    EXPECT_EQ(game.my.useCount[205], 1);

    run(206);  // <コンティニュー>
    EXPECT_EQ(game.inGame, 1);
    EXPECT_EQ(game.menu.currentPage, 1);
    EXPECT_TRUE(logged("HARD MODE PLAY", kSilver));
    EXPECT_TRUE(played("dream.wav"));
}

TEST_F(ExecutorPages, ClearRecordListsOnlyClearedDifficulties) {
    run(201);
    EXPECT_TRUE(logged("....あなたが日本です", kSilver));
    EXPECT_TRUE(game.queue.empty());
    game.my.clearCount = {0, 2, 0, 1};
    game.my.trueClearCount = {0, 1, 0, 0};
    run(201);
    EXPECT_EQ(queued(), (std::vector<std::string>{"ノーマルクリア 2回　TRUE END 1回", "ｴｸｽﾄﾘｰﾑクリア 1回"}));
}

TEST_F(ExecutorPages, ResetNeedsTwoConfirmationsAndKeepsClears) {
    run(200);
    EXPECT_EQ(game.menu.currentPage, 6);
    run(190);  // いいえ
    EXPECT_EQ(game.menu.currentPage, 5);
    run(191);  // はい
    EXPECT_EQ(game.menu.currentPage, 7);
    EXPECT_TRUE(logged("....本当によろしいですか", kSilver));
    game.my.money = 99;
    run(192);  // いいえ
    EXPECT_EQ(game.my.money, 99);
    game.my.clearCount = {1, 2, 3, 4};
    run(193);  // はい
    EXPECT_EQ(game.my.money, 5);
    EXPECT_EQ(game.my.clearCount, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_TRUE(logged("....初期化しました", kAqua));
    EXPECT_TRUE(played("up2.wav"));
    EXPECT_EQ(game.menu.currentPage, 5);
}

}  // namespace
