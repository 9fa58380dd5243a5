// Figure changes: what they change, what they log and play, and the queued forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/name_tables.h"
#include "core/state.h"
#include "game/game.h"
#include "script/stats.h"

using namespace minamori;

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

class Stats : public ::testing::Test {
protected:
    Stats() {
        newGame(game);
        fillNameTables(game);
    }
    void expectLog(const std::string& text, int32_t code) {
        EXPECT_EQ(game.log.entry(0).text, text);
        EXPECT_EQ(game.log.entry(0).code, code) << text;
    }
    // The effects started since the last reset are these kinds, in consecutive slots.
    void expectEffects(std::vector<int32_t> kinds, int32_t x, int32_t y) {
        const auto& slots = game.effects.slots;
        const auto first = std::find_if(slots.begin(), slots.end(), [](const EffectSlot& e) { return e.age > 0; });
        ASSERT_NE(first, slots.end());
        for (size_t k = 0; k < kinds.size(); ++k) {
            const EffectSlot& e = slots[(static_cast<size_t>(first - slots.begin()) + k) % slots.size()];
            EXPECT_TRUE(e.age > 0 && e.kind == kinds[k] && e.x == x && e.y == y) << "effect " << k;
        }
    }
    Game game;
};

TEST_F(Stats, LevelUpResetsExperienceRaisesHpAndCelebrates) {
    game.my.exp = 45;
    gainExp(game, 10);
    EXPECT_EQ(game.my.level, 1);
    EXPECT_EQ(game.my.exp, 0);
    EXPECT_EQ(game.my.maxHp, 4);
    expectLog("LVUP!!! HP最大値+1", 304);
    expectEffects({252, 253, 159, 168}, 32, 38);
}

TEST_F(Stats, PointGainsFollowTheirKind) {
    game.my.expBonus = 3;
    gainVitalityExp(game, 1);
    EXPECT_EQ(game.my.vitalityExp, 4);
    expectLog("体力経験値 4を入手", 308);
    gainVitalityExp(game, 3);  // 4 + (3 + 3) reaches the 10 a first point needs
    EXPECT_EQ(game.my.vitality, 1);
    EXPECT_EQ(game.my.maxHp, 4);
    expectLog("体力UP!! HP最大値+1", 304);

    game.my.expBonus = 0;
    game.effects = Effects{};
    gainIntelligenceExp(game, 9);
    EXPECT_EQ(game.my.intelligence, 0);
    gainIntelligenceExp(game, 1);  // exactly 10
    EXPECT_EQ(game.my.intelligence, 1);
    EXPECT_EQ(game.my.intelligenceExp, 0);
    expectEffects({254, 255}, 45, 97);

    game.effects = Effects{};
    gainCharismaExp(game, 10);
    EXPECT_EQ(game.my.charisma, 1);
    expectEffects({254, 255}, 45, 112);
    EXPECT_EQ(game.my.maxHp, 4);  // neither raises hit points
}

// One change on a new game: the figure after it, its log line and its sound.
struct ChangeCase {
    const char* what;
    void (*change)(Game&);
    int32_t* (*field)(Game&);
    int32_t expected;
    const char* log;    // null: not checked; empty: nothing may be logged
    int32_t code;
    const char* sound;  // null: not checked; empty: nothing may be played
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.what; }

int32_t* money(Game& g) { return &g.my.money; }
int32_t* danger(Game& g) { return &g.my.danger; }

