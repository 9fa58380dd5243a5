#include "view/chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "view/canvas.h"
#include "view/chart_axis.h"
#include "view/colours.h"
#include "view/layer.h"
#include "view/text.h"

namespace minamori {

namespace {

constexpr FontSpec kTitleFont{FontFace::kProportional, 12, true};
constexpr FontSpec kCaptionFont{FontFace::kProportional, 10, true};
constexpr FontSpec kLabelFont{FontFace::kFixed, 9, false};

constexpr Pixel kPanelColour = 0x0C141C;
constexpr Pixel kBorderColour = 0x556677;
constexpr Pixel kPlotColour = 0x131D27;
constexpr Pixel kGridColour = 0x263440;
constexpr Pixel kTextColour = 0xC0C0C0;   // the status panels' text
constexpr Pixel kLabelColour = 0x999999;  // "silver"

constexpr int kPlotLeft = 80;
constexpr int kPlotRight = 610;
constexpr int kPlotParts = 5;    // grid lines of a value axis, at most
constexpr int kYearParts = 10;   // labelled years, at most
constexpr int kDotSpacing = 10;  // points this far apart are marked with a dot

// The colours of the log's named colours, at their first step.
Pixel logColour(const char* name) {
    return toPixel(lineColour(colourCode(name), 0).value_or(Rgb{0xC0, 0xC0, 0xC0}));
}

struct CountryStyle {
    const char* name;
    const char* colour;
};
constexpr std::array<CountryStyle, kCountriesInPlay> kCountryStyles = {
    {{"日本", "pink"}, {"中国", "yellow"}, {"台湾", "green2"}, {"米国", "blue"}}};

// One of the stacked plots: its place, the least top of its axis, and its series.
struct Plot {
    const char* title;
    int top, bottom;
    int64_t leastTop;
    int seriesCount;
    int32_t (*figure)(const YearFigures&, int series);
};

const std::array<Plot, 3> kPlots = {{
    {"GDP (兆円)", 50, 180, 10, kCountriesInPlay,
     [](const YearFigures& f, int c) { return f.countries[static_cast<size_t>(c)].gdp; }},
    {"世論 (各国の対日世論、日本は国内)", 208, 308, 100, kCountriesInPlay,
     [](const YearFigures& f, int c) { return f.countries[static_cast<size_t>(c)].opinion; }},
    {"尖閣危険度 (％)", 336, 436, 100, 1, [](const YearFigures& f, int) { return f.danger; }},
}};

Pixel seriesColour(const Plot& plot, int series) {
    return plot.seriesCount == 1 ? logColour("red")
                                 : logColour(kCountryStyles[static_cast<size_t>(series)].colour);
}

// Where a year lies across the plots; a single year sits in the middle.
struct YearScale {
    explicit YearScale(const std::vector<YearFigures>& rows) {
        const auto [low, high] = std::minmax_element(
            rows.begin(), rows.end(),
            [](const YearFigures& a, const YearFigures& b) { return a.year < b.year; });
        first = low->year;
        last = high->year;
    }
    int64_t first = 0, last = 0;
    int x(int64_t year) const {
        if (last == first) return (kPlotLeft + kPlotRight) / 2;
        const double f = static_cast<double>(year - first) / static_cast<double>(last - first);
        return kPlotLeft + static_cast<int>(std::lround(f * (kPlotRight - 1 - kPlotLeft)));
    }
};

// A label's left edge: at x when it fits, else moved inside the panel.
int labelLeft(int x, int width) {
    return std::max(kChartPanel.left + 3, std::min(x, kChartPanel.right - 3 - width));
}

int yOf(int64_t value, const Axis& axis, const Plot& plot) {
    double f = static_cast<double>(value - axis.low) / static_cast<double>(axis.high - axis.low);
    f = std::clamp(f, 0.0, 1.0);
    return plot.bottom - 1 - static_cast<int>(std::lround(f * (plot.bottom - 1 - plot.top)));
}

Axis plotAxis(const Plot& plot, const std::vector<YearFigures>& rows) {
    int64_t low = 0, high = plot.leastTop;
    for (const YearFigures& row : rows)
        for (int s = 0; s < plot.seriesCount; ++s) {
            low = std::min<int64_t>(low, plot.figure(row, s));
            high = std::max<int64_t>(high, plot.figure(row, s));
        }
    return valueAxis(low, high, kPlotParts);
}

void drawPlotFrame(TextPainter& text, Canvas& canvas, const Plot& plot, const Axis& axis) {
    text.draw(canvas, kChartPanel.left + 10, plot.top - 17, plot.title, kCaptionFont, kTextColour);
    canvas.fillRect(kPlotLeft, plot.top, kPlotRight, plot.bottom, kPlotColour);
    const int labelHeight = text.lineHeight(kLabelFont);
    for (int64_t v = axis.low; v <= axis.high; v += axis.step) {
        const int y = yOf(v, axis, plot);
        canvas.fillRect(kPlotLeft, y, kPlotRight, y + 1, kGridColour);
        const std::string label = axisLabel(v);
        const int width = text.textWidth(label, kLabelFont);
        text.draw(canvas, labelLeft(kPlotLeft - 5 - width, width), y - labelHeight / 2, label,
                  kLabelFont, kLabelColour);
    }
}

void drawSeries(Canvas& canvas, const std::vector<YearFigures>& rows, const YearScale& years,
                const Plot& plot, const Axis& axis, int series) {
    const Pixel colour = seriesColour(plot, series);
    canvas.penColour = colour;
    canvas.penWidth = 2;
    const auto gaps = static_cast<int64_t>(rows.size()) - 1;
    const bool dots = kDotSpacing * gaps <= kPlotRight - kPlotLeft;
    int lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int x = years.x(rows[i].year);
        const int y = yOf(plot.figure(rows[i], series), axis, plot);
        if (i > 0) canvas.line(lastX, lastY, x, y);
        if (dots) canvas.fillRect(x - 2, y - 2, x + 2, y + 2, colour);
        lastX = x;
        lastY = y;
    }
}

void drawYearGrid(TextPainter& text, Canvas& canvas, const YearScale& years) {
    const int64_t step = niceStep(years.last - years.first, kYearParts);
    const int labelTop = kPlots.back().bottom + 3;
    for (int64_t year = firstMultipleFrom(years.first, step); year <= years.last; year += step) {
        const int x = years.x(year);
        for (const Plot& plot : kPlots)
            canvas.fillRect(x, plot.top, x + 1, plot.bottom, kGridColour);
        const std::string label = std::to_string(year) + "年";
        const int width = text.textWidth(label, kLabelFont);
        text.draw(canvas, labelLeft(x - width / 2, width), labelTop, label, kLabelFont,
                  kLabelColour);
    }
}

void drawLegend(TextPainter& text, Canvas& canvas) {
    int x = kPlotRight - 4;
    for (auto it = kCountryStyles.rbegin(); it != kCountryStyles.rend(); ++it) {
        x -= text.textWidth(it->name, kCaptionFont);
        text.draw(canvas, x, 16, it->name, kCaptionFont, kTextColour);
        x -= 18;
        canvas.fillRect(x, 22, x + 14, 24, logColour(it->colour));
        x -= 10;
    }
}

void drawPanel(TextPainter& text, Canvas& canvas, const std::vector<YearFigures>& rows) {
    const ChartPanel& p = kChartPanel;
    canvas.fillRect(p.left, p.top, p.right, p.bottom, kBorderColour);
    canvas.fillRect(p.left + 1, p.top + 1, p.right - 1, p.bottom - 1, kPanelColour);
    std::string title = "世界の推移";
    if (!rows.empty()) {
        const YearScale years(rows);
        title += "  " + std::to_string(years.first) + "年";
        if (years.last != years.first) title += "〜" + std::to_string(years.last) + "年";
    }
    text.draw(canvas, p.left + 10, p.top + 6, title, kTitleFont, kTextColour);
    drawLegend(text, canvas);
    const std::string hint = "G・クリック・Esc: 閉じる";
    text.draw(canvas, kPlotRight - text.textWidth(hint, kLabelFont), p.bottom - 16, hint,
              kLabelFont, kLabelColour);
}

}  // namespace

