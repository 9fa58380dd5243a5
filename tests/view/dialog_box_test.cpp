// The game's own confirmation and message boxes: what keys and the pointer do
// to them (いいえ first, fresh presses only), their layout on the picture, and
// their drawing in the game's real fonts.
#include "view/dialog_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ttf_fonts.h"
#include "view/fonts.h"

namespace {

using minamori::BoxKey;
using minamori::BoxKind;
using minamori::BoxLayout;
using minamori::BoxRect;
using minamori::Canvas;
using minamori::DialogBox;
using minamori::Pixel;

const std::string kMiracle = "奇跡を起こそうとしています\n本当によろしいですか？";
const std::string kReset =
    "全てのデータを初期化します\n"
    "新しくゲームを始める場合は、これではなく、メニューから[初期化]を選択して下さい";

// The middle of a button.
int midX(const BoxRect& r) {
    return (r.left + r.right) / 2;
}
int midY(const BoxRect& r) {
    return (r.top + r.bottom) / 2;
}

class Box : public ::testing::Test {
protected:
    minamori::BoxFontEngine fonts;
    minamori::TextPainter text{fonts};
    DialogBox yesNo{text, kMiracle, BoxKind::kYesNo};
    DialogBox message{text, "Done....", BoxKind::kMessage};

    const BoxRect& yesRect() const { return yesNo.layout().buttons[0].rect; }
    const BoxRect& noRect() const { return yesNo.layout().buttons[1].rect; }
};

TEST_F(Box, AQuestionOpensOnNoAndEnterAnswersNo) {
    ASSERT_EQ(yesNo.layout().buttons.size(), 2u);
    EXPECT_EQ(yesNo.layout().buttons[0].caption, "はい");
    EXPECT_TRUE(yesNo.layout().buttons[0].yes);
    EXPECT_EQ(yesNo.layout().buttons[1].caption, "いいえ");
    EXPECT_FALSE(yesNo.layout().buttons[1].yes);
    EXPECT_EQ(yesNo.selected(), 1);
    EXPECT_EQ(yesNo.hovered(), -1);
    EXPECT_FALSE(yesNo.answered());
    yesNo.keyDown(BoxKey::kEnter);
    EXPECT_TRUE(yesNo.answered());
    EXPECT_FALSE(yesNo.answer());
}

TEST_F(Box, ArrowsAndTabMoveTheSelection) {
    yesNo.keyDown(BoxKey::kRight);  // already the rightmost
    EXPECT_EQ(yesNo.selected(), 1);
    yesNo.keyDown(BoxKey::kLeft);
    EXPECT_EQ(yesNo.selected(), 0);
    yesNo.keyDown(BoxKey::kLeft);  // already the leftmost
    EXPECT_EQ(yesNo.selected(), 0);
    yesNo.keyDown(BoxKey::kTab);
    EXPECT_EQ(yesNo.selected(), 1);
    yesNo.keyDown(BoxKey::kTab);  // round to the first
    EXPECT_EQ(yesNo.selected(), 0);
    yesNo.keyDown(BoxKey::kBackTab);
    EXPECT_EQ(yesNo.selected(), 1);
    yesNo.keyDown(BoxKey::kLeft, true);  // a held arrow goes on moving
    EXPECT_EQ(yesNo.selected(), 0);
    EXPECT_FALSE(yesNo.answered());
    yesNo.keyDown(BoxKey::kSpace);
    EXPECT_TRUE(yesNo.answered());
    EXPECT_TRUE(yesNo.answer());
}

TEST_F(Box, EscapeAnswersNoWhateverIsSelected) {
    yesNo.keyDown(BoxKey::kLeft);
    yesNo.keyDown(BoxKey::kEscape);
    EXPECT_TRUE(yesNo.answered());
    EXPECT_FALSE(yesNo.answer());
    // Nothing changes an answer once given.
    yesNo.keyDown(BoxKey::kEnter);
    yesNo.pointerDown(midX(yesRect()), midY(yesRect()));
    yesNo.pointerUp(midX(yesRect()), midY(yesRect()));
    EXPECT_FALSE(yesNo.answer());
}

TEST_F(Box, AKeyHeldAsTheBoxOpensAnswersOnlyOnceLetGoAndPressedAgain) {
    yesNo.keyDown(BoxKey::kLeft);
    yesNo.keyHeld(BoxKey::kEnter);
    yesNo.keyDown(BoxKey::kEnter);  // a press of the Enter that chose the row
    yesNo.keyDown(BoxKey::kEnter, true);
    EXPECT_FALSE(yesNo.answered());
    yesNo.keyUp(BoxKey::kEnter);
    yesNo.keyDown(BoxKey::kEnter, true);  // a repeat is never an answer
    EXPECT_FALSE(yesNo.answered());
    yesNo.keyDown(BoxKey::kEnter);
    EXPECT_TRUE(yesNo.answered());
    EXPECT_TRUE(yesNo.answer());

    message.keyHeld(BoxKey::kEscape);
    message.keyDown(BoxKey::kEscape);
    message.keyDown(BoxKey::kSpace, true);
    EXPECT_FALSE(message.answered());
    message.keyDown(BoxKey::kSpace);
    EXPECT_TRUE(message.answered());
}

TEST_F(Box, AClickOnAButtonAnswersIt) {
    const BoxRect yes = yesRect();
    // The release of the click that opened the box is no answer.
    yesNo.pointerUp(midX(yes), midY(yes));
    EXPECT_FALSE(yesNo.answered());
    // Pressed on はい and let go beside it: nothing.
    yesNo.pointerDown(midX(yes), midY(yes));
    EXPECT_EQ(yesNo.pressed(), 0);
    yesNo.pointerUp(yes.left - 1, midY(yes));
    EXPECT_FALSE(yesNo.answered());
    EXPECT_EQ(yesNo.pressed(), -1);
    // Pressed beside it and let go on it: nothing.
    yesNo.pointerDown(yes.left - 1, midY(yes));
    yesNo.pointerUp(midX(yes), midY(yes));
    EXPECT_FALSE(yesNo.answered());
    // Pressed and let go on it, though いいえ is selected: はい.
    yesNo.pointerDown(yes.left, yes.top);
    yesNo.pointerUp(yes.right - 1, yes.bottom - 1);
    EXPECT_TRUE(yesNo.answered());
    EXPECT_TRUE(yesNo.answer());

    DialogBox again(text, kMiracle, BoxKind::kYesNo);
    again.pointerDown(midX(noRect()), midY(noRect()));
    again.pointerUp(midX(noRect()), midY(noRect()));
    EXPECT_TRUE(again.answered());
    EXPECT_FALSE(again.answer());
}

TEST_F(Box, HoveringHighlightsAButtonButLeavesTheSelection) {
    yesNo.pointerMove(midX(yesRect()), midY(yesRect()));
    EXPECT_EQ(yesNo.hovered(), 0);
    EXPECT_EQ(yesNo.selected(), 1);
    yesNo.pointerMove(midX(noRect()), midY(noRect()));
    EXPECT_EQ(yesNo.hovered(), 1);
    yesNo.pointerMove(yesNo.layout().panel.left + 1, yesNo.layout().panel.top + 1);
    EXPECT_EQ(yesNo.hovered(), -1);
    yesNo.pointerMove(midX(yesRect()), midY(yesRect()));
    yesNo.pointerLeave();
    EXPECT_EQ(yesNo.hovered(), -1);
    EXPECT_FALSE(yesNo.answered());
}

TEST_F(Box, AMessageBoxHasOneOkButtonThatEveryAnswerCloses) {
    ASSERT_EQ(message.layout().buttons.size(), 1u);
    EXPECT_EQ(message.layout().buttons[0].caption, "OK");
    EXPECT_EQ(message.selected(), 0);
    message.keyDown(BoxKey::kLeft);
    message.keyDown(BoxKey::kTab);
    EXPECT_EQ(message.selected(), 0);
    message.keyDown(BoxKey::kEnter);
    EXPECT_TRUE(message.answered());

    DialogBox byEscape(text, "Done....", BoxKind::kMessage);
    byEscape.keyDown(BoxKey::kEscape);
    EXPECT_TRUE(byEscape.answered());
}

TEST_F(Box, ClosingTheWindowAnswersNo) {
    yesNo.keyDown(BoxKey::kLeft);
    yesNo.cancel();
    EXPECT_TRUE(yesNo.answered());
    EXPECT_FALSE(yesNo.answer());
    message.cancel();
    EXPECT_TRUE(message.answered());
}

// Everything of the box on the picture, the text above the buttons, the
// buttons apart and beside each other, each line inside the panel's width.
void expectFits(minamori::TextPainter& text, const BoxLayout& layout) {
    const BoxRect& panel = layout.panel;
    EXPECT_GE(panel.left, 0);
    EXPECT_GE(panel.top, 0);
    EXPECT_LE(panel.right, minamori::kScreenWidth);
    EXPECT_LE(panel.bottom, minamori::kScreenHeight);
    ASSERT_FALSE(layout.lines.empty());
    ASSERT_FALSE(layout.buttons.empty());
    const int lineHeight = text.lineHeight(minamori::kBoxTextFont);
    int previousBottom = panel.top;
    for (const minamori::BoxLine& line : layout.lines) {
        EXPECT_GE(line.y, previousBottom) << line.text;
        EXPECT_GT(line.x, panel.left) << line.text;
        EXPECT_LT(line.x + text.textWidth(line.text, minamori::kBoxTextFont), panel.right)
            << line.text;
        previousBottom = line.y + lineHeight;
    }
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        const BoxRect& b = layout.buttons[i].rect;
        EXPECT_GE(b.top, previousBottom) << "button " << i << " overlaps the text";
        EXPECT_GT(b.left, panel.left);
        EXPECT_LT(b.right, panel.right);
        EXPECT_LT(b.bottom, panel.bottom);
        EXPECT_GT(b.width(), text.textWidth(layout.buttons[i].caption, minamori::kBoxButtonFont));
        EXPECT_GT(b.height(), text.lineHeight(minamori::kBoxButtonFont));
        if (i > 0) {
            EXPECT_GT(b.left, layout.buttons[i - 1].rect.right);
            EXPECT_EQ(b.top, layout.buttons[i - 1].rect.top);
        }
    }
}

