// Log colours: names to codes, the animated shades, and the message log itself.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "view/colours.h"
#include "view/log.h"
#include "view/message_log.h"

using namespace minamori;

namespace {

struct NameCase {
    const char* name;
    int32_t code;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class ColourNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ColourNames, MapToCodesAndBack) {
    EXPECT_EQ(colourCode(GetParam().name), GetParam().code);
    if (GetParam().code != kColourNone) {
        EXPECT_EQ(colourName(GetParam().code), GetParam().name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColourNames,
    ::testing::Values(NameCase{"green", 301}, NameCase{"yellow", 302}, NameCase{"blue", 303},
                      NameCase{"pink", 304}, NameCase{"purple", 305}, NameCase{"aqua", 306},
                      NameCase{"red", 307}, NameCase{"yellow2", 308}, NameCase{"orange", 309},
                      NameCase{"pink2", 310}, NameCase{"rainbow", 312}, NameCase{"gray", 313},
                      NameCase{"green2", 314}, NameCase{"red2", 315}, NameCase{"silver", 316},
                      NameCase{"red3", 317}, NameCase{"orange2", 318}, NameCase{"pink3", 319},
                      NameCase{"pink4", 320},
                      // Names match exactly; anything else sets no colour.
                      NameCase{"Red", 4}, NameCase{"", 4}, NameCase{"red ", 4}));

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
                      ShadeCase{307, 9, 0xFF2626}, ShadeCase{307, 10, 0xFF4646},
                      ShadeCase{319, 0, 0xA000A9}, ShadeCase{310, 4, 0xCC8899},
                      ShadeCase{310, 7, 0xFFBBCC}, ShadeCase{312, 0, 0xFF0000},
                      ShadeCase{312, 13, 0xFF9900}, ShadeCase{316, 0, 0x999999},
                      ShadeCase{316, 123457, 0x999999}, ShadeCase{0, 3, 0xFFFFFF},
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

TEST(MessageLog, LongTextTakesTwoLinesWithTheSecondIndented) {
    Game game;
    // Fixed metrics: a kanji is 15 pixels in the splitting font, so 34 fit the box.
    std::string text;
    for (int i = 0; i < 34 * 2 + 5; ++i) text += i < 34 ? "一" : i < 68 ? "二" : "三";
    addLogLine(game, text, "pink");
    std::string firstLine, secondLine;
    for (int i = 0; i < 34; ++i) firstLine += "一", secondLine += "二";
    EXPECT_EQ(game.log.entry(0).text, "\u3000" + secondLine);
    EXPECT_EQ(game.log.entry(1).text, firstLine);
    EXPECT_EQ(game.log.entry(0).code, 304);
    EXPECT_EQ(game.log.entry(1).code, 304);
    EXPECT_TRUE(game.log.entry(2).text.empty());
}

}  // namespace
