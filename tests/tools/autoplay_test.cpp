// The autoplayer: its picture of battles and menus held against the game's own
// engine, and whole games played through the driver's clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "../core/temp_folder.h"
#include "autoplay.h"
#include "battle/battle.h"
#include "battle_odds.h"
#include "book.h"
#include "driver.h"
#include "game/game.h"
#include "hands.h"
#include "menu_rules.h"
#include "strategy.h"

namespace {

namespace ap = minamori::autoplay;
using minamori::Game;
using minamori::HeadlessDriver;

// --- Battles ---------------------------------------------------------------

TEST(AutoplayOdds, WinTableSolvesARepeatedTurnExactly) {
    // Any blow that lands ends the fight, for either side: the player wins at
    // once unless the attack misses (1 in 20), then loses unless the opponent
    // misses too, when the same turn comes round again.
    ap::Fighters f;
    f.vitality = 5;
    f.level = 1;
    f.enemyAttack = 20;
    const ap::WinTable table(f, 1, 1);
    EXPECT_NEAR(table.at(1, 1), 0.95 / (1 - 0.05 * 0.05), 1e-12);
    EXPECT_EQ(table.at(0, 1), 1.0);
    EXPECT_EQ(table.at(1, 0), 0.0);
}

TEST(AutoplayOdds, EveryBlowIsACompleteSetOfChances) {
    for (int level : {0, 9, 10}) {
        for (int abilities = 0; abilities < 8; ++abilities) {
            ap::Fighters f;
            f.level = level;
            f.vitality = 6;
            f.enemyAttack = level + 1;
            f.smash = abilities & 1;
            f.guard = abilities & 2;
            f.evade = abilities & 4;
            for (const ap::Blow& blow : {ap::playerBlow(f), ap::enemyBlow(f)}) {
                double sum = 0;
                for (const auto& [damage, chance] : blow) {
                    EXPECT_GE(damage, 0);
                    sum += chance;
                }
                EXPECT_NEAR(sum, 1.0, 1e-12) << level << " " << abilities;
            }
        }
    }
}

TEST(AutoplayOdds, OpponentsAreAdjustedAsTheBattleStartsThem) {
    Game game;
    for (int difficulty = 0; difficulty <= 3; ++difficulty) {
        for (int level : {0, 3, 5, 9, 14}) {
            for (int vitality : {0, 7, 20}) {
                for (int opponent : {1, 9, 70, 73, 77}) {
                    game.my.difficulty = difficulty;
                    game.my.level = level;
                    game.my.vitality = vitality;
                    const ap::Opponent o = ap::opponentFor(game, opponent);
                    for (int i = 0; i < 20; ++i) {
                        minamori::startBattle(game, opponent);
                        const minamori::tenemy& e = game.battle.enemy;
                        ASSERT_EQ(e.level, o.level)
                            << difficulty << " " << level << " " << opponent;
                        ASSERT_EQ(e.attack, o.attack);
                        ASSERT_GE(e.hp, o.minHp);
                        ASSERT_LE(e.hp, o.maxHp);
                        game.battle.battleState = 0;
                    }
                }
            }
        }
    }
}

// The chance worked out for an election is the chance the engine plays out.
TEST(AutoplayOdds, BattleOddsMatchTheEngineOverManyFights) {
    struct Case {
        int difficulty, level, vitality, hp, opponent;
    };
    for (const Case c : {Case{1, 3, 4, 12, 70}, Case{2, 6, 9, 24, 71}, Case{0, 10, 12, 30, 53}}) {
        Game game;
        game.my.difficulty = c.difficulty;
        game.my.level = c.level;
        game.my.vitality = c.vitality;
        game.my.maxHp = game.my.hp = c.hp;
        game.my.money = 100;
        const minamori::tmy start = game.my;
        const double predicted = ap::battleOdds(game, c.opponent);

        constexpr int kFights = 4000;
        int wins = 0;
        for (int i = 0; i < kFights; ++i) {
            game.my = start;
            minamori::startBattle(game, c.opponent);
            for (int turn = 0; turn < 1000 && game.battle.battleState != 0; ++turn) {
                if (game.battle.battleState == 1) {
                    minamori::playerAttack(game);
                } else {
                    if (game.battle.battleState == 100) ++wins;
                    minamori::battleStep(game);
                }
            }
            ASSERT_EQ(game.battle.battleState, 0);
        }
        const double seen = double(wins) / kFights;
        // Four standard deviations of a mean of 4000 draws.
        const double spread = 4 * std::sqrt(predicted * (1 - predicted) / kFights) + 0.005;
        EXPECT_NEAR(seen, predicted, spread) << c.opponent << " at level " << c.level;
    }
}

TEST(AutoplayOdds, RunsFromAHopelessFightAndNotFromAnEasyOne) {
    Game game;
    game.my.level = 2;
    game.my.vitality = 1;
    game.my.maxHp = 10;
    minamori::startBattle(game, 73);  // the party leadership rival, level 12
    game.my.hp = 2;
    EXPECT_TRUE(ap::shouldFlee(game, 1));
    EXPECT_TRUE(ap::shouldFlee(game, 3)) << "not even an election is worth a certain defeat";

    game.my.level = 10;
    game.my.vitality = 30;
    game.my.maxHp = 60;
    minamori::startBattle(game, 1);
    game.my.hp = 5;  // low, but the opponent falls first
    EXPECT_FALSE(ap::shouldFlee(game, 1));
}

// --- The book of commands --------------------------------------------------

// What the strategy believes of the shop agrees with the goods on sale.
TEST(AutoplayBook, ShopGoodsMatchTheGamesOwnRows) {
    mtest::TempFolder folder;
    HeadlessDriver driver(folder.path(), 1);
    ap::Hands hands(driver);
    hands.passTitle();
    hands.choose(205);  // the table is built whenever a page opens
    const Game& g = driver.game();
    int checked = 0;
    for (int row = 1; row < 1000; ++row) {
        const ap::Effect* e = ap::effectOf(row);
        if (!e) continue;
        const minamori::tmenu& r = g.menuTable[static_cast<size_t>(row)];
        EXPECT_TRUE(r.page == 10 || r.page == 20 || r.page == 30 || r.page == 40 || r.page == 50)
            << "row " << row << " is no command";
        if (r.page != 50 || r.slot != 6) continue;  // the shop's goods share slot 6
        ++checked;
        switch (r.effectKind) {
            case 1: EXPECT_EQ(e->special, ap::Special::kMaxHp) << row; break;
            case 2: EXPECT_EQ(e->growth, r.effectAmount) << row; break;
            case 3: EXPECT_EQ(e->danger, -r.effectAmount) << row; break;
            case 4: EXPECT_EQ(e->special, ap::Special::kExpBonus) << row; break;
            case 5:
            case 6:
            case 7: EXPECT_EQ(e->special, ap::Special::kStatUp) << row; break;
            case 8: EXPECT_EQ(e->special, ap::Special::kLifeUp) << row; break;
            case 9: EXPECT_EQ(e->special, ap::Special::kMoneyBonus) << row; break;
            default: ADD_FAILURE() << "row " << row << " kind " << r.effectKind;
        }
        if (r.effectKind != 2 && r.effectKind != 3) {
            EXPECT_EQ(e->amount, r.effectAmount) << row;
        }
    }
    EXPECT_EQ(checked, 44);
}

// --- Menus -----------------------------------------------------------------

class AutoplayMenus : public ::testing::Test {
protected:
    AutoplayMenus() : driver_(folder_.path(), 3), hands_(driver_) {
        hands_.passTitle();
        hands_.choose(205);  // <イージーMODE>, through the opening to the main menu
    }