std::string repeated(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST_F(Box, TextsShortLongAndOfManyLinesFitThePicture) {
    for (const std::string& asked :
         {std::string("Done...."), kMiracle, kReset, std::string(),
          "セーブできませんでした。\n/home/" + repeated("very-long-folder-name/", 30) +
              "my.dat: Permission denied\n\nセーブせずに終了しますか？",
          repeated("長い文", 400), repeated("行\n", 80), repeated("x", 3000)}) {
        SCOPED_TRACE(asked.substr(0, 60));
        expectFits(text, minamori::layoutBox(text, asked, BoxKind::kYesNo));
        expectFits(text, minamori::layoutBox(text, asked, BoxKind::kMessage));
    }
}

TEST_F(Box, LinesSplitAtNewLinesAndWrapWhenLong) {
    const BoxLayout miracle = yesNo.layout();
    ASSERT_EQ(miracle.lines.size(), 2u);
    EXPECT_EQ(miracle.lines[0].text, "奇跡を起こそうとしています");
    EXPECT_EQ(miracle.lines[1].text, "本当によろしいですか？");
    EXPECT_EQ(miracle.lines[0].x, miracle.lines[1].x);  // one block, left-aligned

    const BoxLayout blank = minamori::layoutBox(text, "上\n\n下", BoxKind::kMessage);
    ASSERT_EQ(blank.lines.size(), 3u);
    EXPECT_EQ(blank.lines[1].text, "");

    // A long path breaks after a slash; every character is kept.
    const std::string path = "/home/" + repeated("folder/", 20) + "my.dat";
    const BoxLayout wrapped = minamori::layoutBox(text, path, BoxKind::kMessage);
    ASSERT_GT(wrapped.lines.size(), 1u);
    std::string joined;
    for (const auto& line : wrapped.lines) joined += line.text;
    EXPECT_EQ(joined, path);
    EXPECT_EQ(wrapped.lines[0].text.back(), '/');

    // Past the picture's height the text ends in "…".
    const BoxLayout cut = minamori::layoutBox(text, repeated("行\n", 80), BoxKind::kMessage);
    EXPECT_LT(cut.lines.size(), 80u);
    EXPECT_EQ(cut.lines.back().text, "行…");
}

TEST_F(Box, ShortTextsMakeACentredPanelOfAtLeastTheButtonsWidth) {
    const BoxRect& panel = message.layout().panel;
    EXPECT_NEAR(panel.left, minamori::kScreenWidth - panel.right, 1);
    EXPECT_NEAR(panel.top, minamori::kScreenHeight - panel.bottom, 1);
    const BoxRect& ok = message.layout().buttons[0].rect;
    EXPECT_NEAR(ok.left - panel.left, panel.right - ok.right, 1);
}

// Drawn with the game's TrueType fonts over a plain picture.
class DrawnBox : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        fonts = minamori::TtfFontEngine::create(error);
        ASSERT_TRUE(fonts) << "the game's fonts (fonts-ipafont) are needed: " << error;
        text = std::make_unique<minamori::TextPainter>(*fonts);
        picture.fill(kPicture);
    }
    static constexpr Pixel kPicture = 0x6080A0;
    static constexpr Pixel kDimmed = 0x304050;
    std::unique_ptr<minamori::TtfFontEngine> fonts;
    std::unique_ptr<minamori::TextPainter> text;
    Canvas picture;
    Canvas out;
};

