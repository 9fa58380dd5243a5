// The military page: the recapture, the stakes of both pages' battles, the drawn
// battles and the nuclear step to its end.
#include <limits>

#include "battle/battle.h"
#include "core/name_tables.h"
#include "diplomacy_fixture.h"
#include "game/interpreter.h"

using namespace minamori;

namespace {

using mtest::fields;
using mtest::Lines;

class MilitaryCommands : public mtest::AffairsTest {};

TEST_F(MilitaryCommands, RecaptureWeighsTheForcesLeftAfterTheFighting) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t home, china, us;
        bool retaken;
    } cases[] = {
        {20, 40, 150, false},   // 15 + 150 div 10 = 30 against 35
        {26, 40, 150, true},    // 21 + 15 = 36 against 35
        {25, 40, 150, false},   // 35 is not more than 35
        {kMax, 0, kMax, true},  // summed wide, without overflow
        {0, 3, 0, false},       // the losses stop at 0
    };
    for (const auto& c : cases) {
        game.countries[kJapan].military = c.home;
        game.countries[kChina].military = c.china;
        game.countries[kUsa].military = c.us;
        choose(610);
        EXPECT_EQ(game.countries[kJapan].military, std::max(c.home - 5, 0));
        EXPECT_EQ(game.countries[kChina].military, std::max(c.china - 5, 0));
        Lines expected = {"exp60", "yoron6", "china_yoron-12"};
        if (c.retaken)
            expected.insert(expected.end(), {"se meisei.wav", "見事、尖閣を取り戻しました!!", "danger-8"});
        else
            expected.insert(expected.end(), {"se meisei_down.wav", "尖閣の奪還に失敗しました!!"});
        EXPECT_EQ(queued(), expected) << "home " << c.home;
        EXPECT_EQ(lastShown(), "中国の軍事力が 5万pt.縮小しました");  // at once, before the test
    }
}

TEST_F(MilitaryCommands, BattlesCarryTheirOwnStakesAndNothingOlder) {
    const struct {
        int32_t row, opponent;
        BattleStakes stakes;
    } cases[] = {
        {502, 3, {.winTaiwanOpinion = 1, .winUsOpinion = 1, .winChinaMilitary = -1, .winDanger = -1}},
        {535, 69, {.originRow = 535, .winHomeOpinion = 10}},
        {601, 50, {.winHomeOpinion = 3, .winChinaOpinion = -6, .winChinaMilitary = -3, .winDanger = -6}},
        {602, 68, {.originRow = 602, .winChinaMilitary = -5, .winDanger = -5}},
        {624, 61, {}},
        {642, 83, {.originRow = 642, .winExam = 4}},
    };
    for (const auto& c : cases) {
        game.battle.stakes = BattleStakes{.winElection = 2, .winTreatyEnd = 1};  // left by an earlier battle
        choose(c.row);
        EXPECT_EQ(queued().back(), "battle" + std::to_string(c.opponent)) << "row " << c.row;
        EXPECT_EQ(fields(game.battle.stakes), fields(c.stakes)) << "row " << c.row;
    }
}

TEST_F(MilitaryCommands, DrawnOpponentsAndStakesFollowTheirDraws) {
    int protesters = 0, calmed = 0;
    for (int i = 0; i < 60; ++i) {
        Random probe = game.rng;
        choose(599);  // shouting at the sea meets one of two opponents
        const int32_t opponent = probe.R(2) == 0 ? 57 : 51;
        protesters += opponent == 57;
        EXPECT_EQ(queued(), (Lines{"exp12", "vitexp12", "tokuexp6", "battle" + std::to_string(opponent)}));
        EXPECT_EQ(fields(game.battle.stakes), fields({.winHomeOpinion = 1, .winDanger = -1}));
        choose(623);  // the shooter game: always a battle, its stake one time in three
        const bool calms = probe.R(3) == 0;
        calmed += calms;
        EXPECT_EQ(queued(), (Lines{"exp2", "battle52"}));
        EXPECT_EQ(fields(game.battle.stakes), fields({.winDanger = calms ? -1 : 0}));
        EXPECT_TRUE(drawsAlike(probe));
    }
    EXPECT_TRUE(protesters > 0 && protesters < 60 && calmed > 0 && calmed < 60);
}

TEST_F(MilitaryCommands, TheNuclearStepIsKeptOnlyWhenWon) {
    for (const int32_t end : {100, 200}) {  // victory, defeat
        choose(637);
        ASSERT_EQ(queued(), (Lines{"battle82"}));
        onGameClick(game, 0, 0, false);
        ASSERT_EQ(game.battle.enemy.name, "盲目");
        game.battle.battleState = end;
        battleStep(game);
        EXPECT_EQ(game.my.useCount[637], end == 100 ? 1 : 0);
        Lines effects;
        for (const std::string& line : queued())
            if (line.find_first_of("0123456789") != std::string::npos) effects.push_back(line);
        const Lines won = {"danger-20", "miri100", "gdpup10", "usa_yoron-15", "yoron-6"};
        EXPECT_EQ(effects, end == 100 ? won : Lines{});
        game.my.useCount[637] = 0;
    }
}

TEST_F(MilitaryCommands, EveryBattleOfBothPagesMeetsANamedOpponent) {
    int battles = 0;
    for (int32_t row = 1; row < kMenuRows; ++row) {
        const int32_t page = game.menuTable[static_cast<size_t>(row)].page;
        for (int attempt = 0; attempt < 4 && (page == 30 || page == 40); ++attempt) {  // drawn ones too
            choose(row);
            for (const std::string& line : queued()) {
                if (line.rfind("battle", 0) != 0) continue;
                ++battles;
                EXPECT_FALSE(opponentEntry(scriptNumber(line.substr(6))).name.empty()) << "row " << row;
            }
        }
    }
    EXPECT_GE(battles, 4 * 32);
}

}  // namespace
