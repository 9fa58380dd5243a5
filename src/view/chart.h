// The chart of the world over the years: GDP, opinion and the island danger,
// drawn from the rows of history.csv over the game picture.
#pragma once

#include <vector>

#include "core/history_file.h"

namespace minamori {

class Canvas;
struct ViewLayer;
class TextPainter;

// The dark panel the chart covers, (left, top, right, bottom), right and bottom exclusive.
struct ChartPanel {
    int left, top, right, bottom;
};
constexpr ChartPanel kChartPanel{12, 8, 628, 472};

// Draws the chart of the rows over the canvas, inside kChartPanel only, for any
// number of rows and any figures. The rows are those of readHistory(historyPath(game)),
// read once when the chart is opened: a few kilobytes even after a long game.
void drawChart(TextPainter& text, Canvas& canvas, const std::vector<YearFigures>& years);
void drawChart(ViewLayer& game, Canvas& canvas, const std::vector<YearFigures>& years);

}  // namespace minamori
