#include "buttons.h"

#include "style.h"

namespace dusk::pictures {
namespace {

struct Face {
    Color top;
    Color bottom;
    Color border;
};

Face pushFace(const Skin& skin, ButtonState state) {
    const Color w = skin.window;
    if (skin.dark) {
        switch (state) {
            case ButtonState::Normal:
                return {fromRgb(0x5E5E5E), fromRgb(0x2F2F2F), fromRgb(0x101010)};
            case ButtonState::MouseOn:
                return {fromRgb(0x767676), fromRgb(0x3E3E3E), fromRgb(0x101010)};
            case ButtonState::MouseDown:
                return {fromRgb(0x222222), fromRgb(0x3A3A3A), fromRgb(0x080808)};
            case ButtonState::Disabled:
                return {fromRgb(0x4E4E4E), fromRgb(0x404040), fromRgb(0x2C2C2C)};
        }
    }
    switch (state) {
        case ButtonState::Normal:
            return {lighten(w, 0.97), lighten(w, 0.76), darken(w, 0.08)};
        case ButtonState::MouseOn:
            return {kWhite, lighten(w, 0.56), w};
        case ButtonState::MouseDown:
            return {lighten(w, 0.60), lighten(w, 0.84), darken(w, 0.22)};
        case ButtonState::Disabled:
            return {fromRgb(0xF5F5F5), fromRgb(0xE1E1E1), fromRgb(0xBCBCBC)};
    }
    return {};
}

}  // namespace

std::string_view stateName(ButtonState state) {
    switch (state) {
        case ButtonState::Normal:
            return "Normal";
        case ButtonState::MouseOn:
            return "MouseOn";
        case ButtonState::MouseDown:
            return "MouseDown";
        case ButtonState::Disabled:
            return "Disabled";
    }
    return "";
}

Image pushButton(const Skin& skin, ButtonState state, int width, int height, double radius) {
    const Face face = pushFace(skin, state);
    Image image(width, height, withAlpha(face.bottom, 0));
    const bool pressed = state == ButtonState::MouseDown;
    // Pressed, the face sinks by a pixel into the space its shadow used.
    const double top = pressed ? 2 : 1;
    const Shape body = roundRect({1, top, width - 1.0, height - 3 + top}, radius);
    if (state == ButtonState::MouseOn) {
        fill(image, outline(grow(body, 0.5), 0.5),
             withAlpha(skin.dark ? kWhite : skin.window, 0.45));
    } else if (!pressed) {
        fill(image, translate(body, 0, 1), withAlpha(kBlack, skin.dark ? 0.30 : 0.16));
    }
    const Paint gradient = vertical(top, face.top, height - 2 + top, face.bottom);
    fill(image, body, gradient);
    if (pressed) {
        // A soft inner shadow along the top edge.
        fill(image, subtract(body, translate(body, 0, 2)),
             withAlpha(kBlack, skin.dark ? 0.35 : 0.12));
    } else {
        bevel(image, body, gradient, skin.dark ? 0.22 : 0.9, skin.dark ? 0.0 : 0.03);
    }
    fill(image, outline(grow(body, -0.5), 0.5), face.border);
    return image;
}

Image tabButton(const Skin& skin, ButtonState state, int width, int height) {
    const Color w = skin.window;
    const Color line = fromRgb(0x666666);  // the page's top line, continued under the tabs
    Image image(width, height, withAlpha(w, 0));
    const Shape body = roundRect({1, 1, width - 1.0, height + 8.0}, Radii{7, 7, 0, 0});
    Color top;
    Color bottom;
    Color border = darken(w, skin.dark ? 0.6 : 0.38);
    switch (state) {
        case ButtonState::Normal:
            top = lighten(w, 0.14);
            bottom = darken(w, 0.16);
            break;
        case ButtonState::MouseOn:
            top = lighten(w, 0.32);
            bottom = lighten(w, 0.02);
            break;
        case ButtonState::MouseDown:
            top = darken(w, 0.32);
            bottom = darken(w, 0.14);
            break;
        case ButtonState::Disabled:
            top = kWhite;
            bottom = kWhite;
            border = line;
            break;
    }
    if (skin.dark && state != ButtonState::Disabled) {
        top = lighten(top, 0.12);
        bottom = lighten(bottom, 0.06);
    }
    const Paint gradient = vertical(1, top, height - 1, bottom);
    fill(image, body, gradient);
    if (state == ButtonState::Disabled) {
        fill(image, intersect(body, rect({0, 0, double(width), 14})),
             vertical(1, lighten(w, 0.88), 14, kWhite));
    } else {
        bevel(image, body, gradient, 0.35, 0.0);
    }
    fill(image, outline(grow(body, -0.5), 0.5), withAlpha(border, 0.85));
    // The bottom row continues the page's top line; the active tab opens into the page.
    const Shape lastRow = intersect(body, rect({0, height - 1.0, double(width), double(height)}));
    fill(image, lastRow, state == ButtonState::Disabled ? kWhite : line);
    return image;
}

Image chromeButton(const Skin& skin, ButtonState state, int width, int height, Radii radii,
                   bool danger, bool lastInStrip) {
    const Color w = skin.window;
    Color base = skin.dark ? fromRgb(0x3A3A3A) : darken(w, 0.22);
    if (state == ButtonState::MouseOn) base = danger ? fromRgb(0xE5483C) : lighten(base, 0.22);
    if (state == ButtonState::MouseDown) base = danger ? fromRgb(0xA82A20) : darken(base, 0.28);
    Image image(width, height, withAlpha(base, 0));
    // The strip's outline runs along the bottom and the left of every button, so neighbours
    // share one separator; only the last one closes the strip on its right.
    const double right = lastInStrip ? width : width + 8.0;
    const Shape body = roundRect({0, -8, right, double(height)}, radii);
    const Paint gradient = vertical(0, lighten(base, 0.12), height, darken(base, 0.10));
    fill(image, body, gradient);
    bevel(image, body, gradient, 0.25, 0.0);
    fill(image,
         intersect(outline(grow(body, -0.5), 0.5), rect({0, 0, double(width), double(height)})),
         darken(base, 0.45));
    return image;
}

}  // namespace dusk::pictures
