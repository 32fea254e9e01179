// Countdown window pictures: the blinking emblem pair, the display behind the digits and the
// ten seven-segment digits.
#include <array>
#include <string>
#include <vector>

#include "emblem.h"
#include "families.h"
#include "style.h"

namespace dusk::pictures {
namespace {

// The digits sit on a recess of this colour; their transparent pixels carry it too.
const Color kRecess = fromRgb(0x10131F);
const Color kLitTop = fromRgb(0xFFD88A);
const Color kLitBottom = fromRgb(0xFF9630);

// Segment with pointed ends from a to b (axis-aligned), thickness t, ends pulled in by gap.
Shape segment(Point a, Point b, double t, double gap) {
    const double h = t / 2;
    if (a.y == b.y) {
        const double x0 = a.x + gap;
        const double x1 = b.x - gap;
        return polygon({{x0, a.y},
                        {x0 + h, a.y - h},
                        {x1 - h, a.y - h},
                        {x1, a.y},
                        {x1 - h, a.y + h},
                        {x0 + h, a.y + h}});
    }
    const double y0 = a.y + gap;
    const double y1 = b.y - gap;
    return polygon({{a.x, y0},
                    {a.x + h, y0 + h},
                    {a.x + h, y1 - h},
                    {a.x, y1},
                    {a.x - h, y1 - h},
                    {a.x - h, y0 + h}});
}

// Segments a to g of a 30 x 50 digit, leaning slightly forward.
std::array<Shape, 7> segments() {
    constexpr double l = 6.5, r = 23.0, t = 5.5, m = 25.0, b = 44.5, th = 5.2, gap = 0.8;
    auto lean = [](Shape s) { return slant(std::move(s), 0.06, 25); };
    return {lean(segment({l, t}, {r, t}, th, gap)), lean(segment({r, t}, {r, m}, th, gap)),
            lean(segment({r, m}, {r, b}, th, gap)), lean(segment({l, b}, {r, b}, th, gap)),
            lean(segment({l, m}, {l, b}, th, gap)), lean(segment({l, t}, {l, m}, th, gap)),
            lean(segment({l, m}, {r, m}, th, gap))};
}

// Lit segments a..g of each digit.
constexpr std::array<const char*, 10> kLit{"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                           "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

Image digit(int n) {
    Image image(30, 50, withAlpha(kRecess, 0));
    const auto segs = segments();
    std::vector<Shape> lit;
    for (int i = 0; i < 7; ++i) {
        const bool on = std::string(kLit[n]).find(char('a' + i)) != std::string::npos;
        if (on) {
            lit.push_back(segs[i]);
        } else {
            fill(image, segs[i], withAlpha(kLitBottom, 0.10));
        }
    }
    const Shape all = unite(lit);
    shadow(image, all, 1.6, 0, 0, withAlpha(kLitBottom, 0.55));
    fill(image, all, vertical(5, kLitTop, 45, kLitBottom));
    return image;
}

// "SEC" in small stroked capitals, 7 x 10 each, starting at (x, y).
Shape secLabel(double x, double y) {
    auto at = [&](double dx, std::vector<Point> pts) {
        for (Point& p : pts) p = {p.x + x + dx, p.y + y};
        return stroke(pts, 0.8);
    };
    return unite({at(0, {{6.2, 1.6},
                         {5, 0.5},
                         {2, 0.5},
                         {0.8, 1.8},
                         {1, 3.6},
                         {3.5, 5},
                         {6, 6.4},
                         {6.2, 8.3},
                         {5, 9.5},
                         {2, 9.5},
                         {0.8, 8.4}}),
                  at(10, {{6.5, 0.5}, {0.8, 0.5}, {0.8, 9.5}, {6.5, 9.5}}),
                  at(10, {{0.8, 5}, {5.2, 5}}),
                  at(20, {{6.5, 1.5},
                          {5, 0.5},
                          {2.2, 0.5},
                          {0.8, 2},
                          {0.8, 8},
                          {2.2, 9.5},
                          {5, 9.5},
                          {6.5, 8.5}})});
}

Image backdrop() {
    Image image(248, 88, withAlpha(fromRgb(0x1C2033), 0));
    const Shape body = roundRect({2, 1, 246, 85}, 10);
    shadow(image, body, 1.6, 0, 1.5, withAlpha(kBlack, 0.40));
    const Paint glass = vertical(1, fromRgb(0x323957), 85, fromRgb(0x171A2A));
    fill(image, body, glass);
    bevel(image, body, glass, 0.30, 0.25);
    fill(image, outline(grow(body, -0.5), 0.5), fromRgb(0x0B0D16));
    // The recess holding the digits at (95, 18) and (129, 19).
    const Shape recess = roundRect({87, 10, 167, 78}, 6);
    fill(image, translate(recess, 0, 1), withAlpha(kWhite, 0.10));
    fill(image, recess, kRecess);
    fill(image, subtract(recess, translate(recess, 0, 2)), withAlpha(kBlack, 0.45));
    fill(image, secLabel(176, 59), withAlpha(kLitBottom, 0.55));
    // A stopwatch on the left balances the unit on the right.
    const Point watch{64, 47};
    fill(image,
         unite({outline(circle(watch, 11), 1.1),
                capsule({watch.x, watch.y - 14}, {watch.x, watch.y - 12}, 1.3),
                capsule({watch.x - 2.5, watch.y - 15.5}, {watch.x + 2.5, watch.y - 15.5}, 1.2),
                capsule({watch.x + 8.6, watch.y - 10.4}, {watch.x + 10, watch.y - 11.8}, 1.1),
                capsule(watch, {watch.x + 4.5, watch.y - 4.5}, 1.0), circle(watch, 1.6)}),
         withAlpha(kLitBottom, 0.55));
    // A faint gloss over the upper half of the glass.
    fill(image, intersect(grow(body, -2), ellipse({124, -30}, 190, 62)), withAlpha(kWhite, 0.05));
    return image;
}

Image emblemIcon(const EmblemStyle& style) {
    Image image(65, 65, withAlpha(fromRgb(0x5B3C8C), 0));
    drawEmblem(image, {32.5, 32.5}, 26, style);
    return image;
}

}  // namespace

void drawCountdown(PictureSink& sink) {
    sink.add("jishi_icon1", emblemIcon({.glow = 1, .symbolLight = 1}));
    sink.add("jishi_icon2", emblemIcon({.glow = 0, .symbolLight = 0.35}));
    sink.add("jishi_backdrop", backdrop());
    for (int n = 0; n < 10; ++n) sink.add("jishi_digit_" + std::to_string(n), digit(n));
}

}  // namespace dusk::pictures
