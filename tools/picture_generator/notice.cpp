// Notice window pictures: the information symbol and an illustration of the notification
// area with an arrow pointing at the program's icon.
#include <cmath>
#include <numbers>
#include <vector>

#include "emblem.h"
#include "families.h"
#include "style.h"

namespace dusk::pictures {
namespace {

Image infoSymbol() {
    Image image(32, 32, withAlpha(fromRgb(0x2B78D0), 0));
    const Shape disc = circle({16, 16}, 14.5);
    shadow(image, disc, 1.0, 0, 1, withAlpha(kBlack, 0.30));
    const Paint blue = vertical(1, fromRgb(0x6DB6F5), 31, fromRgb(0x1A63BE));
    fill(image, disc, blue);
    bevel(image, disc, blue, 0.45, 0.2);
    fill(image, outline(grow(disc, -0.5), 0.5), fromRgb(0x144F99));
    const Shape letter = unite(circle({16, 9.3}, 2.2), roundRect({14, 13, 18, 24.5}, 1));
    fill(image, translate(letter, 0, 0.8), withAlpha(fromRgb(0x0B3A75), 0.5));
    fill(image, letter, kWhite);
    return image;
}

// Seven-segment digit, w x h, for the taskbar clock; segments a..g lit per `lit`.
Shape clockDigit(double x, double y, double w, double h, const char* lit) {
    const double hw = 0.65;
    const Point p[6] = {{x, y},         {x + w, y}, {x + w, y + h / 2},
                        {x + w, y + h}, {x, y + h}, {x, y + h / 2}};
    // a: 0-1, b: 1-2, c: 2-3, d: 3-4, e: 4-5, f: 5-0, g: 5-2
    const int ends[7][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}, {5, 2}};
    std::vector<Shape> parts;
    for (const char* c = lit; *c; ++c) {
        const int i = *c - 'a';
        parts.push_back(capsule(p[ends[i][0]], p[ends[i][1]], hw));
    }
    return unite(std::move(parts));
}

// Points along a quadratic curve, for strokes.
std::vector<Point> curve(Point a, Point control, Point b, int steps) {
    std::vector<Point> pts;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double u = 1 - t;
        pts.push_back({u * u * a.x + 2 * u * t * control.x + t * t * b.x,
                       u * u * a.y + 2 * u * t * control.y + t * t * b.y});
    }
    return pts;
}

Image trayArea() {
    Image image(176, 100, withAlpha(fromRgb(0x20263A), 0));
    const Shape card = roundRect({1, 1, 175, 97}, 7);
    shadow(image, card, 1.2, 0, 1, withAlpha(kBlack, 0.30));
    fill(image, card, vertical(1, fromRgb(0xCFE0F3), 70, fromRgb(0xF1F5FA)));
    // A corner of a window on the desktop, for scale.
    const Shape win = intersect(card, roundRect({-10, 12, 70, 90}, 4));
    fill(image, translate(win, 0, 1), withAlpha(kBlack, 0.10));
    fill(image, win, withAlpha(kWhite, 0.85));
    fill(image, intersect(win, rect({-10, 12, 70, 22})), withAlpha(fromRgb(0x7D8FA8), 0.55));
    // The taskbar.
    const Shape bar = intersect(card, rect({0, 70, 176, 100}));
    fill(image, bar, vertical(70, fromRgb(0x2C3450), 98, fromRgb(0x171C2C)));
    fill(image, intersect(card, rect({0, 70, 176, 71})), fromRgb(0x4A5577));
    const Color icon = fromRgb(0xC9D2E6);
    const double cy = 84;
    fill(image, stroke({{45, cy + 2}, {48.5, cy - 1.5}, {52, cy + 2}}, 0.8), icon);  // hidden icons
    // Network bars.
    for (int i = 0; i < 4; ++i) {
        fill(image, rect({62.0 + i * 3, cy + 4 - 2.5 * i - 1, 64.0 + i * 3, cy + 5}), icon);
    }
    // Speaker with two sound waves.
    fill(image,
         polygon({{78, cy - 1.5},
                  {80.5, cy - 1.5},
                  {84, cy - 5},
                  {84, cy + 5},
                  {80.5, cy + 1.5},
                  {78, cy + 1.5}}),
         icon);
    fill(image, arc({84, cy}, 3.2, 0.6, std::numbers::pi, 4.2), icon);
    fill(image, arc({84, cy}, 5.8, 0.6, std::numbers::pi, 4.2), icon);
    // The program's icon, lit as if hovered.
    const Shape hot = roundRect({97, 75, 119, 94}, 3);
    fill(image, hot, withAlpha(kWhite, 0.16));
    fill(image, outline(grow(hot, -0.5), 0.5), withAlpha(kWhite, 0.30));
    drawEmblem(image, {108, 84.5}, 7.5, {.moon = false});
    // Clock 22:00.
    const double dx = 128;
    const Color white = fromRgb(0xF2F4FA);
    fill(image,
         unite({clockDigit(dx, 80, 4.5, 9, "abdeg"), clockDigit(dx + 7.5, 80, 4.5, 9, "abdeg"),
                circle({dx + 14.5, 82.5}, 0.8), circle({dx + 14.5, 86.5}, 0.8),
                clockDigit(dx + 17.5, 80, 4.5, 9, "abcdef"),
                clockDigit(dx + 25, 80, 4.5, 9, "abcdef")}),
         white);
    // The arrow, curving down from the desktop onto the icon.
    const std::vector<Point> path = curve({66, 32}, {108, 22}, {108, 60}, 24);
    const Shape shaft = stroke(path, 2.4);
    const Shape head = polygon({{100.5, 57}, {115.5, 57}, {108, 70}});
    const Shape arrow = unite(shaft, grow(head, 0.6));
    fill(image, translate(arrow, 0.8, 1.4), withAlpha(kBlack, 0.22));
    fill(image, grow(arrow, 1.2), kWhite);
    fill(image, arrow, vertical(24, fromRgb(0xFFA262), 70, fromRgb(0xF06A22)));
    fill(image, outline(grow(card, -0.5), 0.5), withAlpha(fromRgb(0x5A6684), 0.9));
    return image;
}

}  // namespace

void drawNotice(PictureSink& sink) {
    sink.add("tishi_info", infoSymbol());
    sink.add("tishi_tray_area", trayArea());
}

}  // namespace dusk::pictures