// Pixels of a rectangle of out that are not the colour given.
int othersIn(const Canvas& out, const BoxRect& r, Pixel colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (out.at(x, y) != colour) ++n;
    return n;
}

TEST_F(DrawnBox, TheTextIsWrittenInsideThePanelOverTheDimmedPicture) {
    const DialogBox box(*text, kReset, BoxKind::kYesNo);
    box.draw(out, picture);
    const BoxLayout& layout = box.layout();
    const BoxRect& panel = layout.panel;
    // Outside the panel and its shadow the picture shows, dimmed.
    const BoxRect withShadow{panel.left, panel.top, panel.right + 4, panel.bottom + 4};
    for (int y = 0; y < minamori::kScreenHeight; ++y) {
        for (int x = 0; x < minamori::kScreenWidth; ++x) {
            if (withShadow.contains(x, y)) continue;
            ASSERT_EQ(out.at(x, y), kDimmed) << x << "," << y;
        }
    }
    // Each line: glyph pixels where it stands, bright ones.
    ASSERT_EQ(layout.lines.size(), 2u);  // the second line fits the widest panel
    for (const minamori::BoxLine& line : layout.lines) {
        const BoxRect where{line.x, line.y,
                            line.x + text->textWidth(line.text, minamori::kBoxTextFont),
                            line.y + text->lineHeight(minamori::kBoxTextFont)};
        EXPECT_GT(othersIn(out, where, 0x000000), where.width() * where.height() / 20) << line.text;
        int white = 0;
        for (int y = where.top; y < where.bottom; ++y)
            for (int x = where.left; x < where.right; ++x) white += out.at(x, y) == 0xFFFFFF;
        EXPECT_GT(white, 50) << line.text;
    }
    // Between the lines and the buttons the panel is plain (a bold glyph may
    // reach a row past the font's line height).
    const BoxRect gap{panel.left + 8,
                      layout.lines.back().y + text->lineHeight(minamori::kBoxTextFont) + 2,
                      panel.right - 8, layout.buttons[0].rect.top - 3};
    EXPECT_EQ(othersIn(out, gap, 0x000000), 0);
}

