#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace dusk::pictures {
namespace {

double length(double x, double y) { return std::hypot(x, y); }

}  // namespace

Shape rect(Rect r) { return roundRect(r, 0.0); }

Shape roundRect(Rect r, double radius) {
    return roundRect(r, Radii{radius, radius, radius, radius});
}

Shape roundRect(Rect r, Radii radii) {
    const double cx = (r.left + r.right) / 2;
    const double cy = (r.top + r.bottom) / 2;
    const double hw = (r.right - r.left) / 2;
    const double hh = (r.bottom - r.top) / 2;
    return [=](Point p) {
        const double px = p.x - cx;
        const double py = p.y - cy;
        double rad = px < 0 ? (py < 0 ? radii.topLeft : radii.bottomLeft)
                            : (py < 0 ? radii.topRight : radii.bottomRight);
        rad = std::min({rad, hw, hh});
        const double qx = std::abs(px) - hw + rad;
        const double qy = std::abs(py) - hh + rad;
        return std::min(std::max(qx, qy), 0.0) + length(std::max(qx, 0.0), std::max(qy, 0.0)) - rad;
    };
}

Shape circle(Point c, double radius) {
    return [=](Point p) { return length(p.x - c.x, p.y - c.y) - radius; };
}

Shape ellipse(Point c, double rx, double ry) {
    // Scaled circle distance; accurate enough for the gently oval shapes drawn here.
    const double k = std::min(rx, ry);
    return [=](Point p) {
        const double nx = (p.x - c.x) / rx;
        const double ny = (p.y - c.y) / ry;
        return (length(nx, ny) - 1) * k;
    };
}

Shape capsule(Point a, Point b, double halfWidth) {
    return [=](Point p) {
        const double bax = b.x - a.x;
        const double bay = b.y - a.y;
        const double len2 = bax * bax + bay * bay;
        double t = len2 > 0 ? ((p.x - a.x) * bax + (p.y - a.y) * bay) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        return length(p.x - a.x - bax * t, p.y - a.y - bay * t) - halfWidth;
    };
}

Shape stroke(const std::vector<Point>& points, double halfWidth) {
    std::vector<Shape> parts;
    for (std::size_t i = 1; i < points.size(); ++i) {
        parts.push_back(capsule(points[i - 1], points[i], halfWidth));
    }
    return unite(std::move(parts));
}

Shape polygon(std::vector<Point> v) {
    return [v = std::move(v)](Point p) {
        double d = std::numeric_limits<double>::max();
        double sign = 1;
        for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const double ex = v[j].x - v[i].x;
            const double ey = v[j].y - v[i].y;
            const double wx = p.x - v[i].x;
            const double wy = p.y - v[i].y;
            const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
            d = std::min(d, length(wx - ex * t, wy - ey * t));
            const bool c1 = p.y >= v[i].y;
            const bool c2 = p.y < v[j].y;
            const bool c3 = ex * wy > ey * wx;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
        }
        return sign * d;
    };
}

Shape arc(Point c, double radius, double halfWidth, double gapDirection, double gapAngle) {
    // Work in a frame where the arc is symmetric about the axis opposite the gap.
    const double axis = gapDirection + std::numbers::pi;
    const double aperture = std::numbers::pi - gapAngle / 2;  // half the drawn sweep
    const double sx = std::sin(aperture);
    const double sy = std::cos(aperture);
    return [=](Point p) {
        const double dx = p.x - c.x;
        const double dy = p.y - c.y;
        // Rotate so that the arc's middle lies on +y.
        const double rot = std::numbers::pi / 2 - axis;
        double x = dx * std::cos(rot) - dy * std::sin(rot);
        const double y = dx * std::sin(rot) + dy * std::cos(rot);
        x = std::abs(x);
        const double d = (sy * x > sx * y) ? length(x - sx * radius, y - sy * radius)
                                           : std::abs(length(x, y) - radius);
        return d - halfWidth;
    };
}

Shape unite(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](Point p) { return std::min(a(p), b(p)); };
}

Shape unite(std::vector<Shape> shapes) {
    return [s = std::move(shapes)](Point p) {
        double d = std::numeric_limits<double>::max();
        for (const Shape& shape : s) d = std::min(d, shape(p));
        return d;
    };
}

Shape intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](Point p) { return std::max(a(p), b(p)); };
}

Shape subtract(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](Point p) { return std::max(a(p), -b(p)); };
}

Shape grow(Shape s, double d) {
    return [s = std::move(s), d](Point p) { return s(p) - d; };
}

Shape outline(Shape s, double halfWidth) {
    return [s = std::move(s), halfWidth](Point p) { return std::abs(s(p)) - halfWidth; };
}

Shape translate(Shape s, double dx, double dy) {
    return [s = std::move(s), dx, dy](Point p) { return s({p.x - dx, p.y - dy}); };
}

Shape slant(Shape s, double factor, double pivotY) {
    return [s = std::move(s), factor, pivotY](Point p) {
        return s({p.x - factor * (pivotY - p.y), p.y});
    };
}

}  // namespace dusk::pictures
