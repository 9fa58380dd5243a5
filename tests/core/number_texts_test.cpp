// Numbers as the texts the player reads: money amounts and the word scales.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/number_texts.h"

using minamori::growthWord;
using minamori::moneyText;
using minamori::opinionWord;

struct TextCase {
    int64_t value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.value; }

class MoneyText : public ::testing::TestWithParam<TextCase> {};

TEST_P(MoneyText, ShowsEachUnit) { EXPECT_EQ(moneyText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Amounts, MoneyText,
    ::testing::Values(TextCase{0, "0円"}, TextCase{1, "100万円"}, TextCase{99, "9900万円"},
                      TextCase{100, "1億円"}, TextCase{101, "1億100万円"},
                      TextCase{150, "1億5000万円"}, TextCase{1000000, "1兆円"},
                      TextCase{1000050, "1兆0億5000万円"},
                      TextCase{999999999, "999兆9999億9900万円"},
                      // From a thousand 兆円 on, and for the most negative amount, nothing shows.
                      TextCase{1000000000, ""}, TextCase{std::numeric_limits<int32_t>::min(), ""},
                      // Debts show the sign on every part.
                      TextCase{-5, "-500万円"}, TextCase{-150, "-1億-5000万円"}));

class OpinionWord : public ::testing::TestWithParam<TextCase> {};

TEST_P(OpinionWord, PicksTheBandOfTen) {
    EXPECT_EQ(opinionWord(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, OpinionWord,
    ::testing::Values(TextCase{-1, ""}, TextCase{0, "完全敵対"}, TextCase{9, "完全敵対"},
                      TextCase{10, "恨日"}, TextCase{59, "無関心"}, TextCase{60, "やや親日"},
                      TextCase{90, "愛日"}, TextCase{999, "愛日"}, TextCase{1000, ""}));

class GrowthWord : public ::testing::TestWithParam<TextCase> {};

TEST_P(GrowthWord, PicksTheBand) {
    EXPECT_EQ(growthWord(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, GrowthWord,
    ::testing::Values(TextCase{-1000000, ""}, TextCase{-999999, "凍結"}, TextCase{-50, "凍結"},
                      TextCase{-49, "極寒"}, TextCase{-20, "冷"}, TextCase{-1, "普"},
                      TextCase{1, "普"}, TextCase{2, "暖"}, TextCase{21, "高温"},
                      TextCase{50, "灼熱"}, TextCase{999999, "灼熱"}, TextCase{1000000, ""}));
