// The history chart: its scales, and its drawing kept inside its panel for any
// number of years and any figures.
#include "view/chart.h"

#include <gtest/gtest.h>

#include <climits>

#include "view/canvas.h"
#include "view/chart_axis.h"
#include "view/fonts.h"
#include "view/text.h"

namespace {

using minamori::Axis;
using minamori::YearFigures;

TEST(ChartAxis, RangesHoldTheirValuesInFewNiceSteps) {
    const std::pair<int64_t, int64_t> cases[] = {
        {0, 100}, {0, 120}, {0, 1}, {5, 5}, {-37, 1234}, {INT32_MIN, INT32_MAX}, {0, 1999999999}};
    for (const auto& [low, high] : cases) {
        const Axis a = minamori::valueAxis(low, high, 5);
        EXPECT_LE(a.low, low);
        EXPECT_GE(a.high, high);
        EXPECT_GT(a.high, a.low);
        EXPECT_LE((a.high - a.low) / a.step, 5) << low << ".." << high;
        EXPECT_EQ(a.low % a.step, 0);
    }
    EXPECT_EQ(minamori::valueAxis(0, 100, 5).step, 20);
    EXPECT_EQ(minamori::firstMultipleFrom(-7, 5), -5);
    EXPECT_EQ(minamori::axisLabel(850), "850");
    EXPECT_EQ(minamori::axisLabel(30000), "3万");
    EXPECT_EQ(minamori::axisLabel(-150000000), "-1.5億");
}

std::vector<YearFigures> rising(int count, int32_t firstYear, int32_t scale) {
    std::vector<YearFigures> rows;
    for (int i = 0; i < count; ++i) {
        YearFigures f;
        f.year = firstYear + i;
        for (auto& c : f.countries) c = {scale * i, i, 100 - i};
        f.danger = 50 + i;
        rows.push_back(f);
    }
    return rows;
}

// Every case leaves the picture outside the panel untouched, and draws the
// home country's line whenever there is a year to draw.
TEST(Chart, DrawsInsideItsPanelWhateverTheFigures) {
    std::vector<std::vector<YearFigures>> cases = {{},
                                                   rising(1, 0, 1),
                                                   rising(3, 0, 10),
                                                   rising(200, 0, 1000),
                                                   rising(5, INT32_MAX - 4, INT32_MAX / 4)};
    std::vector<YearFigures> wild = rising(4, 0, 1);
    wild[0].year = INT32_MIN;
    wild[1].countries[0] = {INT32_MIN, INT32_MIN, INT32_MIN};
    wild[2].countries[0] = {INT32_MAX, INT32_MAX, INT32_MAX};
    wild[3].danger = INT32_MIN;
    std::swap(wild[1], wild[3]);  // out of order, too
    cases.push_back(wild);

    minamori::BoxFontEngine fonts;
    minamori::TextPainter text(fonts);
    constexpr minamori::Pixel kMark = 0x123456;
    const minamori::Pixel home =
        minamori::toPixel(*minamori::lineColour(minamori::colourCode("pink"), 0));
    for (const auto& rows : cases) {
        minamori::Canvas canvas(640, 480, kMark);
        minamori::drawChart(text, canvas, rows);
        int homePixels = 0;
        const minamori::ChartPanel& p = minamori::kChartPanel;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const bool inside = x >= p.left && x < p.right && y >= p.top && y < p.bottom;
                if (!inside) {
                    ASSERT_EQ(canvas.at(x, y), kMark)
                        << rows.size() << " rows, at " << x << "," << y;
                }
                homePixels += canvas.at(x, y) == home;
            }
        // The legend's sample alone is 28 pixels; the points and lines add more.
        if (rows.empty())
            EXPECT_EQ(homePixels, 28);
        else
            EXPECT_GT(homePixels, 28) << rows.size() << " rows";
    }
}

}  // namespace
