// One frame of the screen: the title stage, the log with its animated colours
// and the marker that shows a click will continue the text, and line wrapping.
#include <gtest/gtest.h>

#include "game/frame.h"
#include "game/game.h"
#include "game/shell.h"
#include "view/colours.h"
#include "view/log.h"
#include "view/screen.h"
#include "view/solid_fonts.h"
#include "view/text.h"

namespace {

using minamori::FontSpec;
using minamori::Game;
using minamori::Pixel;

class Frame : public ::testing::Test {
protected:
    mtest::SolidFonts fonts;
    Game game{minamori::Services{nullptr, nullptr, nullptr, &fonts}, {}, 1};

    void SetUp() override {
        game.titleStage = 0;
        game.screen.backgroundLayer.fill(0x202020);
        game.worldPanelDirty = 0;
    }
    Pixel at(int x, int y) const { return game.screen.cg.at(x, y); }
    static Pixel colour(int32_t code, int step) { return minamori::toPixel(*minamori::lineColour(code, step)); }
};

TEST_F(Frame, TitleStageShowsTheTitlePictureAlone) {
    game.titleStage = -2;
    game.screen.cgPicture.fill(0xABCDEF);
    game.queue.pushLine("a line that would otherwise show");
    minamori::addLogLine(game, "log", "red");
    minamori::drawFrame(game);
    for (Pixel p : game.screen.cg.pixels()) ASSERT_EQ(p, 0xABCDEFu);
}

TEST_F(Frame, LogLinesShimmerOneStepApartNewestAtTheBottom) {
    minamori::addLogLine(game, "older", "red");
    minamori::addLogLine(game, "newer", "red");
    game.animFrame = 0;
    minamori::drawFrame(game);
    EXPECT_EQ(at(3, 462), colour(307, 0));  // entry 0 at y 460
    EXPECT_EQ(at(3, 442), colour(307, 1));  // entry 1 at y 440
    EXPECT_EQ(at(3, 420), 0x202020u);       // nothing above
    EXPECT_EQ(game.screen.framesDrawn, 1);
    game.animFrame = 1;
    minamori::drawFrame(game);
    EXPECT_EQ(at(3, 462), colour(307, 1));
    EXPECT_EQ(at(3, 442), colour(307, 2));
}

TEST_F(Frame, NinthLineIsOffScreenAndEmptyEntriesKeepTheirPlace) {
    for (int i = 0; i < 9; ++i) minamori::addLogLine(game, "line", "silver");
    EXPECT_EQ(game.log.entry(8).text, "line");
    minamori::drawFrame(game);
    EXPECT_EQ(at(3, 302), 0x202020u);  // index 8 would be at y 300
    EXPECT_EQ(at(3, 322), 0x999999u);  // index 7 at y 320

    minamori::addLogLine(game, "", "silver");
    minamori::drawFrame(game);
    EXPECT_EQ(at(3, 462), 0x202020u);
    EXPECT_EQ(at(3, 442), 0x999999u);
}

TEST_F(Frame, MarkerBobsBesideTheNewestLineOnlyWhileLinesWait) {
    minamori::addLogLine(game, "abcd", "silver");  // 4 narrow characters: 32 pixels at size 12
    minamori::drawFrame(game);
    EXPECT_EQ(at(35, 464), 0x202020u);

    game.queue.pushLine("next");
    for (int frame = 0; frame < 3; ++frame) {
        game.animFrame = frame;
        minamori::drawFrame(game);
        const int top = 462 - frame;
        EXPECT_EQ(at(35, top), 0x999999u) << frame;
        EXPECT_EQ(at(35, top - 1), 0x202020u) << frame;
    }
}

TEST_F(Frame, LogIsSplitLikeAWordWrappingBoxOf510Pixels) {
    minamori::TextPainter& text = game.text;
    // The splitting font has a 15-pixel em: 72 narrow (7-pixel) characters fit.
    const std::string words = std::string(40, 'a') + " " + std::string(40, 'b');
    EXPECT_EQ(text.wrap(words, minamori::kFormFont, 510),
              (std::vector<std::string>{std::string(40, 'a') + " ", std::string(40, 'b')}));
    const std::string solid(100, 'c');
    EXPECT_EQ(text.wrap(solid, minamori::kFormFont, 510),
              (std::vector<std::string>{std::string(72, 'c'), std::string(28, 'c')}));
    std::string kanji;
    for (int i = 0; i < 80; ++i) kanji += "島";
    const auto lines = text.wrap(kanji, minamori::kFormFont, 510);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 34u * 3);  // never inside a character

    // Every line is kept, each after the first indented, in the log and the history.
    minamori::addLogLine(game, kanji, "pink");
    EXPECT_EQ(game.log.entry(2).text, lines[0]);
    EXPECT_EQ(game.log.entry(1).text, "\u3000" + lines[1]);
    EXPECT_EQ(game.log.entry(0).text, "\u3000" + lines[2]);
    EXPECT_TRUE(game.log.entry(3).text.empty());
    ASSERT_EQ(game.history.size(), 3);
    EXPECT_EQ(game.history.line(0).text, lines[0]);
    EXPECT_EQ(game.history.line(2).text, "\u3000" + lines[2]);
}

// A metric that counts how much text it measured: wrapping must cost in
// proportion to the text, not to its square.
class CountingFonts : public minamori::BoxFontEngine {
public:
    int textWidth(const std::string& text, const FontSpec& font) override {
        measured += text.size();
        return BoxFontEngine::textWidth(text, font);
    }
    std::size_t measured = 0;
};

TEST(Wrapping, CostsTimeInProportionToTheText) {
    CountingFonts fonts;
    minamori::TextPainter text(fonts);
    std::size_t perByte[2] = {};
    for (int run = 0; run < 2; ++run) {
        const std::string line(run == 0 ? 8000 : 64000, 'x');
        fonts.measured = 0;
        const auto lines = text.wrap(line, minamori::kFormFont, 510);
        EXPECT_EQ(lines.size(), (line.size() + 71) / 72);
        perByte[run] = fonts.measured / line.size();
    }
    EXPECT_LE(perByte[1], perByte[0] + 1);  // eight times the text, the same cost a byte
    EXPECT_LT(perByte[1], 40u);
}

}  // namespace
