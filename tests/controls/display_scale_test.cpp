// Display scaling: the arithmetic from design pixels to a display's, the choice of picture set,
// and the canvas that draws a design-pixel paint at a display's scale.
#include "controls/display_scale.h"

#include <gtest/gtest.h>

#include "controls/picture_ops.h"
#include "controls/scaled_canvas.h"
#include "tests/fakes/fake_canvas.h"

namespace dusk {
namespace {

using test::FakeCanvas;

TEST(DisplayScaleTest, LengthsRoundToTheNearestPixelAtEveryCommonScale) {
    struct Case {
        int dpi;
        Size window;  // the main window's 700 x 524
        int eleven;   // a font height
        int one;      // a line width
    };
    const Case cases[] = {{96, {700, 524}, 11, 1},    {120, {875, 655}, 14, 1},
                          {144, {1050, 786}, 17, 2},  {168, {1225, 917}, 19, 2},
                          {192, {1400, 1048}, 22, 2}, {0, {700, 524}, 11, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(scale.Of(Size{700, 524}), c.window);
        EXPECT_EQ(scale.Length(11), c.eleven);
        EXPECT_EQ(scale.Length(1), c.one);
        EXPECT_EQ(scale.Length(-11), -c.eleven);
        EXPECT_EQ(scale.Of(Font{L"Tahoma", 11, true, 0x123456}),
                  (Font{L"Tahoma", c.eleven, true, 0x123456}));
    }
}

TEST(DisplayScaleTest, TouchingRectanglesStillTouchAndPointsComeBack) {
    for (const int dpi : {96, 120, 144, 168, 192, 240}) {
        SCOPED_TRACE(dpi);
        const DisplayScale scale(dpi);
        for (int edge = 0; edge < 200; ++edge) {
            const Rect left = scale.Of(Rect{3, 0, edge, 5});
            const Rect right = scale.Of(Rect{edge, 0, edge + 7, 5});
            ASSERT_EQ(left.right, right.left);
            // A pointer on a design pixel's display pixels maps back to that design pixel.
            ASSERT_EQ(scale.ToDesign(scale.Length(edge)), edge);
        }
    }
}

// Nearest set, the larger on a tie; no 100 % picture is ever enlarged by more than 1.25.
TEST(DisplayScaleTest, PictureSetIsTheNearestAndNeverEnlargesOneTimesPicturesBeyondAQuarter) {
    const int sets[] = {100, 150, 200};
    const std::pair<int, int> cases[] = {{96, 100},  {110, 100}, {120, 150}, {144, 150},
                                         {168, 200}, {192, 200}, {288, 200}, {72, 100}};
    for (const auto& [dpi, expected] : cases) {
        EXPECT_EQ(NearestPictureSet(DisplayScale(dpi), sets), expected) << dpi;
    }
    for (int dpi = 96; dpi <= 400; ++dpi) {
        const int set = NearestPictureSet(DisplayScale(dpi), sets);
        if (set == 100) {
            ASSERT_LE(dpi * 100, 125 * 96) << dpi;
        }
    }
}

TEST(ResamplePictureTest, AveragesByAreaWeightingColourByAlpha) {
    Picture source(2, 1, true);
    source.SetColorAt(0, 0, 0x0000FF);
    source.SetColorAt(1, 0, 0xFF0000);
    source.SetAlphaAt(1, 0, 0);  // a transparent pixel lends no colour
    const Picture half = ResamplePicture(source, 1, 1);
    EXPECT_EQ(half.ColorAt(0, 0), 0x0000FFu);
    EXPECT_EQ(half.AlphaAt(0, 0), 128);
    const Picture wide = ResamplePicture(source, 3, 2);
    EXPECT_EQ(wide.ColorAt(0, 1), 0x0000FFu);
    EXPECT_EQ(wide.AlphaAt(0, 1), 255);
    EXPECT_EQ(wide.AlphaAt(1, 0), 128);  // straddles both
    EXPECT_EQ(wide.AlphaAt(2, 0), 0);
    EXPECT_TRUE(ResamplePicture(source, 0, 3).Empty());
}

TEST(ScaledCanvasTest, ScalesPositionsFontsAndLinesOnceFromTheOrigin) {
    FakeCanvas device;
    ScaledCanvas canvas(device, DisplayScale(144), nullptr);
    canvas.SaveState();
    canvas.MoveOrigin(1, 1);
    canvas.FillRectangle({0, 0, 3, 3}, 0x11);  // design 1..4 -> 1.5..6 -> 2..6
    canvas.DrawTextLine(L"x", Font{L"Tahoma", 12}, {1, 0});
    canvas.RestoreState();
    canvas.DrawLine({4, 2}, {0, 2}, 0x22);  // right to left, x = 1..4
    canvas.DrawRectangle({0, 0, 4, 4}, 0x33, 0x44);
    const auto fills = device.OfKind(FakeCanvas::Kind::Fill);
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills[0].rect, (Rect{2, 2, 6, 6}));
    EXPECT_EQ(fills[1].rect, (Rect{2, 3, 8, 5}));
    EXPECT_EQ(fills[2].rect, (Rect{0, 0, 6, 6}));  // the pen, then the brush two pixels in
    EXPECT_EQ(fills[3].rect, (Rect{2, 2, 4, 4}));
    const auto texts = device.OfKind(FakeCanvas::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].at, (Point{3, 2}));
    EXPECT_EQ(texts[0].font.height, 18);
    // Measured in the design font, as the layout was made.
    EXPECT_EQ(canvas.MeasureText(L"abc", Font{}), device.MeasureText(L"abc", Font{}));
}

TEST(ScaledCanvasTest, DrawsTheDetailedPictureFoundByContentElseResamples) {
    Picture design(4, 2, true);
    design.SetColorAt(1, 1, 0x445566);
    Picture detailed(8, 4, true);
    DetailedPictures set;
    set.Add(design, detailed);
    const Picture copy = design;  // a control's copy finds it too
    FakeCanvas device;
    ScaledCanvas canvas(device, DisplayScale(192), &set);
    canvas.DrawPicture(copy, {1, 1});
    canvas.StretchCopy(copy, {1, 0, 3, 2}, {0, 0, 10, 2});
    Picture composed(4, 2, true);
    canvas.DrawPicture(composed, {0, 0});
    ScaledCanvas(device, DisplayScale(144), &set).DrawPicture(copy, {0, 0});
    const auto pictures = device.OfKind(FakeCanvas::Kind::Picture);
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[0].picture, set.Find(design));
    EXPECT_EQ(pictures[0].at, (Point{2, 2}));
    EXPECT_EQ(pictures[1].pictureSize, (Size{8, 4}));  // resampled, not the detailed one
    EXPECT_NE(pictures[1].picture, set.Find(design));
    EXPECT_EQ(pictures[2].pictureSize, (Size{6, 3}));  // 2x set shrunk to 1.5x
    const auto stretches = device.OfKind(FakeCanvas::Kind::Stretch);
    ASSERT_EQ(stretches.size(), 1u);
    EXPECT_EQ(stretches[0].picture, set.Find(design));
    EXPECT_EQ(stretches[0].source, (Rect{2, 0, 6, 4}));
    EXPECT_EQ(stretches[0].rect, (Rect{0, 0, 20, 4}));
}

}  // namespace
}  // namespace dusk
