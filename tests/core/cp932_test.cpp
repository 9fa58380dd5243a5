// Text conversion for the game's files: the tables convert exactly as glibc's
// iconv does, broken input included, and the game's own texts come back whole.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cp932.h"
#include "core/records.h"
#include "core/save_file.h"
#include "core/utf8.h"
#include "game/game.h"

using minamori::cp932ToUtf8;
using minamori::utf8ToCp932;

namespace {

std::size_t cp932Length(std::string_view text) {
    const unsigned char b = static_cast<unsigned char>(text[0]);
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return lead && text.size() >= 2 ? 2 : 1;
}

// iconv, where a character that fails becomes '?' and takes skip(rest) bytes.
class Iconv {
public:
    Iconv(const char* to, const char* from, std::size_t (*skip)(std::string_view))
        : cd_(iconv_open(to, from)), skip_(skip) {}
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    std::string operator()(const std::string& in) {
        std::string out;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char buffer[64];
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const bool failed =
                iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1);
            out.append(buffer, dst);
            if (!failed || errno == E2BIG) continue;
            const std::size_t n = skip_(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            out += '?';
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
    std::size_t (*skip_)(std::string_view);
};

std::string hexOf(const std::string& bytes) {
    std::string out;
    char digits[4];
    for (char b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X ", static_cast<unsigned char>(b));
        out += digits;
    }
    return out;
}

// The first input the two conversions differ on, and how many; "" when none.
std::string differences(const std::vector<std::string>& inputs,
                        std::string (*converted)(const std::string&), Iconv& expected) {
    std::string first;
    int count = 0;
    for (const std::string& in : inputs) {
        const std::string got = converted(in);
        const std::string want = expected(in);
        if (got == want) continue;
        if (count++ == 0) first = hexOf(in) + "gives " + hexOf(got) + "not " + hexOf(want);
    }
    return count ? first + "(" + std::to_string(count) + " inputs differ)" : "";
}

// Every string of `length` bytes that starts with one of `leads`.
std::vector<std::string> strings(const std::vector<int>& leads, int length) {
    std::vector<std::string> out;
    for (int lead : leads) out.emplace_back(1, static_cast<char>(lead));
    for (int k = 1; k < length; ++k) {
        std::vector<std::string> longer;
        for (const std::string& s : out)
            for (int b = 0; b < 256; ++b) longer.push_back(s + static_cast<char>(b));
        out = std::move(longer);
    }
    return out;
}

std::string utf8Of(char32_t cp) {
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    static constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
    const int trailing = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
    std::string out(1, static_cast<char>(kLead[trailing] | (cp >> (6 * trailing))));
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((cp >> shift) & 0x3F));
    return out;
}

std::vector<int> allBytes() {
    std::vector<int> bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(b);
    return bytes;
}

TEST(Cp932, DecodesEveryByteAndPairAsIconv) {
    Iconv iconv("UTF-8", "CP932", cp932Length);
    std::vector<std::string> inputs = strings(allBytes(), 2);
    for (int b = 0; b < 256; ++b) inputs.emplace_back(1, static_cast<char>(b));
    inputs.push_back("\x81\x40\x81\x81\x40\x87");  // a broken pair between whole ones
    EXPECT_EQ(differences(inputs, cp932ToUtf8, iconv), "");
}

TEST(Cp932, EncodesEveryCodePointAndBrokenUtf8AsIconv) {
    Iconv iconv("CP932", "UTF-8", minamori::utf8CharLength);
    std::vector<std::string> inputs = strings(allBytes(), 2);
    // Overlong forms, surrogates and beyond U+10FFFF, whole and cut short.
    for (const std::string& s : strings({0xE0, 0xED}, 2))
        for (char last : {'A', '\x80', '\xBF', '\xC0'}) inputs.push_back(s + last);
    for (const std::string& s : strings({0xF0, 0xF4, 0xF5}, 2)) inputs.push_back(s + "\x80\x80");
    for (char32_t cp = 0; cp < 0x10000; ++cp) inputs.push_back(utf8Of(cp));
    for (char32_t cp = 0x10000; cp <= 0x10FFFF; cp += 0x3F) inputs.push_back(utf8Of(cp));
    for (char32_t cp = 0xDFFF0; cp < 0xE0100; ++cp) inputs.push_back("a" + utf8Of(cp) + "b");
    EXPECT_EQ(differences(inputs, utf8ToCp932, iconv), "");
}

TEST(Cp932, RoundTripsJapaneseAndRomanNumerals) {
    const std::string text = "総理大臣Ⅱ ｶﾘｽﾏ『ミナモリ!!』";
    const std::string bytes = utf8ToCp932("総理大臣Ⅱ");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\x87\x55");
    EXPECT_EQ(bytes.size(), 10u);
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932(text)), text);
}

TEST(Cp932, DuplicatesEncodeAsTheNecRowAndIbmKanji) {
    EXPECT_EQ(utf8ToCp932("≒∵纊"), "\x81\xE0\x81\xE6\xFA\x5C");
    EXPECT_EQ(cp932ToUtf8("\x87\x90\xED\x40"), "≒纊");
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932("〜")), "～");  // one way only, as iconv
}

TEST(Cp932, UnconvertibleCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp932("a😀b"), "a?b");
    EXPECT_EQ(cp932ToUtf8("A\xFF" "B"), "A?B");
    EXPECT_EQ(cp932ToUtf8("A\x80"), "A?");
    EXPECT_NO_THROW(cp932ToUtf8("\x81"));  // a lead byte cut off at the end
    EXPECT_EQ(cp932ToUtf8("\x81"), "?");
    EXPECT_EQ(cp932ToUtf8("\x81\x0A" "A"), "?A");  // a broken pair goes whole
}

TEST(Cp932, BrokenUtf8LosesOnlyItsOwnBytes) {
    EXPECT_EQ(utf8ToCp932("\xFF" "ABC"), "?ABC");
    EXPECT_EQ(utf8ToCp932("\xE3\x81" "AB"), "?AB");
}

// Every title a script line "称号<...>" of the game sets.
std::vector<std::string> titlesInSources() {
    const std::string mark = "称号<";
    std::vector<std::string> titles;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MINAMORI_SOURCES)) {
        if (entry.path().extension() != ".cpp") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
            at += mark.size();
            titles.push_back(text.substr(at, text.find('>', at) - at));
        }
    }
    return titles;
}

TEST(Cp932, TheGamesTitlesAndClearRecordsComeBackWhole) {
    std::vector<std::string> texts = titlesInSources();
    EXPECT_GE(texts.size(), 10u);  // the four seats and the six ministers at least
    minamori::Game game;
    game.my.useCount[minamori::kRowTreatyCancelled] = 1;
    for (int difficulty = 0; difficulty < minamori::kDifficulties; ++difficulty) {
        game.my.difficulty = difficulty;
        for (const std::string& line : minamori::clearRecordLines(game)) texts.push_back(line);
    }
    for (const std::string& text : texts) {
        const std::string bytes = utf8ToCp932(text);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << text;
        EXPECT_EQ(cp932ToUtf8(bytes), text);
    }
}

}  // namespace
