// Clicks consuming script lines: the commands, messages, title pictures and right clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "actions/executor_fixture.h"
#include "audio/sound.h"
#include "core/cp932.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "script/stats.h"

using namespace minamori;

namespace {

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

class Click : public mtest::ActionTest {
protected:
    Click() : ActionTest(1) { game.titleStage = 0; }
    void push(std::initializer_list<const char*> lines) {
        for (const char* line : lines) game.queue.pushLine(line);
    }
    void click(bool right = false) { onGameClick(game, 10, 10, right); }
    const std::vector<std::string>& sounds() { return game.recorder().sounds; }
};

// One line, one click: the figure it changes, the log line and the sound it makes.
struct LineCase {
    const char* line;
    int32_t* (*field)(Game&);
    int32_t expected;
    const char* log;  // null: not checked; empty: nothing may be logged
    int32_t code;
    const char* sound;  // null: none checked
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.line; }

int32_t* money(Game& g) { return &g.my.money; }

class OneLine : public Click, public ::testing::WithParamInterface<LineCase> {};

TEST_P(OneLine, ChangesFigureLogsAndPlays) {
    const LineCase& c = GetParam();
    game.my.charisma = 10;
    game.my.money = 1;
    push({c.line});
    click();
    EXPECT_EQ(*c.field(game), c.expected);
    if (c.log) {
        EXPECT_EQ(game.log.entry(0).text, c.log);
        if (*c.log) {
            EXPECT_EQ(game.log.entry(0).code, c.code);
        }
    }
    if (c.sound) {
        EXPECT_TRUE(contains(sounds(), c.sound)) << c.sound;
    }
    EXPECT_TRUE(game.queue.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, OneLine,
    ::testing::Values(
        LineCase{"toku_down-3", [](Game& g) { return &g.my.charisma; }, 7, "ｶﾘｽﾏが 3下がってしまった....", 310, nullptr},
        LineCase{"toku_down3", [](Game& g) { return &g.my.charisma; }, 7, "ｶﾘｽﾏが 3下がってしまった....", 310, nullptr},
        LineCase{"toku_down30", [](Game& g) { return &g.my.charisma; }, 0, nullptr, 0, nullptr},
        LineCase{"寿命-40", [](Game& g) { return &g.my.lifespan; }, 20, "寿命が 40年縮みました", 310, nullptr},
        LineCase{"寿命5", [](Game& g) { return &g.my.lifespan; }, 65, "寿命が 5年延びました", 306, "coin.wav"},
        LineCase{"200万円を借金して払いました....", [](Game& g) { return &g.my.debt; }, 2, "200万円を借金して払いました....", 307, nullptr},
        LineCase{"200万円を借金して払いました....", [](Game& g) { return &g.countries[0].growth; }, -11, nullptr, 0, nullptr},
        LineCase{"200万円を借金して払いました....!", [](Game& g) { return &g.my.debt; }, 0, "200万円を借金して払いました....!", 316, "moji.wav"},
        // The living cost is taken as it is; the clamp comes with the next frame.
        LineCase{"生活費3", money, -2, "生活費として 300万円支払いました", 313, "katan.wav"},
        LineCase{"MAXHP2", [](Game& g) { return &g.my.maxHp; }, 5, "最大HP +2!!", 304, nullptr},
        LineCase{"toku_up1", [](Game& g) { return &g.my.charisma; }, 11, "ｶﾘｽﾏが1上昇した", 310, nullptr},
        LineCase{"life_up3", [](Game& g) { return &g.my.lifespan; }, 63, "不思議な力により、寿命が3年延びた", 304, nullptr},
        LineCase{"【!!警報", money, 1, "【!!警報", 307, "bel.wav"},
        LineCase{"【NEWS】台風", money, 1, "【NEWS】台風", 319, "saigai.wav"},
        LineCase{"GAMEOVER", money, 1, "----GAME OVER!!!!!----", 307, "gameover.wav"},
        // Keywords are tried so that a longer one is never taken for a shorter one.
        LineCase{"exp5", [](Game& g) { return &g.my.exp; }, 5, nullptr, 0, "exp.wav"},
        LineCase{"intexp5", [](Game& g) { return &g.my.intelligenceExp; }, 5, nullptr, 0, nullptr},
        LineCase{"usa_miri5", [](Game& g) { return &g.countries[3].military; }, 155, nullptr, 0, nullptr},
        // Numbers that are not whole 32-bit integers count as 0, and a 0 change is silent.
        LineCase{"gold12x", money, 1, "", 0, nullptr},
        LineCase{"gold99999999999", money, 1, "", 0, nullptr},
        LineCase{"gold+7", money, 8, "お金 700万円を入手", 308, "coin.wav"}));

TEST_F(Click, DirectivesRunTogetherWithTheMessageAfterThem) {
    push({"se lvcap.wav", "midi satori.mid", "見事合格しました!!"});
    click();
    EXPECT_TRUE(contains(sounds(), "lvcap.wav"));
    EXPECT_TRUE(contains(sounds(), "moji.wav"));
    EXPECT_TRUE(contains(game.recorder().music, "satori.mid"));
    EXPECT_EQ(game.log.entry(0).text, "見事合格しました!!");
    EXPECT_EQ(game.log.entry(0).code, 316);
    EXPECT_TRUE(game.queue.empty());
}

TEST_F(Click, MenuLineDropsTheRestOfTheQueue) {
    push({"gold10", "menu3", "見事合格しました!!"});
    click();
    EXPECT_EQ(game.my.money, 15);
    EXPECT_EQ(game.queue.headLine(), "menu3");
    click();
    EXPECT_TRUE(game.queue.empty());
    EXPECT_EQ(game.menu.currentPage, 3);
    for (int i = 0; i < 3; ++i) EXPECT_NE(game.log.entry(i).text, "見事合格しました!!");

    game.menu.currentPage = 3;
    push({"menu"});
    click();
    EXPECT_EQ(game.menu.currentPage, 0);
}

TEST_F(Click, TitleLineSetsTheTitle) {
    push({"称号<町会議員>"});
    click();
    EXPECT_EQ(game.my.titleText, "<町会議員>");
    EXPECT_EQ(game.log.entry(0).text, "あなたは<町会議員>になりました");
    EXPECT_EQ(game.log.entry(0).code, 302);
    EXPECT_TRUE(contains(sounds(), "home.wav"));
}

TEST_F(Click, GameClearCountsWritesTheRecordAndSaves) {
    game.my.difficulty = 2;
    game.my.year = 7;
    game.my.useCount[457] = 1;
    push({"GAMECLEAR"});
    click();
    EXPECT_EQ(game.my.totalClearCount, 1);
    EXPECT_EQ(game.my.clearCount[2], 1);
    const auto record = folder.path() / "クリア1回目の記録.txt";
    ASSERT_TRUE(std::filesystem::exists(record));
    EXPECT_EQ(cp932ToUtf8(mtest::readBytes(record)),
              "『ミナモリ!!』クリアおめでとうございます\r\nクリアに要した時間 7年\r\n"
              "<<ハード クリア>>\r\n【TRUE END】\r\n");
    EXPECT_TRUE(std::filesystem::exists(game.savePath()));
    EXPECT_EQ(game.log.entry(0).text, "----GAME CLEAR!!!!!----");
    EXPECT_EQ(game.log.entry(0).code, 302);
    EXPECT_TRUE(contains(sounds(), "lvup.wav"));

    // A difficulty outside the four still counts the clear, and nothing else.
    game.my.difficulty = 7;
    const auto before = game.my.clearCount;
    push({"GAMECLEAR"});
    click();
    EXPECT_EQ(game.my.totalClearCount, 2);
    EXPECT_EQ(game.my.clearCount, before);
}

TEST_F(Click, End2StartsOverSavesAndClosesForGood) {
    game.my.money = 99;
    push({"end2"});
    click();
    EXPECT_TRUE(game.recorder().closed);
    EXPECT_EQ(game.my.money, 5);
    const auto lines = mtest::splitCrLf(mtest::readBytes(game.savePath()));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[3], "5");

    // Once closed, clicks reach nothing: no money, no sound.
    const std::size_t sounds = game.recorder().sounds.size();
    game.queue.clearQueue();
    push({"gold10"});
    click();
    click(true);
    EXPECT_EQ(game.my.money, 5);
    EXPECT_EQ(game.recorder().sounds.size(), sounds);
}

TEST_F(Click, StartBeginsPlayWithAFreshLogAndQueue) {
    push({"msg before"});
    click();
    push({"start", "gold10", "later message"});
    click();
    EXPECT_EQ(game.inGame, 1);
    EXPECT_TRUE(game.queue.empty());
    EXPECT_EQ(game.my.money, 5);
    EXPECT_EQ(game.log.entry(0).text, "何をしますか？");
    EXPECT_EQ(game.log.entry(0).code, 316);
    EXPECT_TRUE(game.log.entry(1).text.empty());
    EXPECT_EQ(game.menu.currentPage, 1);
    EXPECT_TRUE(contains(sounds(), "taiiko.wav"));
    EXPECT_TRUE(contains(sounds(), "dream.wav"));
}

TEST_F(Click, QueuedLinesWaitForALeftClickOutsideBattle) {
    push({"gold10"});
    click(true);
    game.battle.battleState = 2;  // the player has acted: the click plays the battle
    click();
    EXPECT_EQ(game.battle.battleState, 100);  // the nameless opponent has no HP left
    EXPECT_EQ(game.queue.headLine(), "gold10");
    EXPECT_EQ(game.my.money, 5);
}

TEST_F(Click, TitlePicturesAdvanceOnLeftClicksOnly) {
    game.titleStage = -2;
    click(true);
    EXPECT_EQ(game.titleStage, -2);
    click();
    EXPECT_EQ(game.titleStage, -1);
    EXPECT_TRUE(contains(sounds(), "taiiko.wav"));
    click();
    EXPECT_EQ(game.titleStage, 0);
    EXPECT_EQ(game.menu.currentPage, 5);
}

TEST_F(Click, LastLineReopensTheMenuBeforeTheBattleStarts) {
    game.menu.currentPage = 10;
    push({"battle70"});
    click();
    EXPECT_TRUE(contains(sounds(), "1.wav"));  // the page was opened again first
    EXPECT_EQ(game.menu.currentPage, 100);    // then the battle page replaced it
    EXPECT_EQ(game.battle.battleReturnPage, 10);
    EXPECT_EQ(game.battle.enemy.name, "対抗馬お花畑立候補者");

    for (const char* line : {"battle0", "battle999"}) {
        push({line});
        click();
        EXPECT_TRUE(game.battle.enemy.name.empty()) << line;
        EXPECT_EQ(game.battle.enemy.level, 0) << line;
    }
}

TEST_F(Click, SameSoundPlaysOncePerFrame) {
    gainExp(game, 1);
    gainExp(game, 1);
    EXPECT_EQ(std::count(sounds().begin(), sounds().end(), "exp.wav"), 1);
    soundFrameTick(game);
    gainExp(game, 1);
    EXPECT_EQ(std::count(sounds().begin(), sounds().end(), "exp.wav"), 2);
}

}  // namespace
