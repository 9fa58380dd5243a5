// The status panels: smoothing of the shown figures, the bars and colour bands
// at their edges, and the world panel's rows.
#include <gtest/gtest.h>

#include "core/state.h"
#include "game/game.h"
#include "solid_fonts.h"
#include "view/panels.h"
#include "view/screen.h"

namespace {

using minamori::Game;
using minamori::Pixel;

class Panels : public ::testing::Test {
protected:
    mtest::SolidFonts fonts;
    Game game{minamori::Services{nullptr, nullptr, nullptr, &fonts}, {}, 1};
    void SetUp() override {
        minamori::newGame(game);
        game.countries[0].name = "日本";
        game.countries[3].name = "米国";
        game.inGame = 1;
        game.screen.cg.fill(0);
    }
    Pixel at(int x, int y) const { return game.screen.cg.at(x, y); }
    void draw() {
        game.screen.cg.fill(0);
        minamori::drawPlayerPanel(game);
    }
};

TEST(FollowValue, StepsATenthOfTheGapPlusOneWithoutOvershooting) {
    int32_t shown = 365;
    minamori::followValue(shown, 0);
    EXPECT_EQ(shown, 328);
    shown = 0;
    minamori::followValue(shown, 3);
    EXPECT_EQ(shown, 1);
    for (int i = 0; i < 5; ++i) minamori::followValue(shown, 3);
    EXPECT_EQ(shown, 3);
    shown = 10;
    minamori::followValueSnapDown(shown, 4);
    EXPECT_EQ(shown, 4);
    minamori::followValueSnapDown(shown, -3);
    EXPECT_EQ(shown, 0);
    shown = INT32_MIN;
    minamori::followValue(shown, INT32_MAX);  // no overflow
    EXPECT_GT(shown, INT32_MIN);
}

TEST_F(Panels, HpLossShowsRedOneFrameThenTheBarSnaps) {
    game.my.hp = game.my.maxHp = 10;
    game.displayed.shownHp = 10;
    game.my.hp = 4;
    draw();
    EXPECT_EQ(at(329, 53), 0x990000u);  // background of the frame of a loss
    EXPECT_EQ(at(79 + 240, 53), 0x99CCCCu);  // the bar still shows 10 of 10
    EXPECT_EQ(game.displayed.shownHp, 4);
    draw();
    EXPECT_EQ(at(329, 53), 0x225555u);
    EXPECT_EQ(at(79 + 99, 53), 0x99CCCCu);  // 4 of 10: 100 pixels
    EXPECT_EQ(at(79 + 101, 53), 0x225555u);

    game.my.hp = 10;  // recovering: a lighter bar growing a tenth of the gap plus one
    draw();
    EXPECT_EQ(at(80, 53), 0xAADDDDu);
    EXPECT_EQ(game.displayed.shownHp, 5);
}

TEST_F(Panels, ColourBandsAtTheirEdges) {
    struct Case {
        int32_t hp, maxHp;
        Pixel colour;
    };
    for (const Case& c : {Case{41, 100, 0xC0C0C0}, Case{50, 100, 0xC0C0C0}, Case{51, 100, 0xBBBBBB},
                          Case{100, 100, 0xBBCCCC}, Case{10, 100, 0xFF4444}, Case{11, 100, 0xFF6666}}) {
        game.my.hp = c.hp;
        game.my.maxHp = c.maxHp;
        draw();
        EXPECT_EQ(at(3, 48), c.colour) << c.hp;
    }
    for (auto [years, colour] : {std::pair{9, 0xCC0000u}, {10, 0xCC6666u}, {30, 0xC0C0C0u}}) {
        game.my.lifespan = years;
        draw();
        EXPECT_EQ(at(3, 18), colour) << years;
    }
}

// Found by the soak: a figure far past its maximum overflowed the bar's end.
TEST_F(Panels, FiguresFarPastTheirMaximumFillTheirBars) {
    game.my.intelligence = 1;
    game.my.intelligenceExp = INT32_MAX;
    game.displayed.shownIntelligenceExp = INT32_MAX;
    game.my.maxHp = 1;
    game.my.hp = game.displayed.shownHp = INT32_MAX;
    draw();
    EXPECT_EQ(at(129 + 89, 97), 0x9999CCu);
    EXPECT_EQ(at(79 + 249, 53), 0x99CCCCu);
}

TEST_F(Panels, EnemyPanelOnlyInBattle) {
    game.battle.enemy.name = "敵";
    game.battle.enemy.hp = game.battle.enemy.maxHp = 10;
    draw();
    EXPECT_EQ(at(3, 153), 0u);
    game.battle.battleState = 1;
    draw();
    EXPECT_EQ(at(3, 153), 0xC0C0C0u);
    EXPECT_EQ(at(329, 173), 0x552255u);
}

TEST_F(Panels, WorldRowsSkipNamelessCountriesAndDebtShowsOnlyAboveZero) {
    minamori::Canvas picture;
    minamori::drawWorldPanel(game, picture);
    EXPECT_NE(picture.at(3, 126), 0u);  // 米国, the first named record from 9 down
    EXPECT_NE(picture.at(3, 141), 0u);  // 日本 next: 中国 and 台湾 have no name here
    EXPECT_EQ(picture.at(3, 156), 0u);
    EXPECT_EQ(picture.at(3, 201), 0xC0C0C0u);  // the fixed rows stay where they are
    EXPECT_EQ(picture.at(3, 216), 0xC0C0C0u);
    EXPECT_EQ(picture.at(151, 261), 0u);

    game.my.debt = 1;
    minamori::drawWorldPanel(game, picture);
    EXPECT_EQ(picture.at(151, 261), 0x997766u);

    minamori::Canvas hidden;
    game.battle.battleState = 1;  // the world panel stays out of a battle
    minamori::drawWorldPanel(game, hidden);
    for (Pixel p : hidden.pixels()) ASSERT_EQ(p, 0u);
}

}  // namespace
