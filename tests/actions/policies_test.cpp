// The policy page: the economy it steers, the opinion it moves at once, the
// battles of the constitutional steps and of the treaty, and its own texts.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/policy_texts.h"
#include "core/cp932.h"
#include "executor_fixture.h"
#include "game/interpreter.h"
#include "view/colours.h"
#include "view/screen.h"

using namespace minamori;

namespace {

using Lines = std::vector<std::string>;

class Policies : public mtest::PlayingTest {
protected:
    Policies() { game.my.money = 999999999; }  // every policy affordable
    // Starts the battle just queued and wins it outright.
    void winQueuedBattle() {
        click();  // the battle line
        ASSERT_EQ(game.battle.battleState, 1);
        game.battle.enemy.hp = 0;
        game.battle.battleState = 2;
        click();  // the opponent falls
        click();  // the victory is settled
        ASSERT_EQ(game.battle.battleState, 0);
    }
    tcountry& home() { return game.countries[kJapan]; }
};

TEST_F(Policies, TheAdvisoryCouncilPullsGrowthTowardsThirty) {
    for (const auto& [growth, line] : {std::pair{30, "gdpup1"}, {31, "gdpup-1"}, {-60, "gdpup1"}}) {
        game.queue.clearQueue();
        home().growth = growth;
        run(430);
        EXPECT_EQ(game.log.entry(0).text, "経済諮問会議に出席しました");
        EXPECT_EQ(queued(), Lines{line}) << "growth " << growth;
    }
}

TEST_F(Policies, RadicalReformsEndAtTheGrowthFloorAndTakeTheirGdpAtOnce) {
    home().growth = 10;
    home().gdp = 150;
    run(421);  // ベーシックインカム
    clickThrough();
    EXPECT_EQ(home().growth, -60);
    EXPECT_EQ(home().gdp, 50);  // the whole 100 now, not only the 70 down to the floor

    home().growth = 10;
    home().gdp = 60;
    run(422);  // ゼクトール経済導入
    clickThrough();
    EXPECT_EQ(home().growth, -60);
    EXPECT_EQ(home().gdp, 0);
    EXPECT_EQ(game.countries[kChina].opinion, 100);
}

TEST_F(Policies, AbolishingTheTeachersUnionMovesOpinionBeforeAnyClick) {
    home().opinion = 50;
    run(437);
    EXPECT_EQ(home().opinion, 60);
    EXPECT_EQ(game.log.entry(0).text, "日本の世論が 10pt.好転しました");
    EXPECT_EQ(game.log.entry(1).text, "日教組を廃止させました");
    EXPECT_EQ(queued(), Lines{"ようやく日本の子供達が、呪縛から解き放たれました"});
}

TEST_F(Policies, TheTppEstimateIsPaidAsMoney) {
    game.my.money = 0;
    run(412);
    const Lines lines = queued();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2],
              "かつての民主党政権下の内閣府の試算通り毎年2000億分のGDP成長効果が見られました");
    for (int i = 0; i < 4; ++i) click();  // up to the line after the estimate
    EXPECT_EQ(game.my.money, 200000);
    EXPECT_EQ(game.log.entry(0).text, "お金 2000億円を入手");
}

TEST_F(Policies, ConstitutionalStepsFightForTheirStepAlone) {
    for (int32_t step = 1; step <= 4; ++step) {
        const int32_t row = 432 + step;
        game.queue.clearQueue();
        game.battle.stakes.winDanger = -9;  // left by an earlier battle: must not carry over
        game.battle.stakes.winTreatyEnd = 1;
        run(row);
        EXPECT_EQ(queued(), Lines{"battle" + std::to_string(77 + step)});
        const BattleStakes& s = game.battle.stakes;
        EXPECT_EQ(s.originRow, row);
        EXPECT_EQ(s.winConstitution, step);
        EXPECT_EQ(s.winDanger, 0);
        EXPECT_EQ(s.winTreatyEnd, 0);
    }
    game.queue.clearQueue();
    game.my.useCount[433] = 0;
    run(433);  // 憲法改正
    winQueuedBattle();
    const Lines won = queued();
    ASSERT_FALSE(won.empty());
    EXPECT_EQ(won.front(), "見事、憲法改正を成し遂げました!!");
    EXPECT_EQ(game.my.useCount[433], 1);  // a won step stays done
}

TEST_F(Policies, AWonTreatyCancellationIsKeptAndClearsTheDanger) {
    game.my.danger = 120;
    game.my.money = 500000000;
    game.my.difficulty = 1;
    game.countries[kUsa].opinion = 60;
    run(457);
    EXPECT_EQ(game.my.money, 0);
    EXPECT_EQ(queued(), Lines{"battle77"});
    EXPECT_EQ(game.battle.stakes.originRow, 457);
    EXPECT_EQ(game.battle.stakes.winTreatyEnd, 1);

    winQueuedBattle();
    clickThrough();
    EXPECT_EQ(game.my.danger, 0);
    EXPECT_EQ(game.my.useCount[457], 1);
    EXPECT_EQ(game.countries[kUsa].opinion, 50);  // -100 to the floor, then +50
    // The next morning's TRUE CLEAR follows from the row's use (the year's tests).
}

TEST_F(Policies, TheEssayIsReadLineByLineAndOnlyMovesTheUs) {
    game.countries[kUsa].opinion = 20;
    run(456);  // 陰謀論
    const Lines lines = queued();
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines.front(), "midi ruin.mid");
    EXPECT_EQ(lines.back(), "usa_yoron100");
    EXPECT_TRUE(game.log.entry(0).text.ends_with("を払った"));  // no line of its own

    const tmy before = game.my;
    const tcountry homeBefore = home();
    int messages = 0;
    while (!game.queue.empty()) {
        click();
        if (game.log.entry(0).code == colourCode("silver")) ++messages;
    }
    EXPECT_EQ(messages, 43);
    EXPECT_EQ(game.recorder().music.back(), "ruin.mid");
    EXPECT_EQ(game.countries[kUsa].opinion, 100);
    EXPECT_EQ(game.my, before);
    EXPECT_EQ(home(), homeBefore);
}

TEST_F(Policies, OwnTextsFitTheLogAndTheCodePage) {
    std::vector<std::string> texts(policytext::kWhoGained.begin(), policytext::kWhoGained.end());
    texts.push_back(policytext::kPlanningAgencyRevived);
    for (const std::string& text : texts) {
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(utf8ToCp932(text).find('?'), std::string::npos) << text;
        EXPECT_LE(game.text.wrap(text, kFormFont, kLogBoxWidth).size(), 2u) << text;
    }
    run(440);  // 経済企画庁の復活
    EXPECT_EQ(game.log.entry(0).text, policytext::kPlanningAgencyRevived);
    EXPECT_EQ(queued(), (Lines{"gdpup5", "アメリカからの圧力を受けました", "usa_yoron-5"}));
}

}  // namespace
