// The status panels are drawn straight over the scene pictures: every text, in
// every colour it can take, must stand out from the generated picture under it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/state.h"
#include "core/temp_folder.h"
#include "game/game.h"
#include "solid_fonts.h"
#include "view/panels.h"
#include "view/picture_files.h"

namespace {

using minamori::Canvas;
using minamori::Game;
using minamori::Pixel;

Canvas scene(const char* name) {
    auto picture = minamori::decodeJpeg(mtest::readBytes(mtest::buildFolder() / "cg" / name));
    EXPECT_TRUE(picture) << name;
    return picture ? *picture : Canvas();
}

// WCAG relative luminance of an sRGB colour.
double luminance(Pixel p) {
    auto channel = [](unsigned v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(p >> 16 & 0xFF) + 0.7152 * channel(p >> 8 & 0xFF) + 0.0722 * channel(p & 0xFF);
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// A text as drawn: one colour over a rectangle of cells.
struct TextBox {
    int x0, y0, x1, y1;
    Pixel colour;
};

// Draws nothing: the panels' bars alone.
class NoText : public minamori::BoxFontEngine {};

// The texts of one drawing: where the solid-block drawing differs from the one
// without text. Rows of one colour and extent stack into a box up to a line high.
std::vector<TextBox> textBoxes(const Canvas& withText, const Canvas& without, int lineHeight) {
    std::vector<TextBox> boxes;
    for (int y = 0; y < withText.height(); ++y)
        for (int x = 0; x < withText.width();) {
            const Pixel c = withText.at(x, y);
            if (c == without.at(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < withText.width() && withText.at(end, y) == c && c != without.at(end, y)) ++end;
            auto above = std::find_if(boxes.begin(), boxes.end(), [&](const TextBox& b) {
                return b.colour == c && b.x0 == x && b.x1 == end && b.y1 == y && b.y1 - b.y0 < lineHeight;
            });
            if (above != boxes.end())
                above->y1 = y + 1;
            else
                boxes.push_back({x, y, end, y + 1, c});
            x = end;
        }
    return boxes;
}

// The contrast that nine in ten pixels of the box reach against the picture.
double boxContrast(const TextBox& box, const Canvas& picture) {
    const double text = luminance(box.colour);
    std::vector<double> c;
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x) c.push_back(contrast(text, luminance(picture.at(x, y))));
    std::nth_element(c.begin(), c.begin() + static_cast<long>(c.size() / 10), c.end());
    return c[c.size() / 10];
}

// The most that one plain backdrop can give every colour of the list at once.
double bestCommonContrast(const std::vector<Pixel>& colours) {
    double best = 0;
    for (int step = 0; step <= 1000; ++step) {
        double worst = 1e9;
        for (Pixel p : colours) worst = std::min(worst, contrast(luminance(p), step / 1000.0));
        best = std::max(best, worst);
    }
    return best;
}

// One state of the game per row, together taking every colour band of the
// panels: lifespan, hit points, the home GDP, opinion, growth and danger.
void setBands(Game& game, int i) {
    minamori::tmy& m = game.my;
    static const int kLifespan[] = {5, 15, 25, 45};
    static const int kHp[] = {5, 15, 25, 35, 45, 60, 100};
    static const int kGdp[] = {0, 10, 60, 150, 300};
    static const int kGrowth[] = {-100, -30, -10, 0, 10, 30, 100};
    m.lifespan = kLifespan[i % 4];
    m.maxHp = 100;
    m.hp = kHp[i % 7];
    m.danger = i % 10 * 10;
    m.money = 123456789;
    m.debt = i % 2 * 9876543;
    m.titleText = "<内閣総理大臣>";
    m.level = 12, m.exp = 345;
    m.vitality = m.intelligence = m.charisma = 25;
    m.vitalityExp = m.intelligenceExp = m.charismaExp = 123;
    for (int c = 0; c < 4; ++c) {
        game.countries[static_cast<size_t>(c)].opinion = (i + c) % 10 * 10 + 5;
        game.countries[static_cast<size_t>(c)].military = 1234;
        game.countries[static_cast<size_t>(c)].gdp = 450;
    }
    game.countries[0].gdp = kGdp[i % 5];
    game.countries[0].growth = kGrowth[i % 7];
    minamori::DisplayedValues& d = game.displayed;  // nothing left to slide
    d.shownDay = m.daysUsed = 300;
    d.shownExp = m.exp;
    d.shownHp = m.hp;
    d.shownVitalityExp = m.vitalityExp;
    d.shownIntelligenceExp = m.intelligenceExp;
    d.shownCharismaExp = m.charismaExp;
    d.shownEnemyHp = game.battle.enemy.hp;
}

class PanelContrast : public ::testing::Test {
protected:
    mtest::SolidFonts solid;
    NoText none;
    Game game{minamori::Services{nullptr, nullptr, nullptr, &solid}, {}, 1};

    void SetUp() override {
        minamori::newGame(game);
        const char* names[] = {"日本", "中国", "台湾", "米国"};
        for (size_t c = 0; c < 4; ++c) game.countries[c].name = names[c];
        game.inGame = 1;
    }

    // Both panels over black, as the frame draws them.
    Canvas drawPanels(minamori::FontEngine& fonts) {
        game.text.setEngine(fonts);
        Canvas& cg = game.screen.cg;
        cg.fill(0);
        minamori::drawWorldPanel(game, cg);
        const minamori::DisplayedValues kept = game.displayed;
        minamori::drawPlayerPanel(game);
        game.displayed = kept;
        return cg;
    }

    // Every text box of every colour band, found on the drawings.
    std::vector<TextBox> allTexts() {
        std::vector<TextBox> texts;
        const int line = game.text.lineHeight({minamori::FontFace::kFixed, 10, true});
        for (int i = 0; i < 10; ++i) {
            setBands(game, i);
            const Canvas without = drawPanels(none);
            for (const TextBox& b : textBoxes(drawPanels(solid), without, line)) texts.push_back(b);
        }
        return texts;
    }

    // Each text's contrast over the picture must reach 3:1; where the colours
    // drawn at one place cannot all reach it over any one backdrop, nine
    // tenths of the best that one backdrop could give them all.
    void expectReadable(const char* name) {
        SCOPED_TRACE(name);
        const Canvas picture = scene(name);
        const std::vector<TextBox> texts = allTexts();
        ASSERT_GT(texts.size(), 30u);
        std::map<std::pair<int, int>, std::vector<Pixel>> coloursAt;
        for (const TextBox& b : texts) coloursAt[{b.x0, b.y0}].push_back(b.colour);
        double lowest = 1e9;
        for (const TextBox& b : texts) {
            const double wanted = std::min(3.0, 0.9 * bestCommonContrast(coloursAt[{b.x0, b.y0}]));
            const double got = boxContrast(b, picture);
            lowest = std::min(lowest, got);
            EXPECT_GE(got, wanted) << "text #" << std::hex << b.colour << std::dec << " at " << b.x0 << ","
                                   << b.y0 << " .. " << b.x1 << "," << b.y1;
        }
        std::printf("%s: lowest text contrast %.2f:1\n", name, lowest);
    }
};

// The scenes a game shows its panels over: the day, the year's end, game over.
TEST_F(PanelContrast, EveryPanelTextStandsOutOnTheDayNightAndGameOverScenes) {
    expectReadable("1.jpg");
    expectReadable("night.jpg");
    expectReadable("gameover.jpg");
}

TEST_F(PanelContrast, ThePlayerAndEnemyPanelsStandOutInBattle) {
    game.battle.battleState = 1;
    game.battle.enemy.name = "ﾁﾝﾋﾟﾗ市民団体";
    game.battle.enemy.level = 35;
    game.battle.enemy.hp = game.battle.enemy.maxHp = 1200;
    expectReadable("battle.jpg");
    expectReadable("usa.jpg");
}

}  // namespace