    // Opens each page the main menu offers and holds the rules' picture of
    // every row against the page as laid out and settled.
    void expectRulesMatchEveryPage() {
        const Game& g = driver_.game();
        for (int page : {10, 20, 30, 40, 50}) {
            if (!hands_.openPage(page)) continue;
            hands_.run("tick 12");
            int shown = 0, clickable = 0;
            for (int row = 1; row < minamori::kMenuRows; ++row) {
                const minamori::tmenu& r = g.menuTable[static_cast<size_t>(row)];
                if (r.page != page) continue;
                const bool laidOut = r.shown == 1;
                shown += laidOut;
                EXPECT_EQ(ap::rowPasses(g, row), laidOut) << "row " << row;
                EXPECT_EQ(ap::rowCentreY(g, row), laidOut ? r.targetY + (r.height - 1) / 2 : -1)
                    << "row " << row;
                const bool inPicture = r.targetY + (r.height - 1) / 2 < 480;
                const bool reachable = laidOut && r.enabled == 1 && inPicture;
                clickable += reachable;
                EXPECT_EQ(ap::rowChoosable(g, row), reachable) << "row " << row;
                EXPECT_EQ(hands_.offered(row), reachable) << "row " << row;
            }
            EXPECT_GT(shown, 0) << "page " << page;
            EXPECT_GT(clickable, 0) << "page " << page;
        }
        hands_.openPage(1);
    }

