// Check-box pictures: a small rounded box, ticked in the accent colour. List 1 (9 x 9, with
// alpha) serves the radio buttons and boxes of the main window; list 2 (10 x 10, opaque) the
// notice window's box on its pale panel.
#include <string>

#include "families.h"
#include "skins.h"

namespace dusk::pictures {
namespace {

enum class Check { Checked, Grayed, UnChecked };
enum class Look { Normal, MouseOn, Disabled, MouseDown };

std::string name(Check c) {
    switch (c) {
        case Check::Checked:
            return "Checked";
        case Check::Grayed:
            return "Grayed";
        case Check::UnChecked:
            return "UnChecked";
    }
    return {};
}

std::string name(Look l) {
    switch (l) {
        case Look::Normal:
            return "Normal";
        case Look::MouseOn:
            return "MouseOn";
        case Look::Disabled:
            return "Disabled";
        case Look::MouseDown:
            return "MouseDown";
    }
    return {};
}

struct BoxColors {
    Color top;
    Color bottom;
    Color border;
    Color mark;
};

BoxColors colorsOf(Check check, Look look) {
    const bool filled = check == Check::Checked;
    switch (look) {
        case Look::Disabled:
            return filled ? BoxColors{fromRgb(0xCDCDCD), fromRgb(0xB9B9B9), fromRgb(0xAAAAAA),
                                      fromRgb(0xF8F8F8)}
                          : BoxColors{fromRgb(0xF4F4F4), fromRgb(0xEAEAEA), fromRgb(0xC2C2C2),
                                      fromRgb(0xBDBDBD)};
        case Look::MouseOn:
            return filled ? BoxColors{lighten(kAccent, 0.35), lighten(kAccent, 0.05),
                                      darken(kAccent, 0.12), kWhite}
                          : BoxColors{kWhite, fromRgb(0xFFEEE2), darken(kAccent, 0.05), kAccent};
        case Look::MouseDown:
            return filled ? BoxColors{darken(kAccent, 0.12), kAccent, darken(kAccent, 0.30), kWhite}
                          : BoxColors{fromRgb(0xE2E6EA), fromRgb(0xF4F6F8), darken(kAccent, 0.15),
                                      darken(kAccent, 0.1)};
        case Look::Normal:
            break;
    }
    return filled ? BoxColors{lighten(kAccent, 0.18), darken(kAccent, 0.08), darken(kAccent, 0.25),
                              kWhite}
                  : BoxColors{kWhite, fromRgb(0xE6EAEE), fromRgb(0x858F9A), kAccent};
}

Image checkBox(int size, Check check, Look look, Color backdrop) {
    const BoxColors c = colorsOf(check, look);
    Image image(size, size, backdrop);
    const double s = size;
    const Shape box = roundRect({0, 0, s, s}, size < 10 ? 2.2 : 1.6);
    fill(image, box, vertical(0, c.top, s, c.bottom));
    fill(image, outline(grow(box, -0.5), 0.5), c.border);
    if (check == Check::Checked) {
        const double k = s / 9;
        fill(image, stroke({{2.2 * k, 4.6 * k}, {3.8 * k, 6.3 * k}, {6.8 * k, 2.7 * k}}, 0.72 * k),
             c.mark);
    } else if (check == Check::Grayed) {
        const double m = size / 2.0;
        fill(image, roundRect({m - 2, m - 2, m + 2, m + 2}, 0.6), c.mark, 0.85);
    }
    return image;
}

}  // namespace

void drawCheckBoxes(PictureSink& sink) {
    for (Check check : {Check::Checked, Check::UnChecked}) {
        for (Look look : {Look::Normal, Look::MouseOn, Look::Disabled}) {
            sink.add("XCheckBoxPicList1_" + name(check) + "_" + name(look),
                     checkBox(9, check, look, withAlpha(kWhite, 0)));
        }
    }
    // Opaque: the corners blend into a grey close to every skin's pale panel.
    const Color panelGrey = fromRgb(0xE4E6E8);
    for (Check check : {Check::Checked, Check::Grayed, Check::UnChecked}) {
        for (Look look : {Look::Normal, Look::MouseOn, Look::Disabled, Look::MouseDown}) {
            sink.add("XCheckBoxPicList2_" + name(check) + "_" + name(look),
                     checkBox(10, check, look, panelGrey));
        }
    }
}

}  // namespace dusk::pictures
