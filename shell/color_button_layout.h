#pragma once
#include <string>

#include "base/geometry.h"
#include "controls/color_image_button.h"
#include "controls/picture.h"

namespace dusk {

// How a window's form sets up one of its colour buttons. Every button the program configures has
// its fades switched off.
struct ColorButtonLayout {
    std::wstring caption;
    Font font{L"Tahoma", 11, true, 0x9D4700};
    Font fontDisable{L"Tahoma", 11, true, 0x808080};
    TextAlign captionAlign = TextAlign::Custom;
    int captionLeft = 40;
    int captionTop = 8;
    const Picture* smallPicture = nullptr;
    Point smallPictureAt{10, 7};
    bool needStretch = false;
    int animationEnd = 127;
    int animationParam = 2;
    bool enabled = true;
    Rect bounds;  // left, top, right, bottom in the parent
};

// Loads the button the way the form does: plain values first and the picture list last, which
// starts the button blue and composes its first look.
void LoadColorButton(ColorImageButton& button, const ColorButtonLayout& layout,
                     const ImageButtonPictures& pictures);

}  // namespace dusk
