#include "controls/menu_drawing_helpers.h"

#include <gtest/gtest.h>

#include "canvas_raster.h"

namespace dusk {
namespace {

using Kind = test::FakeCanvas::Kind;

TEST(MenuDrawingTest, GradientIsOneLinePerColumnWithTruncatedChannels) {
    struct Case {
        const char* name;
        Rect rect;
        Color from, to;
        std::vector<Color> columns;  // expected colour of each line, left to right
    };
    const Case cases[] = {
        {"empty", {5, 0, 5, 10}, 0x000000, 0xFFFFFF, {}},
        {"one pixel shows the end colour", {5, 0, 6, 10}, 0x0000FF, 0x00FF00, {0x0000FF, 0x00FF00}},
        {"two pixels", {0, 0, 2, 4}, 0x000000, 0xFFFFFF, {0x000000, 0xFFFFFF}},
        // red 0 -> 255 and green 0 -> 100 over 4: 63.75 and 25, then 127.5 and 50, truncated.
        {"rising", {10, 2, 14, 6}, 0x000000, 0x0064FF, {0x000000, 0x00193F, 0x00327F, 0x0064FF}},
        // blue 200 -> 0 over 3: 200 - 66.67 truncates toward zero to 134, not 133.
        {"falling", {0, 0, 3, 1}, 0xC80000, 0x000000, {0xC80000, 0x860000, 0x000000}},
    };
    for (const Case& c : cases) {
        test::FakeCanvas canvas;
        FillGradient(canvas, c.rect, c.from, c.to);
        ASSERT_EQ(canvas.ops.size(), c.columns.size()) << c.name;
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            const auto& line = canvas.ops[i];
            const int x = i + 1 == c.columns.size() ? c.rect.right - 1 : c.rect.left + int(i);
            EXPECT_EQ(line.kind, Kind::Line) << c.name;
            EXPECT_EQ(line.pen, c.columns[i]) << c.name << " column " << i;
            EXPECT_EQ(line.at, (Point{x, c.rect.top})) << c.name << " column " << i;
            EXPECT_EQ(line.to, (Point{x, c.rect.bottom})) << c.name << " column " << i;
        }
    }
}

TEST(MenuDrawingTest, SeparatorLineClearsTheBarOnEitherSide) {
    struct Case {
        bool leftToRight;
        int barWidth;
        Point from, to;
    };
    const Case cases[] = {
        {true, 20, {24, 7}, {98, 7}},
        {false, 20, {2, 7}, {76, 7}},
        {true, 0, {4, 7}, {98, 7}},
    };
    for (const Case& c : cases) {
        test::FakeCanvas canvas;
        DrawSeparatorLine(canvas, {0, 5, 100, 15}, 0xCDCDCD, c.leftToRight, c.barWidth);
        ASSERT_EQ(canvas.ops.size(), 1u);
        EXPECT_EQ(canvas.ops[0].at, c.from) << c.leftToRight << c.barWidth;
        EXPECT_EQ(canvas.ops[0].to, c.to) << c.leftToRight << c.barWidth;
        EXPECT_EQ(canvas.ops[0].pen, 0xCDCDCDu);
    }
    test::FakeCanvas tooNarrow;
    DrawSeparatorLine(tooNarrow, {0, 0, 25, 10}, 0xCDCDCD, true, 20);
    EXPECT_TRUE(tooNarrow.ops.empty());
}

// Each row of `expected` is one row of pixels: 'o' outer, 'i' inner, '.' untouched.
void ExpectPattern(const test::CanvasRaster& raster, const std::vector<std::string>& expected,
                   Color outer, Color inner) {
    for (std::size_t y = 0; y < expected.size(); ++y) {
        for (std::size_t x = 0; x < expected[y].size(); ++x) {
            const char c = expected[y][x];
            const Color want = c == 'o' ? outer : c == 'i' ? inner : 0xFEFEFE;
            EXPECT_EQ(raster.At(int(x), int(y)), want) << "at " << x << "," << y;
        }
    }
}

TEST(MenuDrawingTest, FramesOutlineWithoutFillingTheInside) {
    test::FakeCanvas window;
    FrameMenuWindow(window, {8, 7}, 0x111111, 0x222222, true, 2);
    ExpectPattern(
        test::CanvasRaster(window, 8, 7),
        {"oooooooo", "oiiiiiio", "oiiiiiio", "oii..iio", "oiiiiiio", "oiiiiiio", "oooooooo"},
        0x111111, 0x222222);

    test::FakeCanvas outerOnly;
    FrameMenuWindow(outerOnly, {4, 4}, 0x111111, 0x222222, false, 2);
    ExpectPattern(test::CanvasRaster(outerOnly, 4, 4), {"oooo", "o..o", "o..o", "oooo"}, 0x111111,
                  0x222222);

    test::FakeCanvas thin;
    FrameRectColor(thin, {1, 1, 4, 2}, 0x111111);
    FrameRectColor(thin, {1, 3, 4, 3}, 0x111111);  // empty: nothing
    ExpectPattern(test::CanvasRaster(thin, 5, 4), {".....", ".ooo.", ".....", "....."}, 0x111111,
                  0);
}

}  // namespace
}  // namespace dusk