TEST_F(DrawnBox, TheSelectedButtonStandsOutAndEachCaptionIsWritten) {
    DialogBox box(*text, kMiracle, BoxKind::kYesNo);
    box.draw(out, picture);
    const BoxRect yes = box.layout().buttons[0].rect;
    const BoxRect no = box.layout().buttons[1].rect;
    const Pixel noFill = out.at(no.left + 3, no.top + 3);
    const Pixel yesFill = out.at(yes.left + 3, yes.top + 3);
    EXPECT_NE(noFill, yesFill);
    EXPECT_NE(noFill, 0x000000u);  // いいえ, selected, is filled; はい is the panel's black
    EXPECT_EQ(yesFill, 0x000000u);
    const BoxRect yesInside{yes.left + 2, yes.top + 2, yes.right - 2, yes.bottom - 2};
    const BoxRect noInside{no.left + 2, no.top + 2, no.right - 2, no.bottom - 2};
    EXPECT_GT(othersIn(out, yesInside, yesFill), 20);  // はい
    EXPECT_GT(othersIn(out, noInside, noFill), 20);    // いいえ

    // Selected by ←, はい takes the highlight; hovered, いいえ is lit another way.
    box.keyDown(BoxKey::kLeft);
    box.pointerMove(midX(no), midY(no));
    box.draw(out, picture);
    EXPECT_EQ(out.at(yes.left + 3, yes.top + 3), noFill);
    const Pixel hovered = out.at(no.left + 3, no.top + 3);
    EXPECT_NE(hovered, 0x000000u);
    EXPECT_NE(hovered, noFill);
}

}  // namespace
