// Text conversion for the game's files.
#include <gtest/gtest.h>

#include <string>

#include "core/cp932.h"

using minamori::cp932ToUtf8;
using minamori::utf8ToCp932;

TEST(Cp932, RoundTripsJapaneseAndRomanNumerals) {
    const std::string text = "総理大臣Ⅱ ｶﾘｽﾏ『ミナモリ!!』";
    const std::string bytes = utf8ToCp932("総理大臣Ⅱ");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\x87\x55");
    EXPECT_EQ(bytes.size(), 10u);
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932(text)), text);
}

TEST(Cp932, UnconvertibleCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp932("a😀b"), "a?b");
    EXPECT_EQ(cp932ToUtf8("A\xFF" "B"), "A?B");
    EXPECT_EQ(cp932ToUtf8("A\x80"), "A?");
    EXPECT_NO_THROW(cp932ToUtf8("\x81"));  // a lead byte cut off at the end
    EXPECT_EQ(cp932ToUtf8("\x81"), "?");
}

TEST(Cp932, BrokenUtf8LosesOnlyItsOwnBytes) {
    EXPECT_EQ(utf8ToCp932("\xFF" "ABC"), "?ABC");
    EXPECT_EQ(utf8ToCp932("\xE3\x81" "AB"), "?AB");
}
