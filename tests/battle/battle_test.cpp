// The battle: blows within their bounds, victory and defeat with their gains,
// penalties and stakes, escape, and the special battle of opponent 77.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "battle/battle.h"
#include "core/state.h"
#include "game/game.h"
#include "game/interpreter.h"

namespace {

using minamori::Game;

bool has(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

// A fresh game on page 10 with a battle against opponent n started.
struct Fight {
    explicit Fight(uint64_t seed, int32_t n = 1) : game({}, seed) {
        minamori::newGame(game);
        game.titleStage = 0;
        game.inGame = 1;
        game.menu.currentPage = 10;
        minamori::startBattle(game, n);
    }
    int32_t enemyHp() const { return game.battle.enemy.hp; }
    Game game;
};

TEST(Battle, StartCopiesTheOpponentAndOpensTheBattlePage) {
    Fight f(1, 70);
    const auto& e = f.game.battle.enemy;
    EXPECT_EQ(e.name, "対抗馬お花畑立候補者");
    EXPECT_EQ(e.level, 3);
    EXPECT_EQ(e.attack, 4);
    EXPECT_GE(e.hp, 7);  // R(2) + 2 * 3 + 1 + R(1) + 0
    EXPECT_LE(e.hp, 8);
    EXPECT_EQ(e.hp, e.maxHp);
    EXPECT_EQ(f.game.battle.battleState, 1);
    EXPECT_EQ(f.game.menu.currentPage, 100);
    EXPECT_EQ(f.game.battle.battleReturnPage, 10);
    EXPECT_EQ(f.game.sceneName, "");  // no pictures in an empty folder: unchanged
    EXPECT_TRUE(has(f.game.recorder().sounds, "enemy.wav"));
    EXPECT_EQ(f.game.log.entry(0).text, "!?.... 対抗馬お花畑立候補者があなたに襲い掛かってきた!!");
}

TEST(Battle, OpponentsGrowWithThePlayerAndTheDifficulty) {
    Game game;
    minamori::newGame(game);
    game.my.level = 12;
    game.my.difficulty = 3;
    // Base 0; the gaps 12, 11 and 10 pass 4, 6 and 8, the gap 9 misses 10; then +3.
    minamori::startBattle(game, 1);
    EXPECT_EQ(game.battle.enemy.level, 6);
}

// The blows seen over many seeds of one attack.
std::set<int> playerBlows(int32_t level, int32_t vitality) {
    std::set<int> seen;
    for (uint64_t seed = 1; seed < 400; ++seed) {
        Fight f(seed);
        f.game.my.level = level;
        f.game.my.vitality = vitality;
        f.game.battle.enemy.hp = f.game.battle.enemy.maxHp = 1000;
        minamori::playerAttack(f.game);
        seen.insert(1000 - f.enemyHp());
    }
    return seen;
}

std::set<int> opponentBlows(int32_t attack, bool guard, bool evade, int32_t level = 1) {
    std::set<int> seen;
    for (uint64_t seed = 1; seed < 600; ++seed) {
        Fight f(seed);
        f.game.my.level = level;
        f.game.my.hp = f.game.my.maxHp = 100;
        f.game.my.useCount[368] = guard;
        f.game.my.useCount[369] = evade;
        f.game.battle.enemy.attack = attack;
        f.game.battle.battleState = 3;
        minamori::battleStep(f.game);
        seen.insert(100 - f.game.my.hp);
    }
    return seen;
}

TEST(Battle, OpponentsGuardOnlyAgainstLevelTenAndCriticalsReplaceTheRoll) {
    EXPECT_EQ(playerBlows(0, 0), (std::set<int>{0, 1, 2, 3}));  // miss, normal, critical
    EXPECT_EQ(playerBlows(9, 10), (std::set<int>{0, 11, 12, 22, 23}));
    EXPECT_EQ(playerBlows(10, 10), (std::set<int>{0, 5, 6, 11, 12, 22, 23}));
}

TEST(Battle, OpponentCriticalsAndTheGuardAndEvadeAbilities) {
    // Attack 1 against level 0: a miss, 1, or a critical of 1 + 0 + 1.
    EXPECT_EQ(opponentBlows(1, false, false, 0), (std::set<int>{0, 1, 2}));
    // Attack 3: a roll of 3 or 4; a critical adds half and one (4 -> 7).
    EXPECT_EQ(opponentBlows(3, false, false), (std::set<int>{0, 3, 4, 5, 7}));
    // The guard halves any of those, the evade that follows clears them.
    EXPECT_EQ(opponentBlows(3, true, true), (std::set<int>{0, 1, 2, 3, 4, 5, 7}));
}

TEST(Battle, VictoryGivesExperienceMoneyAndDaysCappedAndKeepsTheRowUsed) {
    Fight f(5, 70);
    Game& g = f.game;
    g.my.daysUsed = 350;
    g.my.useCount[311] = 1;
    g.battle.stakes.originRow = 311;
    g.battle.stakes.winElection = 1;
    g.battle.stakes.winDanger = -1;
    g.battle.enemy.hp = 0;
    g.battle.battleState = 2;
    minamori::battleStep(g);
    EXPECT_EQ(g.battle.battleState, 100);
    minamori::battleStep(g);
    EXPECT_EQ(g.battle.battleState, 0);
    EXPECT_EQ(g.my.daysUsed, 365);
    EXPECT_EQ(g.my.money, 5 + 4);
    EXPECT_EQ(g.my.exp, 4);
    EXPECT_EQ(g.my.careerLevel, 1);
    EXPECT_EQ(g.my.useCount[311], 1);
    EXPECT_EQ(g.countries[0].growth, -9);  // a negative growth rises by one
    EXPECT_EQ(g.queue.slot(0), "danger-1");
    EXPECT_EQ(g.queue.slot(1), "se lvup2.wav");
    EXPECT_EQ(g.queue.slot(3), "称号<町会議員>");
    EXPECT_EQ(g.menu.currentPage, 10);
    EXPECT_EQ(g.battle.stakes.originRow, 0);
}

TEST(Battle, DefeatCostsMoneyAndMayCostAStatButFreesTheRow) {
    Fight f(9, 70);
    Game& g = f.game;
    g.my.money = 99;
    g.my.vitality = g.my.intelligence = g.my.charisma = 5;
    g.my.useCount[311] = 1;
    g.battle.stakes.originRow = 311;
    g.battle.battleState = 200;
    minamori::battleStep(g);
    EXPECT_EQ(g.my.hp, 1);
    EXPECT_EQ(g.my.money, 99 - 10);
    EXPECT_EQ(g.my.danger, 51);
    EXPECT_EQ(g.countries[0].growth, -11);
    EXPECT_GE(g.my.vitality + g.my.intelligence + g.my.charisma, 14);
    EXPECT_EQ(g.my.useCount[311], 0);
    EXPECT_EQ(g.battle.battleState, 0);
    EXPECT_EQ(g.menu.currentPage, 10);
    bool lostLine = false;
    for (int i = 0; i < 5; ++i) lostLine |= g.log.entry(i).text == "予算が1000万円ロストした....";
    EXPECT_TRUE(lostLine);

    g.my.money = 0;  // a defeat when broke never shows money below 0
    g.battle.battleState = 200;
    minamori::battleStep(g);
    EXPECT_EQ(g.my.money, 0);
}

TEST(Battle, EscapeEitherEndsWithoutGainsOrGivesTheOpponentItsTurn) {
    bool succeeded = false, failed = false;
    for (uint64_t seed = 1; seed < 40 && !(succeeded && failed); ++seed) {
        Fight f(seed, 77);
        Game& g = f.game;
        g.battle.stakes.winTreatyEnd = 1;
        g.battle.stakes.originRow = 457;
        g.my.useCount[457] = 1;
        minamori::attemptEscape(g);
        if (g.battle.battleState == 0) {
            succeeded = true;
            EXPECT_EQ(g.my.money, 5);
            EXPECT_EQ(g.my.exp, 0);
            EXPECT_EQ(g.my.useCount[457], 0);
            EXPECT_GE(g.recorder().musicStops, 1);  // the treaty battle's music ends
            EXPECT_TRUE(has(g.recorder().music, "14.mid"));
        } else {
            failed = true;
            EXPECT_EQ(g.battle.battleState, 2);
            minamori::battleStep(g);
            EXPECT_EQ(g.battle.battleState, 3);
        }
    }
    EXPECT_TRUE(succeeded);
    EXPECT_TRUE(failed);
}

TEST(Battle, ClicksPlayTheStepsUntilTheTurnComesBack) {
    Fight f(3);
    Game& g = f.game;
    g.my.hp = g.my.maxHp = 100;
    g.battle.enemy.hp = g.battle.enemy.maxHp = 100;
    g.queue.pushLine("a line that waits");
    minamori::playerAttack(g);
    EXPECT_EQ(g.battle.battleState, 2);
    minamori::onGameClick(g, 10, 10, true);  // either button plays a step
    EXPECT_EQ(g.battle.battleState, 3);
    minamori::onGameClick(g, 10, 10, false);
    EXPECT_EQ(g.battle.battleState, 4);
    minamori::onGameClick(g, 10, 10, false);
    EXPECT_EQ(g.battle.battleState, 1);
    EXPECT_EQ(g.menu.currentPage, 100);
    EXPECT_EQ(g.queue.headLine(), "a line that waits");
}

TEST(Battle, DamageOfZeroIsShownAndExtremesDoNotOverflow) {
    Fight f(2);
    Game& g = f.game;
    minamori::applyBattleDamage(g, 1, 0);
    EXPECT_EQ(g.log.entry(0).text, "0ダメージ");
    g.my.vitality = INT32_MAX;
    g.my.level = INT32_MAX;
    g.battle.enemy.hp = g.battle.enemy.maxHp = INT32_MAX;
    minamori::playerAttack(g);
    EXPECT_GE(g.battle.enemy.hp, 0);
    minamori::startBattle(g, INT32_MIN);
    EXPECT_TRUE(g.battle.enemy.name.empty());
}

}  // namespace
