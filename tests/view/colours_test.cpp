// Log colours: names to codes, the animated shades, and the message log itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "view/colours.h"
#include "view/log.h"
#include "view/message_log.h"

using namespace minamori;

namespace {

TEST(ColourNames, EveryCodeHasItsNameAndOnlyExactNamesCount) {
    for (int32_t code = 301; code <= 320; ++code) {
        if (code == 311) continue;  // no colour of its own
        EXPECT_FALSE(colourName(code).empty()) << code;
        EXPECT_EQ(colourCode(colourName(code)), code) << code;
    }
    EXPECT_EQ(colourCode("green"), 301);
    EXPECT_EQ(colourCode("silver"), 316);
    EXPECT_EQ(colourCode("pink4"), 320);
    // Names match exactly; anything else sets no colour.
    for (const char* name : {"Red", "", "red "}) EXPECT_EQ(colourCode(name), kColourNone) << name;
}

struct ShadeCase {
    int32_t code;
    int64_t step;
    std::optional<uint32_t> rgb;
};

void PrintTo(const ShadeCase& c, std::ostream* os) { *os << c.code << " step " << c.step; }

class Shades : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(Shades, FollowTheAnimationStep) {
    const ShadeCase& c = GetParam();
    const std::optional<Rgb> got = lineColour(c.code, c.step);
    ASSERT_EQ(got.has_value(), c.rgb.has_value()) << c.code << " step " << c.step;
    if (!got) return;
    const Rgb want{static_cast<uint8_t>(*c.rgb >> 16), static_cast<uint8_t>(*c.rgb >> 8),
                   static_cast<uint8_t>(*c.rgb)};
    EXPECT_EQ(*got, want) << c.code << " step " << c.step;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Shades,
    ::testing::Values(ShadeCase{307, 0, 0xFF4646}, ShadeCase{307, 5, 0xB50000},
                      ShadeCase{307, 10, 0xFF4646}, ShadeCase{310, 4, 0xCC8899},
                      ShadeCase{312, 13, 0xFF9900}, ShadeCase{316, 123457, 0x999999},
                      ShadeCase{0, 3, 0xFFFFFF},
                      ShadeCase{4, 0, std::nullopt}));

TEST(MessageLog, NewestFirstAndLimitedToItsEntries) {
    Game game;
    for (int i = 0; i < 9; ++i) addLogLine(game, "line" + std::to_string(i), "red");
    EXPECT_EQ(game.log.entry(8).text, "line0");
    EXPECT_EQ(game.log.entry(0).text, "line8");
    EXPECT_EQ(game.log.entry(0).code, 307);
    for (int i = 9; i < 30; ++i) addLogLine(game, "line" + std::to_string(i), "red");
    EXPECT_EQ(game.log.entry(MessageLog::kEntries - 1).text, "line9");

    clearLog(game);
    for (int i = 0; i < MessageLog::kEntries; ++i) EXPECT_TRUE(game.log.entry(i).text.empty());

    addLogLine(game, "kept", "green");
    game.closing = true;
    clearLog(game);
    EXPECT_EQ(game.log.entry(0).text, "kept");
}

}  // namespace