    Game& game() { return driver_.game(); }

    mtest::TempFolder folder_;
    HeadlessDriver driver_;
    ap::Hands hands_;
};

TEST_F(AutoplayMenus, RulesForeseeTheFirstYear) { expectRulesMatchEveryPage(); }

TEST_F(AutoplayMenus, RulesForeseeACrowdedCareer) {
    // A member of the diet with titles, money, a used-up past and a busy year:
    // the long pages push rows below the picture, some rows are spent, some
    // cannot be paid for, and some do not fit in the days left.
    minamori::tmy& m = game().my;
    m.level = 9;
    m.vitality = m.intelligence = m.charisma = 12;
    m.money = 450;
    m.careerLevel = 3;
    m.ministerMonetary = m.ministerFinance = m.ministerForeign = 1;
    m.daysUsed = 300;
    m.itemCount[2] = m.itemCount[4] = 1;
    for (int row : {327, 328, 321, 323, 331, 332}) m.useCount[static_cast<size_t>(row)] = 9;
    m.useCount[339] = m.useCount[340] = 1;
    m.usedThisYear[517] = m.usedThisYear[322] = 1;
    game().countries[0].opinion = 60;
    expectRulesMatchEveryPage();
}

TEST(AutoplayTitle, RulesForeseeTheTitleMenuGrowingUpward) {
    mtest::TempFolder folder;
    HeadlessDriver driver(folder.path(), 1);
    ap::Hands hands(driver);
    hands.passTitle();
    hands.run("tick 12");
    const Game& g = driver.game();
    for (int row = 200; row <= 206; ++row) {
        const minamori::tmenu& r = g.menuTable[static_cast<size_t>(row)];
        EXPECT_EQ(ap::rowCentreY(g, row), r.shown == 1 ? r.targetY + (r.height - 1) / 2 : -1)
            << "row " << row;
    }
    EXPECT_TRUE(hands.offered(205));   // <イージーMODE>
    EXPECT_FALSE(hands.offered(203));  // <ハードMODE> waits for a NORMAL clear
}

// --- The strategy ----------------------------------------------------------

// A new EASY game on its first main menu, ready to be set up by the test.
class AutoplayStrategy : public ::testing::Test {
protected:
    AutoplayStrategy() : driver_(folder_.path(), 8), hands_(driver_) {
        hands_.passTitle();
        hands_.choose(205);  // <イージーMODE>
    }
    minamori::tmy& my() { return driver_.game().my; }
    // Plays the year on screen with the strategy; returns its trace.
    std::string playYear() {
        std::ostringstream trace;
        ap::Strategy strategy(hands_, &trace);
        strategy.playYear();
        return trace.str();
    }

