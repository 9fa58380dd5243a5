// The grassroots activities: pay, debts, offices, battles and their stakes.
#include "core/random.h"
#include "executor_fixture.h"

using namespace minamori;

namespace {

using Lines = std::vector<std::string>;

class ActivityCommands : public mtest::ActionTest {};

TEST_F(ActivityCommands, WagesFollowHomeGdpAndCareer) {
    struct Case {
        int32_t gdp, career, wage;
    };
    for (const Case c : {Case{109, 0, 1}, Case{590, 0, 5}, Case{590, 2, 15}}) {
        game.countries[kJapan].gdp = c.gdp;
        game.my.careerLevel = c.career;
        game.my.money = 0;
        run(300);
        EXPECT_EQ(game.my.money, c.wage) << "gdp " << c.gdp << " career " << c.career;
        EXPECT_EQ(game.menu.currentPage, 10);  // reopened with the new money
        game.queue.clearQueue();
    }
}

TEST_F(ActivityCommands, RepayingPaysWhatTheMoneyAllows) {
    game.my.money = 0;
    game.my.debt = 5;
    run(330);
    EXPECT_TRUE(logged("0円を返済しました", kAqua));
    EXPECT_EQ(game.my.debt, 5);
    game.my.money = 3;
    run(330);
    EXPECT_EQ(game.my.debt, 2);
    EXPECT_EQ(game.my.money, 0);
    game.my.money = 10;
    run(330);
    EXPECT_TRUE(logged("全額返済しました", kAqua));
    EXPECT_EQ(game.my.debt, 0);
    EXPECT_EQ(game.my.money, 8);
    run(330);
    EXPECT_EQ(game.my.money, 8);
}

TEST_F(ActivityCommands, ElectionsQueueTheirDrawsThenTheBattleAndItsStakes) {
    struct Case {
        int32_t row, money, office, base, others;
    };
    for (const Case c : {Case{311, 5, 1, 6, 1}, Case{313, 20, 3, 8, 5}, Case{320, 1000, 4, 11, 7}}) {
        game.queue.clearQueue();
        game.battle.stakes.winDanger = -9;  // left by an earlier battle: must not carry over
        game.my.money = c.money;
        Random probe = game.rng;
        run(c.row);
        Lines expected = {"exp" + std::to_string(c.base + probe.R(5))};
        for (const char* kind : {"intexp", "vitexp", "tokuexp"})
            expected.push_back(kind + std::to_string(c.others + probe.R(3)));
        expected.push_back("battle" + std::to_string(69 + c.office));
        EXPECT_EQ(queued(), expected) << "row " << c.row;  // no random battle behind it
        const BattleStakes& s = game.battle.stakes;
        EXPECT_EQ(s.originRow, c.row);
        EXPECT_EQ(s.winElection, c.office);
        EXPECT_EQ(s.winHomeOpinion, c.office);
        EXPECT_EQ(s.winDanger, 0);
    }
    game.queue.clearQueue();
    run(359);  // 近所の見回り: a battle without stakes
    EXPECT_EQ(queued(), (Lines{"exp4", "vitexp4", "tokuexp4", "battle59"}));
    EXPECT_EQ(game.battle.stakes.originRow, 0);
}

TEST_F(ActivityCommands, MinistriesAreTakenAtOnceAndAnnouncedLater) {
    game.my.money = 700;
    run(319);
    EXPECT_EQ(game.my.ministerDefence, 1);
    EXPECT_EQ(game.log.entry(0).text, "7億円を払った");  // no line of its own
    const Lines lines = ownLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], "称号<防衛大臣>");
    EXPECT_EQ(lines[5], "一部の軍事政策が可能になりました");
}

TEST_F(ActivityCommands, ImmediateAndQueuedEffects) {
    game.my.hp = 1;
    game.my.maxHp = 6;
    run(327);  // 氏神様を参拝する
    EXPECT_EQ(game.my.hp, 6);
    EXPECT_EQ(game.my.exp, 0);
    EXPECT_EQ(ownLines(), (Lines{"exp2", "intexp1", "tokuexp1"}));

    game.queue.clearQueue();
    run(339);  // 勉強:使命
    EXPECT_EQ(game.my.exp, 2);
    EXPECT_EQ(ownLines().back(), "intexp2");

    game.countries[kJapan].gdp = 1200;
    const struct {
        int32_t row;
        Lines lines;
    } cases[] = {
        {324, {"exp8", "vitexp4", "china_yoron-1", "danger-1"}},
        {352, {"exp10", "vitexp7", "tokuexp7", "yoron-10", "china_yoron10"}},
        {333, {"exp2", "vitexp1", "gold3", "gdpup1"}},  // GDP 1200 div 600, plus 1
        {367, {"yoron2", "china_yoron2", "taiwan_yoron2", "usa_yoron2"}},
    };
    for (const auto& c : cases) {
        game.queue.clearQueue();
        game.my.money = 10;
        run(c.row);
        EXPECT_EQ(ownLines(), c.lines) << "row " << c.row;
    }
}

TEST_F(ActivityCommands, TheComputerIsDrawnForEvenWhenOneIsHeld) {
    for (int32_t held = 0; held <= 1; ++held) {
        game.my.itemCount[4] = held;
        for (int attempt = 0; attempt < 30; ++attempt) {
            game.queue.clearQueue();
            game.my.money = 2;
            Random probe = game.rng;
            run(301);
            Lines expected = {"exp2", "vitexp" + std::to_string(2 + probe.R(2)), "tokuexp3"};
            if (probe.R(5) == 0) expected.push_back("yoron1");
            if (probe.R(5) == 0 && held == 0) expected.insert(expected.end(), {"古いパソコンを貰いました", "item4"});
            EXPECT_EQ(ownLines(), expected);
        }
    }
}

}  // namespace
