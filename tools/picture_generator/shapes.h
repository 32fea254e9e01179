// Shapes as signed distance functions: negative inside, positive outside, in pixels.
// Pixel (x, y) covers the square x..x+1, y..y+1; rectangles on whole coordinates are crisp.
#pragma once

#include <functional>
#include <vector>

namespace dusk::pictures {

struct Point {
    double x = 0;
    double y = 0;
};

using Shape = std::function<double(Point)>;

struct Rect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Corner radii, clockwise from the top left.
struct Radii {
    double topLeft = 0;
    double topRight = 0;
    double bottomRight = 0;
    double bottomLeft = 0;
};

Shape rect(Rect r);
Shape roundRect(Rect r, double radius);
Shape roundRect(Rect r, Radii radii);
Shape circle(Point centre, double radius);
Shape ellipse(Point centre, double rx, double ry);
// A straight stroke with round ends.
Shape capsule(Point a, Point b, double halfWidth);
// A polyline stroke with round joins and ends.
Shape stroke(const std::vector<Point>& points, double halfWidth);
Shape polygon(std::vector<Point> points);
// A circular arc with round ends; the gap is centred on gapDirection (radians, 0 = right,
// pi/2 = down) and spans gapAngle.
Shape arc(Point centre, double radius, double halfWidth, double gapDirection, double gapAngle);

Shape unite(Shape a, Shape b);
Shape unite(std::vector<Shape> shapes);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
// Grows the shape by d (shrinks it when negative).
Shape grow(Shape s, double d);
// The band of width 2 * halfWidth centred on the shape's outline.
Shape outline(Shape s, double halfWidth);
Shape translate(Shape s, double dx, double dy);
// Shears x by factor * (pivotY - y), leaning the shape to the right above pivotY.
Shape slant(Shape s, double factor, double pivotY);

}  // namespace dusk::pictures
