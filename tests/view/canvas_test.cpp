// The drawing primitives at their pixel rules: right and bottom exclusive,
// outlines inside rectangles, ellipses, pen widths, OR and transparency.
#include <gtest/gtest.h>

#include "view/canvas.h"

namespace {

using minamori::Canvas;
using minamori::Pixel;

constexpr Pixel kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

int count(const Canvas& c, Pixel p) {
    int n = 0;
    for (Pixel q : c.pixels()) n += q == p;
    return n;
}

TEST(Canvas, RectanglesLeaveOutTheirRightAndBottomEdges) {
    Canvas c(8, 8);
    c.fillRect(1, 1, 3, 4, kRed);
    EXPECT_EQ(count(c, kRed), 2 * 3);
    EXPECT_EQ(c.at(2, 3), kRed);
    EXPECT_EQ(c.at(3, 3), 0u);
    EXPECT_EQ(c.at(2, 4), 0u);

    c.fillRect(-5, -5, 100, 0, kBlue);  // clipped, and empty in height
    c.fillRect(6, 6, 20, 20, kBlue);    // clipped at the far edges
    EXPECT_EQ(count(c, kBlue), 4);
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Canvas c(8, 8);
    c.penColour = kRed;
    c.brushColour = kBlue;
    c.rectangle(1, 1, 6, 5);
    EXPECT_EQ(c.at(1, 1), kRed);
    EXPECT_EQ(c.at(5, 4), kRed);
    EXPECT_EQ(c.at(6, 4), 0u);
    EXPECT_EQ(c.at(3, 3), kBlue);
    EXPECT_EQ(count(c, kBlue), 3 * 2);

    Canvas clear(8, 8, kWhite);
    clear.penColour = kRed;
    clear.brushClear = true;
    clear.rectangle(0, 0, 8, 8);
    EXPECT_EQ(clear.at(4, 4), kWhite);
    EXPECT_EQ(count(clear, kRed), 28);
}

TEST(Canvas, EllipseFillsInsideItsBoxOnly) {
    Canvas c(12, 12);
    c.penColour = kRed;
    c.brushColour = kBlue;
    c.ellipse(1, 1, 11, 11);
    EXPECT_EQ(c.at(5, 5), kBlue);
    EXPECT_EQ(c.at(1, 1), 0u);    // the box's corner is outside the ellipse
    EXPECT_EQ(c.at(1, 5), kRed);  // the left extreme is on the outline
    EXPECT_EQ(c.at(10, 5), kRed);
    EXPECT_EQ(c.at(11, 5), 0u);
    EXPECT_EQ(c.at(5, 0), 0u);

    // A wide pen eats into the inside; the size of the ellipse stays.
    Canvas wide(12, 12);
    wide.penColour = kRed;
    wide.brushColour = kBlue;
    wide.penWidth = 3;
    wide.ellipse(1, 1, 11, 11);
    EXPECT_EQ(wide.at(3, 5), kRed);
    EXPECT_EQ(wide.at(5, 5), kBlue);
    EXPECT_EQ(wide.at(0, 5), 0u);
    EXPECT_LT(count(wide, kBlue), count(c, kBlue));
}

TEST(Canvas, LinesLeaveOutTheirEndPointAndGrowWithThePen) {
    Canvas c(10, 10);
    c.penColour = kRed;
    c.line(1, 1, 6, 1);
    EXPECT_EQ(count(c, kRed), 5);
    EXPECT_EQ(c.at(6, 1), 0u);
    c.line(0, 9, 9, 0);
    EXPECT_EQ(c.at(0, 9), kRed);
    EXPECT_EQ(c.at(9, 0), 0u);

    Canvas wide(20, 20);
    wide.penColour = kRed;
    wide.penWidth = 5;
    wide.line(5, 10, 15, 10);
    EXPECT_EQ(wide.at(10, 8), kRed);
    EXPECT_EQ(wide.at(10, 12), kRed);
    EXPECT_EQ(wide.at(10, 13), 0u);
    EXPECT_EQ(wide.at(3, 10), kRed);  // a round end reaches beyond the start
}

TEST(Canvas, CopiesClipOrAndKeepTheTransparentColourOut) {
    Canvas src(4, 4, 0x102030);
    src.set(0, 3, 0xFF00FF);
    Canvas dst(6, 6, 0x010203);
    dst.copyTransparent(src, 3, 3, 0xFF00FF);
    EXPECT_EQ(dst.at(3, 3), 0x102030u);
    EXPECT_EQ(dst.at(5, 5), 0x102030u);
    EXPECT_EQ(dst.at(2, 2), 0x010203u);

    Canvas copy(6, 6);
    copy.copyFrom(src, -2, -2);
    EXPECT_EQ(copy.at(0, 0), 0x102030u);
    EXPECT_EQ(copy.at(1, 1), 0x102030u);
    EXPECT_EQ(copy.at(2, 2), 0u);

    Canvas light(6, 6, 0x0F00F0);
    Canvas base(6, 6, 0x102030);
    base.orFrom(light);
    EXPECT_EQ(base.at(4, 4), 0x1F20F0u);  // bitwise OR, not addition
}

}  // namespace