    mtest::TempFolder folder_;
    HeadlessDriver driver_;
    ap::Hands hands_;
};

TEST_F(AutoplayStrategy, StandsForElectionFirstThingWhenStrongEnough) {
    my().level = 2;
    my().vitality = 15;
    my().intelligence = my().charisma = 3;
    my().maxHp = my().hp = 40;
    my().money = 10;
    my().useCount[353] = 1;  // 選挙に行く
    const std::string trace = playYear();
    EXPECT_NE(trace.find("  0.0 311 "), std::string::npos) << trace;
    EXPECT_GE(my().careerLevel, 1);
}

TEST_F(AutoplayStrategy, WaitsWhileTheElectionLooksLost) {
    my().level = 2;
    my().vitality = my().intelligence = my().charisma = 3;
    my().maxHp = my().hp = 5;
    my().money = 10;
    my().useCount[353] = 1;
    ASSERT_LT(ap::battleOdds(driver_.game(), 70), 0.5);
    const std::string trace = playYear();
    EXPECT_EQ(trace.find(" 311 "), std::string::npos) << trace;
    EXPECT_EQ(my().careerLevel, 0);
}

TEST_F(AutoplayStrategy, TakesTheLastPointsOfDangerAndEndsTheYearAtOnce) {
    my().level = 3;
    my().intelligence = my().charisma = 5;
    my().money = 20;
    my().danger = 4;  // 国防論 (-5) is on sale
    const std::string trace = playYear();
    ASSERT_TRUE(hands_.ending().has_value()) << trace;
    EXPECT_EQ(hands_.ending()->outcome, ap::Outcome::kClear);
    EXPECT_EQ(hands_.ending()->year, 1);
    EXPECT_NE(trace.find(" 713 "), std::string::npos) << trace;
    EXPECT_TRUE(hands_.closed());
}

TEST_F(AutoplayStrategy, AnswersTheMiracleBoxYes) {
    my().useCount[327] = my().useCount[328] = 9;
    my().danger = 70;
    ASSERT_TRUE(hands_.openPage(50));
    ASSERT_TRUE(hands_.offered(701));  // 奇跡 危険-20％ 寿命-10年
    const auto& boxes = driver_.game().recorder().messageBoxes;
    const size_t before = boxes.size();
    hands_.choose(701);
    EXPECT_EQ(my().danger, 50);
    EXPECT_EQ(my().lifespan, 50);
    ASSERT_EQ(boxes.size(), before + 1);
    EXPECT_EQ(boxes.back().rfind("奇跡を起こそうとしています", 0), 0u) << boxes.back();
}

TEST_F(AutoplayStrategy, PlaysOnlyByClicksAndFrames) {
    ap::Strategy strategy(hands_, nullptr);
    for (int year = 0; year < 4 && !hands_.ending(); ++year) strategy.playYear();
    EXPECT_EQ(my().year, 4);
    const std::set<std::string> allowed = {"click", "rclick", "row", "tick", "answer"};
    for (const auto& [command, n] : hands_.commandCounts())
        EXPECT_TRUE(allowed.count(command)) << command << " was run " << n << " times";
    EXPECT_GT(hands_.commandCounts().at("row"), 20);
}

// --- Whole games -----------------------------------------------------------

constexpr uint64_t kSeed = 4;

TEST(AutoplayGame, AnEasyGameEndsAndASeedPlaysTheSameGame) {
    ap::PlayOptions options;
    options.difficulty = 0;
    mtest::TempFolder first, second;
    const ap::GameResult a = ap::playGame(first.path(), kSeed, options);
    EXPECT_NE(a.outcome, ap::Outcome::kLimit);
    EXPECT_EQ(a.outcome, ap::Outcome::kClear) << ap::resultLine(a);
    EXPECT_EQ(a.danger, 0);
    EXPECT_GT(a.years, 0);

    const ap::GameResult b = ap::playGame(second.path(), kSeed, options);
    EXPECT_EQ(ap::resultLine(a), ap::resultLine(b));
    EXPECT_EQ(a.frames, b.frames);

    // A folder whose last game was left running: 初期化 first, then the same game.
    {
        HeadlessDriver driver(first.path(), 99);
        ap::Hands hands(driver);
        hands.passTitle();
        hands.choose(204);  // <ノーマルMODE>
        hands.run("quit");  // saved with the game started
    }
    const ap::GameResult c = ap::playGame(first.path(), kSeed, options);
    EXPECT_EQ(ap::resultLine(a), ap::resultLine(c));

    EXPECT_EQ(ap::summaryLine({a, b, c}).rfind("games 3 clear 3 (100%) TRUE END 0 (0%)", 0), 0u)
        << ap::summaryLine({a, b, c});
}

TEST(AutoplayGame, TheYearLimitStopsAGame) {
    ap::PlayOptions options;
    options.difficulty = 1;
    options.yearLimit = 3;
    mtest::TempFolder folder;
    const ap::GameResult r = ap::playGame(folder.path(), 11, options);
    EXPECT_EQ(r.outcome, ap::Outcome::kLimit);
    EXPECT_EQ(r.years, 3);
    EXPECT_EQ(ap::resultLine(r).rfind("seed 11 NORMAL limit years 3 danger ", 0), 0u)
        << ap::resultLine(r);
}

TEST(AutoplayGame, HardIsOfferedOnlyAfterANormalClear) {
    mtest::TempFolder folder;
    EXPECT_TRUE(ap::modeOffered(folder.path(), 1));
    EXPECT_FALSE(ap::modeOffered(folder.path(), 2));
    ap::PlayOptions options;
    options.difficulty = 2;
    EXPECT_THROW(ap::playGame(folder.path(), 1, options), std::runtime_error);
}

}  // namespace
