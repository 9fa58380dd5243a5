// The particle effects: their lifetimes, the ring of slots, the disc of the
// ray effects, and light added to the picture by OR.
#include <gtest/gtest.h>

#include "game/frame.h"
#include "game/game.h"
#include "script/stats.h"
#include "view/effects.h"
#include "view/screen.h"

namespace {

using minamori::Game;

// Runs frames of the effects layer alone, as the frame does: cleared, then drawn.
void runFrames(Game& game, int n) {
    for (int i = 0; i < n; ++i) {
        game.screen.bak.fill(0);
        minamori::drawEffects(game);
    }
}

TEST(Effects, LevelUpLastsTwentyTwoFramesWithTheStreaksLast) {
    Game game;
    game.my.exp = 49;
    minamori::gainExp(game, 1);
    const auto& slots = game.effects.slots;  // 252, 253, 159 and 168 (the figures' tests)

    runFrames(game, 16);
    EXPECT_GT(slots[3].age, 0);
    runFrames(game, 1);  // 159 ends after age 17
    EXPECT_EQ(slots[3].age, -1);
    runFrames(game, 3);
    EXPECT_EQ(slots[1].age, -1);
    EXPECT_EQ(slots[2].age, -1);
    EXPECT_GT(slots[4].age, 0);
    runFrames(game, 2);
    EXPECT_EQ(slots[4].age, -1);
}

TEST(Effects, RayDiscGrowsThenStays) {
    Game game;
    minamori::startEffect(game, 320, 240, 253);
    minamori::startEffect(game, 320, 240, 255);
    std::vector<int32_t> warm, cool;
    for (int i = 0; i < 6; ++i) {
        runFrames(game, 1);
        warm.push_back(game.effects.slots[1].ringRadius);
        cool.push_back(game.effects.slots[2].ringRadius);
    }
    EXPECT_EQ(warm, (std::vector<int32_t>{16, 25, 30, 33, 34, 34}));
    EXPECT_EQ(cool, (std::vector<int32_t>{11, 17, 20, 21, 21, 21}));
}

TEST(Effects, SlotsAreReusedInRingOrder) {
    Game game;
    for (int i = 0; i < 101; ++i) minamori::startEffect(game, i, 0, 252);
    EXPECT_EQ(game.effects.effectCursor, 1);
    EXPECT_EQ(game.effects.slots[1].x, 100);  // the 101st replaced the first
    EXPECT_EQ(game.effects.slots[0].x, 99);
    minamori::startEffect(game, 0, 0, 9999);  // no such kind: ends at once, draws nothing
    runFrames(game, 1);
    EXPECT_EQ(game.effects.slots[2].age, -1);
}

TEST(Effects, TheLayerAddsLightToTheFrameAndIsClearedEachFrame) {
    Game game;
    game.titleStage = 0;
    game.worldPanelDirty = 0;
    game.screen.backgroundLayer.fill(0x000040);
    minamori::startEffect(game, 320, 240, 168);
    minamori::drawFrame(game);
    int lit = 0;
    for (minamori::Pixel p : game.screen.cg.pixels()) {
        EXPECT_EQ(p & 0x40, 0x40u);  // OR never takes light away
        lit += p != 0x000040;
    }
    EXPECT_GT(lit, 0);
    for (int i = 0; i < 25; ++i) minamori::drawFrame(game);
    for (minamori::Pixel p : game.screen.cg.pixels()) ASSERT_EQ(p, 0x000040u);
}

}  // namespace
