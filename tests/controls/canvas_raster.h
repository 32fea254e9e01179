#pragma once
#include <vector>

#include "fakes/fake_canvas.h"

namespace dusk::test {

// The fills, outlines and lines a FakeCanvas recorded, laid down on a width x height grid that
// starts out in `background`; what falls outside the grid is dropped.
class CanvasRaster {
public:
    CanvasRaster(const FakeCanvas& canvas, int width, int height, Color background = 0xFEFEFE)
        : width_(width), height_(height), pixels_(std::size_t(width * height), background) {
        using Kind = FakeCanvas::Kind;
        for (const FakeCanvas::Op& op : canvas.ops) {
            if (op.kind == Kind::Fill) Fill(op.rect, op.pen);
            if (op.kind == Kind::Rectangle) {
                Fill(op.rect, op.brush);
                Outline(op.rect, op.pen);
            }
            if (op.kind == Kind::Line) Line(op.at, op.to, op.pen);
        }
    }

    Color At(int x, int y) const { return pixels_[std::size_t(y * width_ + x)]; }

private:
    void Set(int x, int y, Color color) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            pixels_[std::size_t(y * width_ + x)] = color;
    }
    void Fill(const Rect& rect, Color color) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) Set(x, y, color);
        }
    }
    void Outline(const Rect& rect, Color color) {
        for (int x = rect.left; x < rect.right; ++x) {
            Set(x, rect.top, color);
            Set(x, rect.bottom - 1, color);
        }
        for (int y = rect.top; y < rect.bottom; ++y) {
            Set(rect.left, y, color);
            Set(rect.right - 1, y, color);
        }
    }
    // Horizontal and vertical lines only, the end excluded.
    void Line(Point from, Point to, Color color) {
        const int dx = to.x > from.x ? 1 : to.x < from.x ? -1 : 0;
        const int dy = to.y > from.y ? 1 : to.y < from.y ? -1 : 0;
        if (dx != 0 && dy != 0) return;  // not used by the menu
        for (Point p = from; p != to; p = {p.x + dx, p.y + dy}) Set(p.x, p.y, color);
    }

    int width_, height_;
    std::vector<Color> pixels_;
};

}  // namespace dusk::test
