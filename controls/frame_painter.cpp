#include "controls/frame_painter.h"

namespace dusk {

void PaintFrame(Canvas& canvas, int width, int height, const Picture& frame) {
    const int w = width;
    const int h = height;
    struct Piece {
        Rect to, from;
    };
    // Corners are 5 wide; the top is 15 high, the bottom 5. The top edge stretches source
    // columns 5-10, the bottom edge 10-15; the sides stretch the two rows 15-16.
    const Piece pieces[] = {
        {{0, 0, 5, 15}, {0, 0, 5, 15}},             // top-left corner
        {{5, 0, w - 5, 15}, {5, 0, 10, 15}},        // top edge
        {{w - 5, 0, w, 15}, {15, 0, 20, 15}},       // top-right corner
        {{w - 5, 15, w, h - 5}, {15, 15, 20, 17}},  // right edge
        {{w - 5, h - 5, w, h}, {15, 15, 20, 20}},   // bottom-right corner
        {{5, h - 5, w - 5, h}, {10, 15, 15, 20}},   // bottom edge
        {{0, h - 5, 5, h}, {0, 15, 5, 20}},         // bottom-left corner
        {{0, 15, 5, h - 5}, {0, 15, 5, 17}},        // left edge
    };
    for (const Piece& piece : pieces) canvas.StretchCopy(frame, piece.from, piece.to);
}

void PaintMainWindowExtras(Canvas& canvas, int width, int height, const Picture& corner) {
    constexpr Color kWhite = 0xFFFFFF;
    constexpr Color kLine = 0x666666;
    const int w = width;
    const int h = height;
    canvas.DrawPicture(corner, {w - corner.Width(), 0});
    canvas.DrawRectangle({14, 65, w - 14, h - 38}, kWhite, kWhite);
    canvas.DrawRectangle({20, h - 38, w - 20, h - 32}, kWhite, kWhite);
    canvas.DrawRectangle({14, 65, w - 14, 66}, kLine, kWhite);
    canvas.DrawRectangle({14, 65, 15, h - 38}, kLine, kWhite);
}

}  // namespace dusk