void drawChart(TextPainter& text, Canvas& canvas, const std::vector<YearFigures>& years) {
    drawPanel(text, canvas, years);
    if (years.empty()) {
        const std::string none = "まだ記録がありません (年が明けるごとに記録されます)";
        text.draw(canvas,
                  (kChartPanel.left + kChartPanel.right - text.textWidth(none, kTitleFont)) / 2,
                  (kChartPanel.top + kChartPanel.bottom) / 2, none, kTitleFont, kLabelColour);
        return;
    }
    const YearScale scale(years);
    std::array<Axis, kPlots.size()> axes;
    for (std::size_t i = 0; i < kPlots.size(); ++i) {
        axes[i] = plotAxis(kPlots[i], years);
        drawPlotFrame(text, canvas, kPlots[i], axes[i]);
    }
    drawYearGrid(text, canvas, scale);
    for (std::size_t i = 0; i < kPlots.size(); ++i)
        for (int s = kPlots[i].seriesCount - 1; s >= 0; --s)  // 日本 drawn last, on top
            drawSeries(canvas, years, scale, kPlots[i], axes[i], s);
}

void drawChart(ViewLayer& game, Canvas& canvas, const std::vector<YearFigures>& years) {
    drawChart(game.text, canvas, years);
}

}  // namespace minamori
