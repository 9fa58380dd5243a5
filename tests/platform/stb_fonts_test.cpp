// The browser's text engine measures every text of the game as the desktop's
// does, to the pixel, in every font the game draws with, and draws its glyphs
// where the desktop draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/utf8.h"
#include "web_fonts.h"

namespace {

using minamori::FontSpec;
using minamori::TextImage;

const std::vector<std::string>& texts() {
    static const std::vector<std::string> all = wtest::gameTexts();
    return all;
}

// Where the ink lies in an image: the box of its pixels at least a quarter
// covered (the unhinted strokes are softer, a half would miss some).
struct Ink {
    int left = 0, top = 0, right = -1, bottom = -1;
};

Ink inkOf(const TextImage& image) {
    Ink ink{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.coverage[static_cast<std::size_t>(y) * image.width + x] >= 64)
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
                       std::max(ink.bottom, y)};
    return ink;
}

bool nearInk(const Ink& a, const Ink& b) {
    return std::abs(a.left - b.left) <= 1 && std::abs(a.right - b.right) <= 1 &&
           std::abs(a.top - b.top) <= 1 && std::abs(a.bottom - b.bottom) <= 1;
}

// The coverages of the texts drawn by both engines, added up.
struct Coverage {
    long difference = 0, pixels = 0, desktopInk = 0, webInk = 0;

    void add(const TextImage& desktop, const TextImage& web) {
        for (std::size_t i = 0; i < desktop.coverage.size(); ++i) {
            difference += std::abs(desktop.coverage[i] - web.coverage[i]);
            desktopInk += desktop.coverage[i];
            webInk += web.coverage[i];
        }
        pixels += static_cast<long>(desktop.coverage.size());
    }
};

class WebFonts : public ::testing::TestWithParam<FontSpec> {
protected:
    static void SetUpTestSuite() {
        desktop = wtest::desktopFonts().release();
        web = wtest::webFonts().release();
    }
    static void TearDownTestSuite() {
        delete desktop;
        delete web;
    }

    // The text's measures by the two engines, empty when they agree; the
    // images drawn go to a and b.
    static std::string difference(const std::string& text, TextImage& a, TextImage& b) {
        const FontSpec& font = GetParam();
        const int want = desktop->textWidth(text, font), got = web->textWidth(text, font);
        a = desktop->render(text, font);
        b = web->render(text, font);
        if (want == got && a.width == b.width && a.height == b.height) return {};
        return text + ": width " + std::to_string(want) + " / " + std::to_string(got) + ", image " +
               std::to_string(a.width) + "x" + std::to_string(a.height) + " / " +
               std::to_string(b.width) + "x" + std::to_string(b.height);
    }

    static void expectSameMeasures(const std::vector<std::string>& someTexts) {
        std::vector<std::string> faults;
        TextImage a, b;
        for (const std::string& text : someTexts)
            if (std::string fault = difference(text, a, b); !fault.empty()) faults.push_back(fault);
        EXPECT_TRUE(faults.empty())
            << faults.size() << " texts differ, the first: " << faults.front();
    }

    static minamori::TtfFontEngine* desktop;
    static minamori::StbFontEngine* web;
};

minamori::TtfFontEngine* WebFonts::desktop = nullptr;
minamori::StbFontEngine* WebFonts::web = nullptr;

// Each text as wide and its image as large as the desktop's. The unhinted
// glyphs against the hinted: in each image the ink's box within a pixel of the
// desktop's on every side; over all the texts the coverage within 20 of 255 a
// pixel on average, and as much ink within a tenth.
TEST_P(WebFonts, MeasureAndDrawTheGamesTextsAsTheDesktop) {
    ASSERT_TRUE(desktop && web);
    ASSERT_GT(texts().size(), 1000u);
    EXPECT_EQ(web->lineHeight(GetParam()), desktop->lineHeight(GetParam()));
    std::vector<std::string> faults;
    Coverage coverage;
    TextImage a, b;
    for (const std::string& text : texts()) {
        if (std::string fault = difference(text, a, b); !fault.empty()) {
            faults.push_back(fault);
            continue;
        }
        EXPECT_TRUE(nearInk(inkOf(a), inkOf(b))) << text;
        coverage.add(a, b);
    }
    EXPECT_TRUE(faults.empty()) << faults.size() << " texts differ, the first: " << faults.front();
    const double mean =
        static_cast<double>(coverage.difference) / static_cast<double>(coverage.pixels);
    const double ink =
        static_cast<double>(coverage.webInk) / static_cast<double>(coverage.desktopInk);
    EXPECT_LT(mean, 20.0);
    EXPECT_NEAR(ink, 1.0, 0.1);
    std::cout << wtest::fontName(GetParam()) << ": coverage " << mean
              << " of 255 apart a pixel, ink " << ink << " of the desktop's\n";
}

// Alone and doubled: the glyph's box, and its advance (the second's pen).
TEST_P(WebFonts, MeasureEveryCharacterOfTheFontsAsTheDesktop) {
    ASSERT_TRUE(desktop && web);
    std::vector<std::string> chars;
    for (const std::string& ch :
         minamori::utf8Characters(wtest::readText(MINAMORI_WEB_FONT_CHARACTERS))) {
        if (ch == "\n") continue;
        chars.push_back(ch);
        chars.push_back(ch + ch);
    }
    ASSERT_GT(chars.size(), 2000u);
    expectSameMeasures(chars);
}

// Blanks, numbers alone, a missing glyph, broken characters and a sequence
// cut short (SDL_ttf lets HarfBuzz replace what is not UTF-8), a NUL.
TEST_P(WebFonts, MeasureBlanksAndBrokenTextAsTheDesktop) {
    ASSERT_TRUE(desktop && web);
    expectSameMeasures({" ", "   ", "　", "0", "1234567890", "１２３", "≥", "\xff", "a\xe3\x81",
                        "\xc0\xaf", "\xed\xa0\x80", "年\x80月", std::string("前\0後", 7)});
    EXPECT_EQ(web->render("", GetParam()).width, 0);
}

INSTANTIATE_TEST_SUITE_P(, WebFonts, ::testing::ValuesIn(minamori::kGameFonts),
                         [](const auto& test) {
                             std::string name = wtest::fontName(test.param);
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                                 '_');
                             return name;
                         });

}  // namespace
