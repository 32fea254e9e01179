#include "controls/menu_drawing_helpers.h"

#include <cmath>

namespace dusk {

ColorChannels SplitColor(Color color) {
    return {int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)};
}

Color MakeColor(int red, int green, int blue) {
    return Color(red) + Color(green) * 256 + Color(blue) * 65536;
}

namespace {

// Computed in floating point exactly in this order, then truncated toward zero.
int GradientChannel(int from, int to, int width, int offset) {
    return from + int(std::trunc(double(to - from) / double(width) * double(offset)));
}

void VerticalLine(Canvas& canvas, int x, const Rect& rect, Color color) {
    canvas.DrawLine({x, rect.top}, {x, rect.bottom}, color);
}

}  // namespace

void FillGradient(Canvas& canvas, const Rect& rect, Color from, Color to) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const ColorChannels start = SplitColor(from);
    const ColorChannels end = SplitColor(to);
    VerticalLine(canvas, rect.left, rect, from);
    for (int x = rect.left + 1; x <= rect.right - 2; ++x) {
        const int offset = x - rect.left;
        const int width = rect.Width();
        VerticalLine(canvas, x, rect,
                     MakeColor(GradientChannel(start.red, end.red, width, offset),
                               GradientChannel(start.green, end.green, width, offset),
                               GradientChannel(start.blue, end.blue, width, offset)));
    }
    VerticalLine(canvas, rect.right - 1, rect, to);
}

void DrawSeparatorLine(Canvas& canvas, const Rect& rect, Color color, bool leftToRight,
                       int barWidth) {
    const int y = rect.top + 2;
    const int from = leftToRight ? rect.left + barWidth + 4 : rect.left + 2;
    const int to = leftToRight ? rect.right - 2 : rect.right - barWidth - 4;
    if (from < to) canvas.DrawLine({from, y}, {to, y}, color);
}

void FrameRectColor(Canvas& canvas, const Rect& rect, Color color) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    canvas.FillRectangle({l, t, r, t + 1}, color);
    if (rect.Height() > 1) canvas.FillRectangle({l, b - 1, r, b}, color);
    if (rect.Height() > 2) {
        canvas.FillRectangle({l, t + 1, l + 1, b - 1}, color);
        if (rect.Width() > 1) canvas.FillRectangle({r - 1, t + 1, r, b - 1}, color);
    }
}

void FillRectColor(Canvas& canvas, const Rect& rect, Color color) {
    canvas.FillRectangle(rect, color);
}

void FrameMenuWindow(Canvas& canvas, Size windowSize, Color outer, Color inner, bool drawInner,
                     int innerCount) {
    Rect rect{0, 0, windowSize.width, windowSize.height};
    FrameRectColor(canvas, rect, outer);
    if (!drawInner) return;
    for (int i = 0; i < innerCount; ++i) {
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        FrameRectColor(canvas, rect, inner);
    }
}

}  // namespace dusk
