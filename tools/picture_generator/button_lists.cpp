// The button picture lists: every colour, each with the states its list has.
#include <cmath>
#include <string>
#include <vector>

#include "buttons.h"
#include "families.h"

namespace dusk::pictures {
namespace {

using Glyph = Shape (*)(double cx, double cy);

Shape closeGlyph(double cx, double cy) {
    const double r = 3.6;
    return unite(capsule({cx - r, cy - r}, {cx + r, cy + r}, 0.95),
                 capsule({cx - r, cy + r}, {cx + r, cy - r}, 0.95));
}

Shape minGlyph(double cx, double cy) { return rect({cx - 4, cy + 2, cx + 4, cy + 4}); }

Shape maxGlyph(double cx, double cy) {
    const Shape box = rect({cx - 4, cy - 4, cx + 4, cy + 4});
    return subtract(box, rect({cx - 3, cy - 2, cx + 3, cy + 3}));
}

Shape restoreGlyph(double cx, double cy) {
    const Shape back =
        subtract(rect({cx - 2, cy - 5, cx + 5, cy + 2}), rect({cx - 1, cy - 3, cx + 4, cy + 1}));
    const Shape front = rect({cx - 5, cy - 2, cx + 2, cy + 5});
    return unite(subtract(back, grow(front, 1)),
                 subtract(front, rect({cx - 4, cy, cx + 1, cy + 4})));
}

Image chromeWithGlyph(const Skin& skin, ButtonState state, int width, Radii radii, bool danger,
                      bool last, Glyph glyph) {
    constexpr int kHeight = 17;
    Image image = chromeButton(skin, state, width, kHeight, radii, danger, last);
    const double shift = state == ButtonState::MouseDown ? 1 : 0;
    const double cx = std::floor(width / 2.0) + shift;
    const double cy = 8 + shift;
    const double opacity = state == ButtonState::Disabled ? 0.38 : 1.0;
    fill(image, translate(glyph(cx, cy), 0, 1), withAlpha(kBlack, 0.25 * opacity));
    fill(image, glyph(cx, cy), kWhite, opacity);
    return image;
}

// A globe on the left and a drop-down chevron on the right of a pill.
Image languageButton(const Skin& skin, ButtonState state) {
    Image image = pushButton(skin, state, 90, 19, 8.5);
    const double shift = state == ButtonState::MouseDown ? 1 : 0;
    const Color ink = withAlpha(skin.caption, 0.85);
    const Point c{11.5, 9 + shift};
    const Shape globe = unite({outline(circle(c, 4.5), 0.55), outline(ellipse(c, 2.0, 4.5), 0.45),
                               rect({c.x - 4.5, c.y - 0.45, c.x + 4.5, c.y + 0.45})});
    fill(image, globe, ink);
    fill(image, stroke({{77, 7.5 + shift}, {80.5, 11 + shift}, {84, 7.5 + shift}}, 0.85), ink);
    return image;
}

std::vector<ButtonState> statesOf(bool hasDisabled) {
    std::vector<ButtonState> states{ButtonState::Normal, ButtonState::MouseOn,
                                    ButtonState::MouseDown};
    if (hasDisabled) states.push_back(ButtonState::Disabled);
    return states;
}

template <typename Draw>
void addList(PictureSink& sink, std::string_view list, bool hasDisabled, Draw draw) {
    for (const Skin& skin : kSkins) {
        for (ButtonState state : statesOf(hasDisabled)) {
            sink.add(std::string(list) + "_" + std::string(skin.name) + "_" +
                         std::string(stateName(state)),
                     draw(skin, state));
        }
    }
}

}  // namespace

void drawButtonLists(PictureSink& sink) {
    addList(sink, "imgListTab", true,
            [](const Skin& s, ButtonState st) { return tabButton(s, st, 128, 31); });
    addList(sink, "imgListMin", false, [](const Skin& s, ButtonState st) {
        return chromeWithGlyph(s, st, 25, Radii{0, 0, 0, 4}, false, false, minGlyph);
    });
    addList(sink, "imgListMax", true, [](const Skin& s, ButtonState st) {
        return chromeWithGlyph(s, st, 25, Radii{}, false, false, maxGlyph);
    });
    addList(sink, "imgListRestore", false, [](const Skin& s, ButtonState st) {
        return chromeWithGlyph(s, st, 25, Radii{}, false, false, restoreGlyph);
    });
    addList(sink, "imgListClose", false, [](const Skin& s, ButtonState st) {
        return chromeWithGlyph(s, st, 43, Radii{0, 0, 4, 0}, true, true, closeGlyph);
    });
    addList(sink, "XImageButtonPicList1", true,
            [](const Skin& s, ButtonState st) { return pushButton(s, st, 91, 33, 6); });
    addList(sink, "imgListOK", true,
            [](const Skin& s, ButtonState st) { return pushButton(s, st, 91, 33, 5); });
    addList(sink, "imgListLanguage", false, languageButton);
}

}  // namespace dusk::pictures