class Change : public Stats, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(Change, UpdatesLogsAndPlays) {
    const ChangeCase& c = GetParam();
    c.change(game);
    EXPECT_EQ(*c.field(game), c.expected);
    if (c.log) {
        EXPECT_EQ(game.log.entry(0).text, c.log);
        EXPECT_TRUE(!*c.log || game.log.entry(0).code == c.code) << game.log.entry(0).code;
    }
    const auto& sounds = game.recorder().sounds;
    if (c.sound && *c.sound) {
        EXPECT_NE(std::find(sounds.begin(), sounds.end(), c.sound), sounds.end()) << c.sound;
    } else if (c.sound) {
        EXPECT_TRUE(sounds.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Change,
    ::testing::Values(
        ChangeCase{"pay", [](Game& g) { g.my.money = 1; changeMoney(g, -3); }, money, 0, "お金 300万円を支払いました", 313, ""},
        ChangeCase{"pay nothing", [](Game& g) { changeMoney(g, 0); }, money, 5, "", 0, ""},
        ChangeCase{"earn", [](Game& g) { changeMoney(g, 150); }, money, 155, "お金 1億5000万円を入手", 308, "coin.wav"},
        ChangeCase{"growth", [](Game& g) { changeGrowth(g, 1, -2); }, [](Game& g) { return &g.countries[1].growth; }, 5, "中国の成長度が 2pt.冷え込みました", 310, nullptr},
        ChangeCase{"growth moves gdp", [](Game& g) { changeGrowth(g, 1, -2); }, [](Game& g) { return &g.countries[1].gdp; }, 818, "中国の成長度が 2pt.冷え込みました", 310, nullptr},
        ChangeCase{"opinion zero still clamps", [](Game& g) { g.countries[0].opinion = 150; changeOpinion(g, 0, 0); }, [](Game& g) { return &g.countries[0].opinion; }, 100, "", 0, ""},
        ChangeCase{"opinion", [](Game& g) { changeOpinion(g, 0, 5); }, [](Game& g) { return &g.countries[0].opinion; }, 55, "日本の世論が 5pt.好転しました", 306, "meisei.wav"},
        ChangeCase{"military", [](Game& g) { changeMilitary(g, 3, -5); }, [](Game& g) { return &g.countries[3].military; }, 145, "米国の軍事力が 5万pt.縮小しました", 310, "down.wav"},
        ChangeCase{"danger up", [](Game& g) { changeDanger(g, 3); }, danger, 53, "尖閣危険度が 3pt.上昇しました", 310, "down.wav"},
        ChangeCase{"danger down", [](Game& g) { changeDanger(g, -3); }, danger, 47, "尖閣危険度が 3pt.改善されました", 306, "up.wav"},
        ChangeCase{"no exp", [](Game& g) { g.my.expBonus = 3; gainExp(g, 0); gainExp(g, -5); gainIntelligenceExp(g, 0); }, [](Game& g) { return &g.my.exp; }, 0, "", 0, ""},
        ChangeCase{"no item", [](Game& g) { giveItem(g, 5000); giveItem(g, -1); }, money, 5, "", 0, ""},
        // Extremes never overflow: sums are held at the limits, then in range.
        ChangeCase{"money max", [](Game& g) { g.my.money = kMax; changeMoney(g, kMax); }, money, 999999999, nullptr, 0, "coin.wav"},
        ChangeCase{"money min", [](Game& g) { changeMoney(g, kMin); }, money, 0, nullptr, 0, ""},
        ChangeCase{"level max", [](Game& g) { g.my.level = kMax; g.my.exp = kMax; gainExp(g, kMax); }, [](Game& g) { return &g.my.level; }, kMax, nullptr, 0, "exp.wav"},
        ChangeCase{"danger min", [](Game& g) { changeDanger(g, kMin); }, danger, 0, "尖閣危険度が 2147483648pt.改善されました", 306, "up.wav"},
        ChangeCase{"lifespan min", [](Game& g) { changeLifespan(g, kMin); }, [](Game& g) { return &g.my.lifespan; }, 0, nullptr, 0, ""},
        ChangeCase{"gdp max", [](Game& g) { changeGrowth(g, 0, kMax); }, [](Game& g) { return &g.countries[0].gdp; }, kMax, nullptr, 0, nullptr}));

class OutsideCountry : public Stats, public ::testing::WithParamInterface<int32_t> {};

TEST_P(OutsideCountry, IsIgnoredQuietly) {
    const int32_t c = GetParam();
    changeOpinion(game, c, 5);
    changeGrowth(game, c, -5);
    changeMilitary(game, c, 5);
    EXPECT_TRUE(game.log.entry(0).text.empty()) << game.log.entry(0).text;
    EXPECT_TRUE(game.recorder().sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(Indices, OutsideCountry, ::testing::Values(4, -1, 99));

TEST_F(Stats, UniqueItemsAreHeldOnce) {
    giveItem(game, 2);
    giveItem(game, 2);
    EXPECT_EQ(game.my.itemCount[2], 1);
    EXPECT_EQ(game.log.entry(0).text.find("Item【日章旗】"), 0u);
    EXPECT_TRUE(game.log.entry(1).text.empty());

    giveItem(game, 7);
    giveItem(game, 7);
    EXPECT_EQ(game.my.itemCount[7], 2);
    expectLog("Item【】を 1個入手した(所持:2個)", 301);

    addItems(game, 2, 1);
    EXPECT_EQ(game.my.itemCount[2], 2);
}

TEST_F(Stats, EmittersQueueTheMatchingLine) {
    queueOpinion(game, 4, 5);
    EXPECT_TRUE(game.queue.empty());
    queueOpinion(game, 1, -3);
    queueMilitary(game, 2, 4);
    queueGrowth(game, 3, 1);
    queueDanger(game, -1);
    queueItem(game, 2);
    queueExp(game, 1);
    queueIntelligenceExp(game, 2);
    queueVitalityExp(game, 3);
    queueCharismaExp(game, 4);
    const char* expected[] = {"china_yoron-3", "taiwan_miri4", "usa_gdpup1", "danger-1", "item2",
                              "exp1",          "intexp2",      "vitexp3",    "tokuexp4"};
    ASSERT_EQ(game.queue.size(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(game.queue.slot(i), expected[i]);
}

}  // namespace
