// The miracle page: consent and what a refusal gives back, the miracles that
// trade years of life, and the shop's goods with their lasting bonuses.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "actions/year_update.h"
#include "battle/battle.h"
#include "executor_fixture.h"
#include "game/interpreter.h"
#include "view/colours.h"

using namespace minamori;

namespace {

using Lines = std::vector<std::string>;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
const std::string kConsent = "奇跡を起こそうとしています\n本当によろしいですか？";

class Miracles : public mtest::PlayingTest {
protected:
    void answer(bool yes) { game.recorder().answerYes = yes; }
    const std::vector<std::string>& boxes() { return game.recorder().messageBoxes; }
};

TEST_F(Miracles, DecliningGivesTheUseBackButKeepsTheRowDoneThisYear) {
    answer(false);
    game.my.money = 20;
    for (const int32_t row : {700, 704, 750}) {
        game.my.useCount[row] = 0;
        run(row);
        EXPECT_EQ(game.my.useCount[row], 0) << "row " << row;
        EXPECT_EQ(game.my.usedThisYear[row], 1);
    }
    EXPECT_EQ(boxes(), (Lines{kConsent, kConsent, kConsent}));
    EXPECT_TRUE(game.queue.empty());
    EXPECT_EQ(game.my.lifespan, 60);
    EXPECT_EQ(game.my.money, 20);
    EXPECT_FALSE(logged("日本の神に祈りを捧げました....", kSilver));

    // A row past the per-row bookkeeping is declined without touching it.
    game.menuTable[2500].page = 50;
    game.menuTable[2500].slot = 1;
    const tmy before = game.my;
    run(2500);
    EXPECT_EQ(game.my, before);
}

TEST_F(Miracles, TheStatusMiracleGivesOneOfEachForFortyYears) {
    answer(true);
    game.my.money = 0;
    run(704);
    EXPECT_EQ(boxes(), Lines{kConsent});
    EXPECT_EQ(game.log.entry(0).text, "日本の神に祈りを捧げました....");
    EXPECT_EQ(game.queue.slot(0), "se rebirth.wav");
    clickThrough();
    EXPECT_TRUE(played("rebirth.wav"));
    EXPECT_EQ(game.my.money, 100);
    EXPECT_EQ(game.my.level, 1);
    EXPECT_EQ(game.my.vitality, 1);
    EXPECT_EQ(game.my.intelligence, 1);
    EXPECT_EQ(game.my.charisma, 1);
    EXPECT_EQ(game.my.lifespan, 20);
    EXPECT_EQ(game.my.useCount[704], 1);
}

TEST_F(Miracles, TheDivineWindClearsAtDangerZeroAndKillsOtherwise) {
    answer(true);
    for (const int32_t danger : {0, 1}) {
        newGame(game);
        game.queue.clearQueue();
        game.my.lifespan = 30;
        game.my.danger = danger;
        game.my.money = 0;
        run(750);
        EXPECT_EQ(game.log.entry(0).text, "神風が吹く....");
        clickThrough();
        EXPECT_EQ(game.my.money, 500000000);
        EXPECT_EQ(game.my.lifespan, 0);
        endYear(game);
        click();  // "年が変わります...."
        click();  // the morning
        const Lines morning = queued();
        const bool cleared =
            std::find(morning.begin(), morning.end(), "GAMECLEAR") != morning.end();
        const bool over = std::find(morning.begin(), morning.end(), "GAMEOVER") != morning.end();
        EXPECT_EQ(cleared, danger == 0) << "danger " << danger;
        EXPECT_EQ(over, danger != 0) << "danger " << danger;
    }
}

TEST_F(Miracles, VoicesNeedNoConsentAndMoveHomeOpinionAtOnce) {
    answer(false);
    game.countries[kJapan].opinion = 50;
    run(729);  // 奇跡 英霊の声
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(game.countries[kJapan].opinion, 55);
    EXPECT_EQ(game.log.entry(1).text, "英霊の声が聞こえたような気がしました....");
    EXPECT_EQ(queued(), (Lines{"se rebirth.wav", "奇跡が起きた!!", "gdpup5", "life_up1"}));
    clickThrough();
    EXPECT_EQ(game.my.lifespan, 61);
}

TEST_F(Miracles, AnExperienceBonusHoldsBeforeItsAnnouncementIsRead) {
    game.my.money = 10;
    run(715);  // 海軍カレー
    EXPECT_EQ(game.my.expBonus, 1);
    EXPECT_EQ(game.my.money, 7);
    EXPECT_EQ(game.log.entry(0).text, "【海軍カレー】を購入しました!!");
    EXPECT_EQ(game.log.entry(0).code, colourCode("green"));
    EXPECT_TRUE(logged("300万円を払った", kGray));
    EXPECT_EQ(queued(), Lines{"全ての入手経験値が+1されるようになった!!"});
    run(716);  // Ｚ旗: the bonuses add up
    EXPECT_EQ(game.my.expBonus, 3);
}

TEST_F(Miracles, TheOneUnitGauntletAddsAMillionToEveryBattleWon) {
    game.my.money = 1;
    run(738);  // ガルデンの篭手
    EXPECT_EQ(game.my.money, 0);
    EXPECT_TRUE(logged("100万円を払った", kGray));
    EXPECT_EQ(game.my.battleMoneyBonus, 1);
    EXPECT_EQ(queued(), Lines{"敵からの入手金が +100万円されるようになった!!"});

    game.queue.clearQueue();
    startBattle(game, 1);
    const int32_t level = game.battle.enemy.level;
    game.battle.enemy.hp = 0;
    game.battle.battleState = 2;
    battleStep(game);
    battleStep(game);
    EXPECT_EQ(game.my.money, level + 2);
}

TEST_F(Miracles, ShopKindsQueueTheirEffectAndHoldAtTheLimits) {
    tmenu& good = game.menuTable[705];
    const struct {
        int32_t kind, amount;
        Lines lines;
    } cases[] = {{1, 3, {"MAXHP3"}},   {3, 3, {"danger-3"}}, {7, 3, {"toku_up3"}},
                 {8, 3, {"life_up3"}}, {10, 3, {}},          {3, kMin, {"danger2147483647"}}};
    for (const auto& c : cases) {
        game.queue.clearQueue();
        good.effectKind = c.kind;
        good.effectAmount = c.amount;
        game.my.money = 6;
        run(705);
        EXPECT_EQ(game.log.entry(0).text, "【着物】を購入しました!!");
        EXPECT_EQ(queued(), c.lines) << "kind " << c.kind << " amount " << c.amount;
    }
    good.effectAmount = 5;
    for (const int32_t kind : {4, 9}) {
        game.my.expBonus = kMax - 1;
        game.my.battleMoneyBonus = kMax - 1;
        good.effectKind = kind;
        game.my.money = 6;
        run(705);
        EXPECT_EQ(kind == 4 ? game.my.expBonus : game.my.battleMoneyBonus, kMax);
    }
}

}  // namespace
