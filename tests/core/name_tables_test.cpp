// The fixed names: opponents by number, items by id, and the countries in play.
#include <gtest/gtest.h>

#include <string>

#include "core/name_tables.h"
#include "game/game.h"

using namespace minamori;

TEST(Opponents, TableHoldsRandomAndStoryOpponentsByNumber) {
    const auto& table = opponentTable();
    ASSERT_EQ(table.size(), 100u);
    for (size_t n = 0; n < table.size(); ++n) {
        const tenemy& e = table[n];
        const bool random = n >= 1 && n <= 15;
        const bool story = (n >= 50 && n <= 62) || (n >= 64 && n <= 83);
        if (random) {
            EXPECT_FALSE(e.name.empty()) << n;
            EXPECT_EQ(e.story, 0) << n;
            EXPECT_EQ(e.level, static_cast<int32_t>(n) - 1) << n;
        } else if (story) {
            EXPECT_FALSE(e.name.empty()) << n;
            EXPECT_EQ(e.story, 1) << n;
        } else {
            EXPECT_TRUE(e.name.empty()) << n;
            EXPECT_EQ(e.level, 0) << n;
        }
    }
    struct Named {
        int n;
        const char* name;
        int32_t level;
    };
    for (const Named& o : {Named{15, "ＣＩＡスパイ", 14}, Named{76, "3S政策で鈍化した無知脳", 15},
                           Named{77, "本当の敵", 20}}) {
        EXPECT_EQ(opponentEntry(o.n).name, o.name);
        EXPECT_EQ(opponentEntry(o.n).level, o.level) << o.n;
    }
    for (int64_t n : {int64_t{-1}, int64_t{100}, int64_t{1} << 40}) {
        EXPECT_TRUE(opponentEntry(n).name.empty()) << n;
        EXPECT_EQ(opponentEntry(n).level, 0) << n;
    }
}

TEST(Items, FiveNamedUniqueItemsAndNamelessOthers) {
    const auto& table = itemTable();
    ASSERT_EQ(table.size(), 2002u);
    for (size_t i = 0; i < table.size(); ++i) {
        const bool named = i >= 1 && i <= 5;
        EXPECT_EQ(table[i].name.empty(), !named) << i;
        EXPECT_EQ(table[i].unique, named ? 1 : 0) << i;
    }
    EXPECT_EQ(itemEntry(4).name, "古いパソコン");
    EXPECT_TRUE(itemEntry(5000).name.empty());
    EXPECT_EQ(itemEntry(-1).unique, 0);
}

TEST(Countries, NamesFillOnlyTheFourInPlay) {
    Game game;
    fillNameTables(game);
    const char* names[] = {"日本", "中国", "台湾", "米国"};
    for (size_t c = 0; c < 4; ++c) EXPECT_EQ(game.countries[c].name, names[c]);
    for (size_t c = 4; c < 10; ++c) EXPECT_TRUE(game.countries[c].name.empty()) << c;
}
