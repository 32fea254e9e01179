#include "controls/frame_painter.h"

#include <gtest/gtest.h>

#include "controls/test_pictures.h"
#include "fakes/fake_canvas.h"

namespace dusk {
namespace {

using Kind = test::FakeCanvas::Kind;

TEST(FrameTest, EightStretchedPiecesForSmallAndLargeWindows) {
    struct Case {
        int width, height;
        std::vector<Rect> destinations;
    };
    const Case cases[] = {
        // 30 high: all four corners, and sides only H - 20 = 10 high.
        {100,
         30,
         {{0, 0, 5, 15},
          {5, 0, 95, 15},
          {95, 0, 100, 15},
          {95, 15, 100, 25},
          {95, 25, 100, 30},
          {5, 25, 95, 30},
          {0, 25, 5, 30},
          {0, 15, 5, 25}}},
        {369,
         200,
         {{0, 0, 5, 15},
          {5, 0, 364, 15},
          {364, 0, 369, 15},
          {364, 15, 369, 195},
          {364, 195, 369, 200},
          {5, 195, 364, 200},
          {0, 195, 5, 200},
          {0, 15, 5, 195}}},
    };
    // Top edge from columns 5-10, bottom edge from 10-15; sides from rows 15 and 16 only.
    const std::vector<Rect> sources = {{0, 0, 5, 15},    {5, 0, 10, 15},   {15, 0, 20, 15},
                                       {15, 15, 20, 17}, {15, 15, 20, 20}, {10, 15, 15, 20},
                                       {0, 15, 5, 20},   {0, 15, 5, 17}};
    const Picture frame = test::Solid(20, 20, 1);
    for (const Case& c : cases) {
        test::FakeCanvas canvas;
        PaintFrame(canvas, c.width, c.height, frame);
        ASSERT_EQ(canvas.ops.size(), 8u);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(canvas.ops[i].kind, Kind::Stretch);
            EXPECT_EQ(canvas.ops[i].rect, c.destinations[i]) << c.height << " piece " << i;
            EXPECT_EQ(canvas.ops[i].source, sources[i]) << "piece " << i;
            EXPECT_EQ(canvas.ops[i].picture, &frame);
        }
    }
}

TEST(FrameTest, MainWindowCornerContentAreaAndLines) {
    const Picture corner = test::Solid(230, 150, 1);
    test::FakeCanvas canvas;
    PaintMainWindowExtras(canvas, 600, 400, corner);
    ASSERT_EQ(canvas.ops.size(), 5u);
    EXPECT_EQ(canvas.ops[0].kind, Kind::Picture);
    EXPECT_EQ(canvas.ops[0].picture, &corner);
    EXPECT_EQ(canvas.ops[0].at, (Point{370, 0}));
    struct Expected {
        Rect rect;
        Color pen;
    };
    const Expected rectangles[] = {{{14, 65, 586, 362}, 0xFFFFFF},
                                   {{20, 362, 580, 368}, 0xFFFFFF},
                                   {{14, 65, 586, 66}, 0x666666},
                                   {{14, 65, 15, 362}, 0x666666}};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& op = canvas.ops[i + 1];
        EXPECT_EQ(op.kind, Kind::Rectangle);
        EXPECT_EQ(op.rect, rectangles[i].rect) << i;
        EXPECT_EQ(op.pen, rectangles[i].pen) << i;
        EXPECT_EQ(op.brush, 0xFFFFFFu) << i;
    }
}

}  // namespace
}  // namespace dusk
